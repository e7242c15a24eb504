// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/script_actions.h"

#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/round_trip_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <cmath>
#include <type_traits>

namespace host::script {

namespace {

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
    if (widget->isWindow()) // as the title bar shows it: the modified mark a star or nothing
        return QString(widget->windowTitle()).replace("[*]", widget->isWindowModified() ? "*" : "");
    scriptError(widget->objectName() + " has no caption");
}

QString value(QWidget *widget)
{
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return QString::number(checkValue(box));
    if (auto *option = qobject_cast<QRadioButton *>(widget))
        return boolText(option->isChecked());
    if (auto *bar = qobject_cast<ScrollBar *>(widget))
        return QString::number(bar->value());
    scriptError(widget->objectName() + " has no value");
}

QString position(QWidget *widget, bool left)
{
    if (auto *area = qobject_cast<PictureArea *>(widget->parentWidget())) {
        const QPointF at = area->childPosition(widget);
        return QString::fromStdString(roundTripText(left ? at.x() : at.y()));
    }
    return QString::number((left ? widget->x() : widget->y()) * 15);
}

} // namespace

[[noreturn]] void scriptError(const QString &message)
{
    throw std::invalid_argument(message.toStdString());
}

namespace {

// A window's own control or menu item of that name: not one of a form it holds as a tool
// window, which has its own name.
template <typename Object> Object *ownChild(const QWidget *top, const QString &name)
{
    if (!qobject_cast<const Form *>(top))
        return top->findChild<Object *>(name);
    for (Object *child : top->findChildren<Object *>(name)) {
        const QObject *at = child->parent();
        while (at && !qobject_cast<const Form *>(at))
            at = at->parent();
        if (at == top)
            return child;
    }
    return nullptr;
}

// The forms that hold a control of that name, loaded ones first: a form that is not loaded
// counts only when no loaded one holds the name.
QList<QWidget *> windowsHolding(const QString &name)
{
    QList<QWidget *> loaded, unloaded;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<Form *>(top);
        if (form && ownChild<QObject>(form, name))
            (form->isLoaded() ? loaded : unloaded).append(form);
    }
    return loaded.isEmpty() ? unloaded : loaded;
}

QWidget *window(const QString &name)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == name)
            return top;
    return nullptr;
}

// The window a FORM.CONTROL or bare control name points into, and the control's own name.
std::pair<QWidget *, QString> locate(const QString &name, const char *kind)
{
    const int dot = name.indexOf('.');
    if (dot > 0) {
        QWidget *top = window(name.left(dot));
        if (!top)
            scriptError("no window named " + name.left(dot));
        return {top, name.mid(dot + 1)};
    }
    const QList<QWidget *> holders = windowsHolding(name);
    if (holders.size() > 1) {
        QStringList candidates;
        for (QWidget *top : holders)
            candidates << top->objectName() + "." + name;
        candidates.sort();
        scriptError(name + " is in more than one window: name one of " + candidates.join(", "));
    }
    if (holders.isEmpty())
        scriptError(QStringLiteral("no %1 named %2").arg(kind, name));
    return {holders.front(), name};
}

// The control or menu item a name points to, its window loaded when asked.
template <typename Object> Object *findNamed(const QString &name, const char *kind, bool load)
{
    auto [top, ownName] = locate(name, kind);
    auto *found = ownChild<Object>(top, ownName);
    if (!found)
        scriptError(QStringLiteral("no %1 named %2").arg(kind, name));
    if (!load)
        return found;
    if constexpr (std::is_base_of_v<QWidget, Object>)
        touch(found);
    else
        touch(top);
    return found;
}

} // namespace

QWidget *findWidget(const QString &name)
{
    if (QWidget *top = window(name))
        return top;
    return findNamed<QWidget>(name, "control", true);
}

QAction *findAction(const QString &name) { return findNamed<QAction>(name, "menu item", true); }

QWidget *lookUpWidget(const QString &name)
{
    if (QWidget *top = window(name))
        return top;
    return findNamed<QWidget>(name, "control", false);
}

QAction *lookUpAction(const QString &name) { return findNamed<QAction>(name, "menu item", false); }

