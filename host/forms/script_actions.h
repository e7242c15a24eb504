// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

class QAction;
class QColor;

namespace host {

class PictureArea;

// What an automation script does to the windows: finds controls by name, acts on them as a
// user would, and reads their properties. A line that cannot be carried out throws
// std::invalid_argument with a message for the script's "error:" line.
namespace script {

[[noreturn]] void scriptError(const QString &message);

QWidget *findWidget(const QString &name);
QAction *findAction(const QString &name);
// The same without loading the control's window: to check a name before anything runs.
QWidget *lookUpWidget(const QString &name);
QAction *lookUpAction(const QString &name);
// The name a script line gives a control or menu item: its own, or FORM.NAME while more
// than one window holds that name.
QString scriptName(const QObject *control);

template <typename Control> Control *findControl(const QString &name, const char *kind)
{
    auto *control = qobject_cast<Control *>(findWidget(name));
    if (!control)
        scriptError(name + " is not a " + kind);
    return control;
}

double number(const QString &text);
// A whole number from minimum to maximum (a count, a key code, a control value).
int wholeNumber(const QString &text, int minimum, int maximum);

// A left click where a user clicks: a check box or option on its indicator, else the middle.
void click(QWidget *widget);
// A scroll bar value as the user would set it (Change runs), or a check box value 0/1/2.
void setValue(QWidget *widget, const QString &valueText);
// A key press and release with a key code (13 = Enter, 8 = Backspace).
void pressKey(QWidget *widget, int code);
// A key press and release by the key's name: Left, Right, Up, Down, PageUp, PageDown, Home,
// End, Enter, Escape, Tab, Backspace, Space, Delete, or any key as Qt names it ("F2",
// "Ctrl+A").
void pressKey(QWidget *widget, const QString &keyName);
// Mouse down, move or up on a picture area at a point in its user units; held keeps the
// left button's state between lines.
void mouse(PictureArea *area, const QString &action, QPointF at, bool &held);
// Exports a picture area as its menu does: png, png2x, svg or csv to a file, or clipboard.
void exportPicture(PictureArea *area, const QString &format, const QString &file);

// A property as `show` prints it: text, caption, value, enabled, visible, backcolor,
// forecolor, left, top.
QString property(QWidget *widget, const QString &name);
QString colorText(QColor color);

} // namespace script
} // namespace host
