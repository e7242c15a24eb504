// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graph window: where its labels, drawing areas and separator sit (twips of the client
// area), and what its load and close do.

#include "sidestop/ui/graph_window.h"

#include "host/forms/controls.h"
#include "host/forms/picture_area.h"

namespace sidestop {

namespace {

const QColor formBack(128, 128, 255);

using host::ControlKind;
using host::ControlRow;

constexpr host::FontChoice captionFont {"MS Sans Serif", 9.75};
constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;

const std::vector<ControlRow> &graphLayout()
{
    static const std::vector<ControlRow> rows {
        {"",
         "Label1",
         ControlKind::Label,
         "External Input Levels",
         {1764, 240, 3420, 252},
         captionFont,
         0,
         {},
         left,
         QColor(255, 255, 255)},
        {"",
         "picBargraph",
         ControlKind::Picture,
         "",
         {312, 672, 6852, 3480},
         {},
         0,
         {},
         left,
         QColor(192, 192, 192)},
        {"",
         "Line1",
         ControlKind::Line,
         "",
         {},
         {},
         1,
         {},
         left,
         {},
         Qt::black,
         {72, 4584, 7380, 4584}},
        {"",
         "Label2",
         ControlKind::Label,
         "Activations of nodes over time",
         {1968, 4824, 3012, 252},
         captionFont,
         0,
         {},
         left,
         QColor(192, 255, 255)},
        {"", "picGraph", ControlKind::Picture, "", {360, 5292, 6804, 3276}},
        {"", "Label3", ControlKind::Label, "TIME", {3276, 8868, 852, 252}},
    };
    return rows;
}

// What a drawing area holds when the window loads: cleared to its back colour, black lines and
// fill, lines one pixel wide, numbers in the window's font.
void resetDrawing(host::PictureArea *area)
{
    area->setForeColor(Qt::black);
    area->setFillColor(Qt::black);
    area->setDrawWidth(1);
    area->setBackColor(area->backColor());
    const QFont font = host::classicFont(host::FontChoice {});
    area->setFontName(font.family());
    area->setFontSize(font.pointSizeF());
}

} // namespace

GraphWindow::GraphWindow(bool &graphOff)
    : host::Form("frmAgraph", "Unit activation graph", 7455, 9330)
    , m_graphOff(graphOff)
{
    // The window and its client area share the back colour.
    host::setColors(this, formBack);
    host::setColors(client(), formBack);
    host::layOut(client(), graphLayout());
    picBargraph = control<host::PictureArea>("picBargraph");
    picGraph = control<host::PictureArea>("picGraph");
    picBargraph->setFillsBoxes(true);
}

void GraphWindow::formLoad()
{
    resetDrawing(picBargraph);
    resetDrawing(picGraph);
    m_barBackColor = picBargraph->backColor();
    m_barFillColor = picBargraph->fillColor();
    m_barForeColor = picBargraph->foreColor();
}

void GraphWindow::formUnload()
{
    m_graphOff = true;
    emit closed();
}

} // namespace sidestop