QString scriptName(const QObject *control)
{
    const QString name = control->objectName();
    if (windowsHolding(name).size() <= 1)
        return name;
    const QObject *at = control->parent();
    while (at && !qobject_cast<const Form *>(at))
        at = at->parent();
    return at ? at->objectName() + "." + name : name;
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

void click(QWidget *widget)
{
    if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<PictureArea *>(widget)
        && !qobject_cast<QLabel *>(widget))
        scriptError(widget->objectName() + " cannot be clicked");
    QPointF at = clickPoint(widget);
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void setValue(QWidget *widget, const QString &valueText)
{
    if (auto *bar = qobject_cast<ScrollBar *>(widget)) {
        const int low = std::min(bar->minimumValue(), bar->maximumValue());
        const int high = std::max(bar->minimumValue(), bar->maximumValue());
        double value = number(valueText);
        if (value < low || value > high)
            scriptError(valueText + " is outside the range of " + widget->objectName());
        bar->setValue(wholeNumber(valueText, low, high));
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        setCheckValue(box, wholeNumber(valueText, 0, 2));
    } else {
        scriptError(widget->objectName() + " has no value to set");
    }
}

namespace {

void sendKey(QWidget *widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

void pressKey(QWidget *widget, int code)
{
    int qtKey = code == 13 ? int(Qt::Key_Return)
        : code == 8        ? int(Qt::Key_Backspace)
        : code == 9        ? int(Qt::Key_Tab)
        : code == 27       ? int(Qt::Key_Escape)
                           : int(QChar(code).toUpper().unicode());
    sendKey(widget, qtKey, Qt::NoModifier, code == 13 ? "\r" : QString(QChar(code)));
}

void pressKey(QWidget *widget, const QString &keyName)
{
    struct Named
    {
        const char *name;
        Qt::Key key;
        const char *text;
    };
    static const Named named[] = {
        {"Left", Qt::Key_Left, ""},
        {"Right", Qt::Key_Right, ""},
        {"Up", Qt::Key_Up, ""},
        {"Down", Qt::Key_Down, ""},
        {"PageUp", Qt::Key_PageUp, ""},
        {"PageDown", Qt::Key_PageDown, ""},
        {"Home", Qt::Key_Home, ""},
        {"End", Qt::Key_End, ""},
        {"Enter", Qt::Key_Return, "\r"},
        {"Return", Qt::Key_Return, "\r"},
        {"Escape", Qt::Key_Escape, "\x1b"},
        {"Tab", Qt::Key_Tab, "\t"},
        {"Backspace", Qt::Key_Backspace, "\b"},
        {"Space", Qt::Key_Space, " "},
        {"Delete", Qt::Key_Delete, ""},
    };
    for (const Named &key : named)
        if (keyName.compare(QLatin1String(key.name), Qt::CaseInsensitive) == 0)
            return sendKey(widget, key.key, Qt::NoModifier, QString::fromLatin1(key.text));
    // Other keys and combinations as Qt writes them ("F2", "Ctrl+A").
    const QKeySequence sequence = QKeySequence::fromString(keyName, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        scriptError("\"" + keyName
                    + "\" is no key code and no key name (Left, Right, Up, Down, "
                      "PageUp, PageDown, Home, End, Enter, ...)");
    const QKeyCombination combination = sequence[0];
    const Qt::Key key = combination.key();
    const bool character = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde;
    QString text;
    if (character && !(combination.keyboardModifiers() & ~Qt::ShiftModifier))
        text = (combination.keyboardModifiers() & Qt::ShiftModifier)
            ? QString(QChar(int(key)))
            : QString(QChar(int(key))).toLower();
    sendKey(widget, int(key), combination.keyboardModifiers(), text);
}

void mouse(PictureArea *area, const QString &action, QPointF at, bool &held)
{
    QPointF device = area->scale().toDevice(at);
    if (action == "down") {
        held = true;
        sendMouse(area, QEvent::MouseButtonPress, device, Qt::LeftButton);
    } else if (action == "move") {
        sendMouse(area, QEvent::MouseMove, device, held ? Qt::LeftButton : Qt::NoButton);
    } else if (action == "up") {
        held = false;
        sendMouse(area, QEvent::MouseButtonRelease, device, Qt::NoButton);
    } else {
        scriptError("mouse action must be down, move or up, not " + action);
    }
}

void exportPicture(PictureArea *area, const QString &format, const QString &file)
{
    if (format == "clipboard") {
        copyPicture(area);
        return;
    }
    if (format != "png" && format != "png2x" && format != "svg" && format != "csv")
        scriptError("export takes png, png2x, svg, csv or clipboard, not " + format);
    if (file.isEmpty())
        scriptError("export " + format + " needs a file");
    if (format == "png")
        savePng(area, file, area->devicePixelRatioF());
    else if (format == "png2x")
        savePng(area, file, 2);
    else if (format == "svg")
        saveSvg(area, file);
    else
        saveCsv(area, file);
}

QString property(QWidget *widget, const QString &name)
{
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
        return colorText(backColor(widget));
    if (name == "forecolor")
        return colorText(foreColor(widget));
    if (name == "left" || name == "top")
        return position(widget, name == "left");
    scriptError("unknown property " + name);
}

} // namespace host::script
