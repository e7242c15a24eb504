// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/fonts.h"
#include "host/forms/scroll_bar.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace host {

class PictureArea;

// The kinds of control a form is built from.
enum class ControlKind {
    Frame, // a group box with a caption; holds other controls
    Label,
    TextBox,
    Button,
    CheckBox,
    Option, // option button: one of its container's options is selected
    HScrollBar,
    VScrollBar,
    Picture, // picture area: drawing in user units, mouse input, child pictures
    Line, // a decorative line behind its container's controls
    Rectangle, // a decorative outlined rectangle
    RoundedRectangle,
};

// One row of a form's layout table. Rows are created in order, so a container's row comes
// before the rows of the controls it holds. A control array element is named "name(k)".
struct ControlRow
{
    QString container; // empty: the form itself; else the name of a frame or picture area
    QString name;
    ControlKind kind;
    QString caption; // caption, or the start text of a text box
    QRect twips; // left, top, width, height in twips of the container; a label of width 0
                 // takes the size of its caption
    FontChoice font {};
    int value = 0; // check box 0/1/2, option 1 = selected, scroll bar value, line width
    ScrollBar::Range range {}; // scroll bars
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter; // labels
    QColor backColor {}; // invalid: the container's; picture areas default to white
    QColor foreColor {}; // invalid: black; lines and rectangles draw in it
    QLine lineTwips {}; // lines: the two ends in twips of the container
};

// Creates the rows' controls on a form's client area (container ""), each named and placed
// as its row says. A control placed on a picture area keeps the presses made on it for
// itself, never passing them to the area.
void layOut(QWidget *client, const std::vector<ControlRow> &rows);

// Readies a laid-out client for the keyboard and for screen readers (layOut calls it; it
// may run again). The tab order follows the layout: top to bottom, left to right within a
// row, a frame's or picture area's controls in its place. Scroll bars take the focus by Tab
// (their arrow keys change the value) and buttons press with Enter as well as Space. A
// control without a caption of its own (text box, scroll bar, picture area, blank button)
// is named after the label beside or above it, under its frame's caption.
void arrangeForKeyboard(QWidget *client);

// The name a screen reader gives a control, instead of the one the layout derives; it stays
// when the layout is arranged again.
void setAccessibleName(QWidget *control, const QString &name);

// Places a widget at (left, top, width, height) in twips of its container: 15 twips make a
// pixel (Qt scales pixels for HiDPI screens).
void placeTwips(QWidget *widget, QRect twips);
int twipsToPixels(double twips);

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

// Back and fore colour of any control or form (a form's are its client area's); a picture
// area clears to a new back colour at once.
// An invalid colour leaves that colour as it is. Automation's show reads them back.
void setColors(QWidget *control, QColor back, QColor fore = QColor());
QColor backColor(const QWidget *control);
QColor foreColor(const QWidget *control);

} // namespace host
