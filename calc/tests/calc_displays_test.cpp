// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/unit_list.h"
#include "calc/ui/displays.h"
#include "host/forms/picture_area.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor white(255, 255, 255);
const QColor lit(0, 0, 225);
const QColor switchedOff(255, 255, 225);
const QColor blue(0, 0, 255);

TEST(CalcDisplays, SegmentNamedTwiceEndsSwitchedOff)
{
    std::array<std::unique_ptr<host::PictureArea>, 7> areas;
    calc::SegmentBoxes segments;
    for (size_t i = 0; i < 7; ++i) {
        areas[i] = std::make_unique<host::PictureArea>();
        segments[i] = areas[i].get();
    }
    calc::Network net;
    net.inPatterns = {calc::strToArray("1 3 3 4")};
    calc::showInput(segments, net, 1);
    EXPECT_EQ(areas[0]->backColor(), lit);
    EXPECT_EQ(areas[1]->backColor(), white);
    EXPECT_EQ(areas[2]->backColor(), switchedOff);
    EXPECT_EQ(areas[3]->backColor(), lit);
}

// A weight of magnitude 0.55 fills its cell: numeral 1 is the top row but one.
TEST(CalcDisplays, WeightOfPointFiftyFiveFillsItsCell)
{
    host::PictureArea diagram;
    diagram.resize(390, 635);
    diagram.show();
    diagram.setBackColor(white);
    diagram.setScale(-1, -2, 8, 17);
    calc::Network net;
    net.nInputs = 7;
    net.nOutputs = 16;
    net.weights.assign(16, std::vector<float>(7, 0.0f));
    net.weights[0][2] = -0.55f;
    calc::showWeights(diagram, net);
    EXPECT_EQ(diagram.pixelAt(QPointF(2.5, 1.5)), blue);
    EXPECT_EQ(diagram.pixelAt(QPointF(2.06, 1.06)), blue);
    EXPECT_EQ(diagram.pixelAt(QPointF(2.94, 1.94)), blue);
    EXPECT_EQ(diagram.pixelAt(QPointF(1.5, 1.5)), white);
    EXPECT_EQ(diagram.pixelAt(QPointF(3.5, 1.5)), white);
}

} // namespace
