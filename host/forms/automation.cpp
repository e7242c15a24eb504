#include "host/forms/automation.h"

#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/printer_page.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTextStream>

#include <charconv>
#include <cmath>
#include <iostream>
#include <limits>

namespace host {

namespace {

struct PendingLine
{
    int yieldsLeft;
    QString line;
    QString command; // the at-yield line itself
};

struct AutomationState
{
    bool active = false;
    bool failed = false;
    QMap<QString, std::function<std::string()>> variables;
    std::vector<PendingLine> atYield;
    bool mouseHeld = false;
};

AutomationState &state()
{
    static AutomationState automation;
    return automation;
}

template <typename Number> std::string shortestRoundTrip(Number value)
{
    if (value == 0)
        return "0";
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// The rest of a command line after its first count words.
QString afterWords(const QString &line, int count)
{
    return line.section(QRegularExpression("\\s+"), count, -1, QString::SectionSkipEmpty);
}

void say(const QString &line) { std::cout << line.toStdString() << std::endl; }

[[noreturn]] void scriptError(const QString &message)
{
    throw std::invalid_argument(message.toStdString());
}

QWidget *findWidget(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            return top;
        if (auto *found = top->findChild<QWidget *>(name))
            return found;
    }
    scriptError("no control named " + name);
}

QAction *findAction(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *found = top->findChild<QAction *>(name))
            return found;
    scriptError("no menu item named " + name);
}

template <typename Control> Control *findControl(const QString &name, const char *kind)
{
    auto *control = qobject_cast<Control *>(findWidget(name));
    if (!control)
        scriptError(name + " is not a " + kind);
    return control;
}

double number(const QString &text)
{
    try {
        return toDouble(text.toStdString());
    } catch (const Fault &) {
        scriptError("\"" + text + "\" is not a number");
    }
}

// A whole number from minimum to maximum (a count, a key code, a control value).
int wholeNumber(const QString &text, int minimum, int maximum)
{
    double value = number(text);
    if (value != std::floor(value))
        scriptError("\"" + text + "\" is not a whole number");
    if (value < minimum || value > maximum)
        scriptError(text + " is not from " + QString::number(minimum) + " to "
                    + QString::number(maximum));
    return int(value);
}

QString colorText(QColor color)
{
    return QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
}

QString boolText(bool value) { return value ? "true" : "false"; }

void sendMouse(QWidget *widget, QEvent::Type type, QPointF position, Qt::MouseButtons held)
{
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QPointF clickPoint(QWidget *widget)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    if (qobject_cast<QCheckBox *>(widget))
        return widget->style()
            ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, widget)
            .center();
    if (qobject_cast<QRadioButton *>(widget))
        return widget->style()
            ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, widget)
            .center();
    return QRectF(widget->rect()).center();
}

void click(QWidget *widget)
{
    if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<PictureArea *>(widget))
        scriptError(widget->objectName() + " cannot be clicked");
    QPointF at = clickPoint(widget);
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void set(QWidget *widget, const QString &valueText)
{
    if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
        double value = number(valueText);
        if (value < bar->minimum() || value > bar->maximum())
            scriptError(valueText + " is outside the range of " + widget->objectName());
        bar->setValue(wholeNumber(valueText, bar->minimum(), bar->maximum()));
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        setCheckValue(box, wholeNumber(valueText, 0, 2));
    } else {
        scriptError(widget->objectName() + " has no value to set");
    }
}

