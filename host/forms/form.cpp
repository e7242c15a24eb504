#include "host/forms/form.h"

#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/loaded_forms.h"
#include "host/forms/messages.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace host {

Form::Form(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips,
           QWidget *parent)
    : QMainWindow(parent)
    , m_client(new QWidget(this))
{
    setObjectName(name);
    setWindowTitle(caption);
    m_client->setObjectName(name + ".client");
    m_client->setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    setCentralWidget(m_client);
    // The classic face of forms and buttons until a form sets its own back colour.
    setColors(m_client, QColor(192, 192, 192));
    QPalette classic = palette();
    classic.setColor(QPalette::Window, QColor(192, 192, 192));
    classic.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(classic);
}

Form::~Form()
{
    if (m_loaded)
        loadedForms().unloaded();
}

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    loadedForms().loaded();
    try {
        formLoad();
    } catch (const std::exception &fault) {
        m_loadFailed = true;
        reportFault(QString::fromUtf8(fault.what()));
    }
    // Controls the load handler made join the tab order too.
    arrangeForKeyboard(m_client);
    fitToClient();
}

void Form::fitToClient()
{
    // The client area keeps its size in twips; the window grows by its menu bar.
    if (m_loaded)
        setFixedSize(sizeHint());
}

void Form::unload() { close(); }

QMenu *Form::addMenu(const QString &name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menuBar()->setFont(font());
    fitToClient();
    return menu;
}

QAction *Form::addMenuItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void Form::addMenuSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

QAction *Form::addMenuCommand(const QString &name, const QString &caption)
{
    QAction *item = menuBar()->addAction(caption);
    item->setObjectName(name);
    menuBar()->setFont(font());
    fitToClient();
    return item;
}

void Form::showEvent(QShowEvent *event)
{
    load();
    QMainWindow::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_loaded) {
        runHandler([this] { formUnload(); });
        m_loaded = false;
        loadedForms().unloaded();
    }
    event->accept();
}

Form *touch(QWidget *control)
{
    auto *form = qobject_cast<Form *>(control->window());
    if (form)
        form->load();
    return form;
}

} // namespace host
