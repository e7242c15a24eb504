// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sensory map drawn on a bare picture area of the window's map size and scale.

#include "host/forms/controls.h"
#include "host/forms/picture_area.h"
#include "somatomap/ui/map_display.h"

#include <gtest/gtest.h>

namespace somatomap {
namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor paleGrey(224, 224, 224);

class MapDisplay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        area.resize(host::twipsToPixels(4290), host::twipsToPixels(4350));
        area.show();
        area.setBackColor(paleGrey);
        area.setScale(0, 20, 20, 0);
        area.cls();
        map.smapAct = {};
    }

    // How many runs of the colour the image row through a user y crosses.
    int runsOf(QColor colour, double userY)
    {
        const QImage &image = area.image();
        const int row
            = int(area.scale().toDevice(QPointF(0, userY)).y() * image.devicePixelRatio());
        int runs = 0;
        for (int x = 0; x < image.width(); ++x) {
            const bool inRun = image.pixelColor(x, row) == colour;
            runs += inRun && (x == 0 || image.pixelColor(x - 1, row) != colour) ? 1 : 0;
        }
        return runs;
    }

    host::PictureArea area;
    SensoryMap map;
};

TEST_F(MapDisplay, SquaresHaveTheActivationAsTheirSide)
{
    map.act(2, 1) = 0.25f;
    map.act(3, 1) = 1.0f;
    map.act(4, 1) = -0.1f;
    drawResponse(area, map, false, red);
    EXPECT_EQ(area.pixelAt(QPointF(0.5, 0.5)), paleGrey) << "activation 0 shows nothing";
    EXPECT_EQ(area.pixelAt(QPointF(3.5, 0.5)), paleGrey) << "a negative activation neither";
    EXPECT_EQ(area.pixelAt(QPointF(1.5, 0.5)), red) << "a quarter square in the middle";
    EXPECT_EQ(area.pixelAt(QPointF(1.5 + 0.2, 0.5)), paleGrey);
    EXPECT_EQ(area.pixelAt(QPointF(1.5, 0.5 - 0.2)), paleGrey);
    for (QPointF corner : {QPointF(2.05, 0.05), QPointF(2.95, 0.95), QPointF(2.05, 0.95)})
        EXPECT_EQ(area.pixelAt(corner), red) << "activation 1 covers its whole cell";

    // Drawn over without clearing, in another colour; the squares of before stay.
    map.smapAct = {};
    map.act(3, 1) = 0.5f;
    drawResponse(area, map, true, QColor(0, 0, 255));
    EXPECT_EQ(area.pixelAt(QPointF(2.5, 0.5)), QColor(0, 0, 255));
    EXPECT_EQ(area.pixelAt(QPointF(2.5 + 0.4, 0.5)), red);
    EXPECT_EQ(area.pixelAt(QPointF(1.5, 0.5)), red);
}

TEST_F(MapDisplay, WinnerFillsItsCellInRedOnAClearedGrid)
{
    map.act(5, 7) = 0.5f;
    drawResponse(area, map, false, red);
    map.smapAct = {};
    drawWinner(area, 5, 7);
    for (QPointF inside : {QPointF(4.05, 6.05), QPointF(4.5, 6.5), QPointF(4.95, 6.95)})
        EXPECT_EQ(area.pixelAt(inside), red);
    EXPECT_EQ(area.pixelAt(QPointF(5.5, 6.5)), paleGrey);
    EXPECT_EQ(area.pixelAt(QPointF(4.5, 7.5)), paleGrey);
    EXPECT_EQ(runsOf(green, 10.5), 19);
}

} // namespace
} // namespace somatomap
