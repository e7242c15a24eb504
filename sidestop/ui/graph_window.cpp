// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graph window: where its labels, drawing areas and separator sit (twips of the client
// area), and what its load and close do.

#include "sidestop/ui/graph_window.h"

#include "host/forms/layout_table.h"
#include "sidestop/ui/graph_drawing.h"

#include "host/forms/controls.h"
#include "host/forms/picture_area.h"

namespace sidestop {

namespace {

const QColor formBack(128, 128, 255);

using host::ControlKind;
using host::ControlRow;

constexpr host::FontChoice captionFont {"MS Sans Serif", 9.75};
// A caption above one of the two graphs.
ControlRow graphCaption(const char *name, const char *text, QRect twips, QColor back)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .caption = text,
            .twips = twips,
            .font = captionFont,
            .backColor = back};
}

const std::vector<ControlRow> &graphLayout()
{
    static const std::vector<ControlRow> rows {
        graphCaption("Label1", "External Input Levels", {1764, 240, 3420, 252},
                     QColor(255, 255, 255)),
        ControlRow {.name = "picBargraph",
                    .kind = ControlKind::Picture,
                    .twips = {312, 672, 6852, 3480},
                    .backColor = QColor(192, 192, 192)},
        ControlRow {.name = "Line1",
                    .kind = ControlKind::Line,
                    .value = 1,
                    .foreColor = Qt::black,
                    .lineTwips = {72, 4584, 7380, 4584}},
        graphCaption("Label2", "Activations of nodes over time", {1968, 4824, 3012, 252},
                     QColor(192, 255, 255)),
        ControlRow {
            .name = "picGraph", .kind = ControlKind::Picture, .twips = {360, 5292, 6804, 3276}},
        ControlRow {.name = "Label3",
                    .kind = ControlKind::Label,
                    .caption = "TIME",
                    .twips = {3276, 8868, 852, 252}},
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

void GraphWindow::paint(host::PictureArea *area, const std::function<void(host::Canvas &)> &drawing)
{
    host::touch(area);
    drawing(*area);
    area->refresh();
}

void GraphWindow::showInputBars(const Simulation &sim)
{
    paint(picBargraph, [&sim](host::Canvas &canvas) { drawInputBars(canvas, sim); });
}

void GraphWindow::showTimeAxes(const Simulation &sim)
{
    paint(picGraph, [&sim](host::Canvas &canvas) { drawTimeAxes(canvas, sim); });
}

void GraphWindow::showHistory(const Simulation &sim)
{
    paint(picGraph, [&sim](host::Canvas &canvas) { drawHistory(canvas, sim); });
}

void GraphWindow::showBarChange(int unit, float level, std::optional<float> shownBefore)
{
    // The back colour is the one the bar graph had at load, which touching it may do now.
    paint(picBargraph, [&](host::Canvas &canvas) {
        redrawBar(canvas, unit, level, shownBefore, m_barBackColor);
    });
}

void GraphWindow::restoreBarColors()
{
    host::touch(picBargraph);
    picBargraph->setForeColor(m_barForeColor);
    picBargraph->setFillColor(m_barFillColor);
}

} // namespace sidestop
