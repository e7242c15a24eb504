// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace host {

// Name of element Index of a control array: "opInk(4)".
QString arrayName(const QString &name, int index);

// Check box values: 0 unticked, 1 ticked (2 greyed).
int16_t checkValue(const QCheckBox *box);
void setCheckValue(QCheckBox *box, int value);

// Clears an option button, also one that is alone in its container.
void deselect(QRadioButton *option);

// Shows a text in a text box from its first character on (a number's text, say), at once:
// also inside a handler that does not yield.
void showText(QLineEdit *box, const QString &text);
// A number's text in a text box, as showText: floatText(x), intText(n), ...
void showNumberText(QLineEdit *box, const std::string &text);

// The one sentence that shows when the pointer rests on a control: what it does in the model.
void setToolTip(QWidget *control, const QString &text);

// A window's tool tips as one table: each control, found by its name in the window (a form,
// say), gets its sentence. A name the window lacks is a programming error, raised before any
// tip is set.
struct ToolTip
{
    QString name; // the control's objectName: "commReach", "opInk(4)"
    QString text;
};
void setToolTips(QWidget &window, const std::vector<ToolTip> &tips);

// Back and fore colour of any control or form (a form's are its client area's, the central
// widget of its main window); a picture area clears to a new back colour at once.
// An invalid colour leaves that colour as it is. Automation's show reads them back.
void setColors(QWidget *control, QColor back, QColor fore = QColor());
QColor backColor(const QWidget *control);
QColor foreColor(const QWidget *control);

} // namespace host