void key(QWidget *widget, int code)
{
    int qtKey = code == 13 ? int(Qt::Key_Return)
        : code == 8        ? int(Qt::Key_Backspace)
                           : int(QChar(code).toUpper().unicode());
    QString text = code == 13 ? "\r" : QString(QChar(code));
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void mouse(const QString &name, const QString &action, double x, double y)
{
    auto *area = findControl<PictureArea>(name, "picture area");
    QPointF at = area->scale().toDevice(QPointF(x, y));
    if (action == "down") {
        state().mouseHeld = true;
        sendMouse(area, QEvent::MouseButtonPress, at, Qt::LeftButton);
    } else if (action == "move") {
        sendMouse(area, QEvent::MouseMove, at, state().mouseHeld ? Qt::LeftButton : Qt::NoButton);
    } else if (action == "up") {
        state().mouseHeld = false;
        sendMouse(area, QEvent::MouseButtonRelease, at, Qt::NoButton);
    } else {
        scriptError("mouse action must be down, move or up, not " + action);
    }
}

QString caption(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (widget->isWindow())
        return widget->windowTitle();
    scriptError(widget->objectName() + " has no caption");
}

QString value(QWidget *widget)
{
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return QString::number(box->checkState() == Qt::Checked                ? 1
                                   : box->checkState() == Qt::PartiallyChecked ? 2
                                                                               : 0);
    if (auto *option = qobject_cast<QRadioButton *>(widget))
        return boolText(option->isChecked());
    if (auto *bar = qobject_cast<QScrollBar *>(widget))
        return QString::number(bar->value());
    scriptError(widget->objectName() + " has no value");
}

QString position(QWidget *widget, bool left)
{
    if (auto *area = qobject_cast<PictureArea *>(widget->parentWidget())) {
        QPointF at = area->childPosition(widget);
        return QString::fromStdString(shortestRoundTrip(left ? at.x() : at.y()));
    }
    return QString::number((left ? widget->x() : widget->y()) * 15);
}

QString property(QWidget *widget, const QString &name)
{
    auto *area = qobject_cast<PictureArea *>(widget);
    if (name == "text" || name == "caption")
        return caption(widget);
    if (name == "value")
        return value(widget);
    if (name == "enabled")
        return boolText(widget->isEnabled());
    if (name == "visible")
        return boolText(widget->isWindow() ? widget->isVisible()
                                           : widget->isVisibleTo(widget->window()));
    if (name == "backcolor")
        return colorText(area ? area->backColor()
                              : widget->palette().color(widget->backgroundRole()));
    if (name == "forecolor")
        return colorText(area ? area->foreColor()
                              : widget->palette().color(widget->foregroundRole()));
    if (name == "left" || name == "top")
        return position(widget, name == "left");
    scriptError("unknown property " + name);
}

void run(const QString &line);

void runCommand(const QString &command, const QStringList &words, const QString &rest)
{
    auto need = [&](int count) {
        if (words.size() < count + 1)
            scriptError(command + " needs " + QString::number(count) + " argument(s)");
    };
    if (command == "click") {
        need(1);
        click(findWidget(words[1]));
    } else if (command == "set") {
        need(2);
        set(findWidget(words[1]), words[2]);
    } else if (command == "type") {
        need(1);
        findControl<QLineEdit>(words[1], "text box")->setText(afterWords(rest, 2));
    } else if (command == "key") {
        need(2);
        key(findWidget(words[1]), wholeNumber(words[2], 0, 0xFFFF));
    } else if (command == "mouse") {
        need(4);
        mouse(words[1], words[2], number(words[3]), number(words[4]));
    } else if (command == "menu") {
        need(1);
        QAction *item = findAction(words[1]);
        if (!item->isEnabled())
            scriptError(words[1] + " is disabled");
        item->trigger();
    } else if (command == "show") {
        need(2);
        say(words[1] + "." + words[2] + "=" + property(findWidget(words[1]), words[2]));
    } else if (command == "var") {
        need(1);
        if (!state().variables.contains(words[1]))
            scriptError("no variable named " + words[1]);
        say(words[1] + "=" + QString::fromStdString(state().variables[words[1]]()));
    } else if (command == "pixel") {
        need(3);
        auto *area = findControl<PictureArea>(words[1], "picture area");
        QPointF at(number(words[2]), number(words[3]));
        if (!QRectF(QPointF(), area->scale().deviceSize()).contains(area->scale().toDevice(at)))
            scriptError(words[2] + " " + words[3] + " lies outside " + words[1]);
        say(words[1] + ".pixel=" + colorText(area->pixelAt(at)));
    } else if (command == "grab") {
        need(2);
        QString file = afterWords(rest, 2);
        if (!findWidget(words[1])->grab().save(file))
            scriptError("cannot write " + file);
    } else if (command == "printto") {
        need(1);
        PrinterPage::setNextPdfPath(afterWords(rest, 1));
    } else if (command == "clock") {
        need(1);
        freezeClock(number(words[1]));
    } else if (command == "close") {
        need(1);
        findWidget(words[1])->window()->close();
    } else if (command == "at-yield") {
        need(2);
        state().atYield.push_back(
            {wholeNumber(words[1], 1, std::numeric_limits<int>::max()), afterWords(rest, 2), rest});
    } else {
        scriptError("unknown command " + command);
    }
}

void run(const QString &line)
{
    QString rest = line.trimmed();
    if (rest.isEmpty() || rest.startsWith('#'))
        return;
    QStringList words = rest.split(' ', Qt::SkipEmptyParts);
    try {
        runCommand(words[0], words, rest);
    } catch (const std::invalid_argument &error) {
        state().failed = true;
        say(QStringLiteral("error: %1: %2").arg(rest, error.what()));
    } catch (const Fault &fault) {
        say(QStringLiteral("fault: %1").arg(fault.what()));
    }
    QCoreApplication::processEvents();
}

} // namespace

bool automationActive() { return state().active; }

void exposeVariable(const QString &name, std::function<std::string()> valuesText)
{
    state().variables[name] = std::move(valuesText);
}

std::string automationText(float value) { return shortestRoundTrip(value); }

std::string automationText(double value) { return shortestRoundTrip(value); }

std::string automationText(int16_t value) { return std::to_string(value); }

std::string automationText(int32_t value) { return std::to_string(value); }

std::string automationText(bool value) { return value ? "true" : "false"; }

int runScript(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        say("error: cannot read the script " + path);
        return 2;
    }
    state().active = true;
    state().failed = false;
    QTextStream lines(&file);
    while (!lines.atEnd() && !programEnding())
        run(lines.readLine());
    // Nothing of the script outlives it: a line waiting for a yield that never came is an
    // error, not an action for whatever yields later.
    for (const PendingLine &pending : state().atYield) {
        state().failed = true;
        say("error: " + pending.command + ": the script ended before that yield");
    }
    state().atYield.clear();
    state().mouseHeld = false;
    thawClock();
    state().active = false;
    return state().failed ? 2 : 0;
}

int exec(QApplication &app, Form &mainForm)
{
    // The classic look the forms are laid out for: small check and option indicators that
    // leave the captions their room, frame captions on the frame's border.
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle("Windows");
    QString script = qEnvironmentVariable("NEUROSIMS_SCRIPT");
    state().active = !script.isEmpty();
    mainForm.load();
    mainForm.show();
    if (script.isEmpty())
        return app.exec();
    QCoreApplication::processEvents();
    return runScript(script);
}

namespace automation_detail {

void yieldReached()
{
    auto &pending = state().atYield;
    std::vector<QString> due;
    for (auto it = pending.begin(); it != pending.end();) {
        if (--it->yieldsLeft <= 0) {
            due.push_back(it->line);
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
    for (const QString &line : due)
        run(line);
}

} // namespace automation_detail

} // namespace host
