#include "host/forms/events.h"

#include "host/forms/automation.h"
#include "host/numbers/fault.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>

#include <iostream>

namespace host {

namespace {

// Runs a handler on a mouse button event of a control. A release is first delivered to the
// control itself, so that the handler sees the state the release produced.
class MouseButtonFilter : public QObject
{
public:
    MouseButtonFilter(QWidget *control, QEvent::Type type, std::function<void()> handler)
        : QObject(control)
        , m_type(type)
        , m_handler(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A disabled control takes no mouse input, but its event filters still see the events.
        if (event->type() != m_type || !static_cast<QWidget *>(watched)->isEnabled())
            return false;
        if (m_type == QEvent::MouseButtonRelease) {
            static_cast<QObject *>(watched)->event(event);
            runHandler(m_handler);
            return true;
        }
        runHandler(m_handler);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_handler;
};

class KeyPressFilter : public QObject
{
public:
    KeyPressFilter(QLineEdit *box, std::function<void(int)> handler)
        : QObject(box)
        , m_handler(std::move(handler))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        int code = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            code = 13;
        else if (key->key() == Qt::Key_Backspace)
            code = 8;
        else if (!key->text().isEmpty())
            code = key->text().front().unicode();
        if (code != 0)
            runHandler([&] { m_handler(code); });
        return false;
    }

private:
    std::function<void(int)> m_handler;
};

} // namespace

void reportFault(const QString &message)
{
    if (automationActive()) {
        std::cout << "fault: " << message.toStdString() << std::endl;
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                         message);
}

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Fault &fault) {
        reportFault(QString::fromStdString(fault.what()));
    } catch (const std::exception &error) {
        reportFault(QStringLiteral("Unexpected error: %1").arg(error.what()));
    }
}

void onClick(QAbstractButton *button, std::function<void()> handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [handler] { runHandler(handler); });
}

void onTriggered(QAction *menuItem, std::function<void()> handler)
{
    QObject::connect(menuItem, &QAction::triggered, menuItem, [handler] { runHandler(handler); });
}

void onChange(QScrollBar *bar, std::function<void()> handler)
{
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [handler] { runHandler(handler); });
}

void onScroll(QScrollBar *bar, std::function<void()> handler)
{
    QObject::connect(bar, &QScrollBar::sliderMoved, bar, [handler] { runHandler(handler); });
}

void onMouseDown(QWidget *control, std::function<void()> handler)
{
    new MouseButtonFilter(control, QEvent::MouseButtonPress, std::move(handler));
}

void onMouseUp(QWidget *control, std::function<void()> handler)
{
    new MouseButtonFilter(control, QEvent::MouseButtonRelease, std::move(handler));
}

void onKeyPress(QLineEdit *box, std::function<void(int keyCode)> handler)
{
    new KeyPressFilter(box, std::move(handler));
}

void onTextChange(QLineEdit *box, std::function<void()> handler)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [handler] { runHandler(handler); });
}

} // namespace host
