// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/fonts.h"
#include "host/forms/scroll_bar.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>

#include <vector>

class QWidget;

namespace host {

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

// One row of a form's layout table; every field has a default, so that a table names only what
// differs (with designated initializers). Rows are created in order, so a container's row comes
// before the rows of the controls it holds. A control array element is named "name(k)".
struct ControlRow
{
    QString container {}; // empty: the form itself; else the name of a frame or picture area
    QString name {};
    ControlKind kind {};
    QString caption {}; // caption, or the start text of a text box
    QRect twips {}; // left, top, width, height in twips of the container; a label of width 0
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

} // namespace host
