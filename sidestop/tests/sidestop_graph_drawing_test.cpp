// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/graph_drawing.h"

#include "host/forms/picture_area.h"

#include <gtest/gtest.h>

namespace {

using sidestop::Simulation;
using sidestop::Units;

// A bare drawing area, grey like the bar graph, boxes filled.
struct Display
{
    Display()
    {
        area.resize(400, 300);
        area.show();
        area.setBackColor(Qt::lightGray);
        area.setFillsBoxes(true);
    }
    host::PictureArea area;
};

// Unit 6 (index 5) holds 0.5 through four iterations, the others 0: its curve runs in its own
// colour, and the offset marker stands in the fore colour the area had.
TEST(SidestopGraphDrawing, HistoryCurvesInTheUnitsColoursAndTheOffsetMarker)
{
    Display display;
    Simulation sim;
    Units step {};
    step[5] = 0.5;
    sim.actHistory.assign(4, step);
    sim.extipOff = 3;
    sidestop::drawHistory(display.area, sim);
    EXPECT_EQ(display.area.pixelAt({2.5, 0.5}), sidestop::unitColor(5));
    EXPECT_EQ(display.area.pixelAt({3, 0.8}), QColor(Qt::black));
    EXPECT_EQ(display.area.pixelAt({2.5, 0.8}), QColor(Qt::lightGray));
    EXPECT_EQ(display.area.drawWidth(), 1);
}

// A shrinking bar is erased in the back colour down to its new height; a growing one is drawn
// over the old; an old height that is unknown erases the whole column.
TEST(SidestopGraphDrawing, BarRedrawErasesWhatItShrinksFrom)
{
    Display display;
    Simulation sim;
    sim.net.extip[2] = 0.8;
    sidestop::drawInputBars(display.area, sim);
    ASSERT_EQ(display.area.pixelAt({3, 0.6}), QColor(Qt::black));

    const QColor back = display.area.backColor();
    sidestop::redrawBar(display.area, 2, 0.3f, 0.8f, back);
    EXPECT_EQ(display.area.pixelAt({3, 0.6}), back);
    EXPECT_EQ(display.area.pixelAt({3, 0.15}), sidestop::unitColor(2));

    sidestop::redrawBar(display.area, 2, 0.9f, 0.3f, back);
    EXPECT_EQ(display.area.pixelAt({3, 0.6}), sidestop::unitColor(2));

    sidestop::redrawBar(display.area, 2, 0.1f, std::nullopt, back);
    EXPECT_EQ(display.area.pixelAt({3, 0.6}), back);
}

} // namespace
