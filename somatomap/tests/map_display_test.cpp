// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/picture_area.h"
#include "somatomap/ui/map_display.h"

#include <gtest/gtest.h>

namespace {

using somatomap::SensoryMap;

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);

// A bare picture area with the map's scale: 20 x 20 unit cells, y upwards.
struct Display
{
    Display()
    {
        area.resize(200, 200);
        area.show();
        area.setBackColor(Qt::white);
        area.setScale(0, 20, 20, 0);
    }
    host::PictureArea area;
};

TEST(MapDisplay, ResponseSquaresHaveTheActivationAsTheirSide)
{
    Display display;
    SensoryMap map;
    map.act(2, 1) = 0.5f;
    map.act(3, 1) = -0.5f;
    somatomap::drawResponse(display.area, map, false, red);
    EXPECT_EQ(display.area.pixelAt(QPointF(1.5, 0.5)), red);
    EXPECT_EQ(display.area.pixelAt(QPointF(1.5 + 0.35, 0.5)), QColor(Qt::white));
    EXPECT_EQ(display.area.pixelAt(QPointF(2.5, 0.5)), QColor(Qt::white)) << "below 0: nothing";
    EXPECT_EQ(display.area.pixelAt(QPointF(1.0, 10.5)), green) << "the cleared grid";

    // Drawn over, the squares of before stay; on a cleared grid they go.
    map.act(2, 1) = 0;
    map.act(5, 5) = 1;
    somatomap::drawResponse(display.area, map, true, blue);
    EXPECT_EQ(display.area.pixelAt(QPointF(1.5, 0.5)), red);
    EXPECT_EQ(display.area.pixelAt(QPointF(4.5, 4.5)), blue);
    somatomap::drawResponse(display.area, map, false, blue);
    EXPECT_EQ(display.area.pixelAt(QPointF(1.5, 0.5)), QColor(Qt::white));
}

TEST(MapDisplay, WinnerFillsItsCellOnACleanGrid)
{
    Display display;
    SensoryMap map;
    map.act(1, 1) = 1;
    somatomap::drawResponse(display.area, map, false, blue);
    somatomap::drawWinner(display.area, 20, 20);
    EXPECT_EQ(display.area.pixelAt(QPointF(19.5, 19.5)), red);
    EXPECT_EQ(display.area.pixelAt(QPointF(18.5, 19.5)), QColor(Qt::white));
    EXPECT_EQ(display.area.pixelAt(QPointF(0.5, 0.5)), QColor(Qt::white));
}

} // namespace
