// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/picture_area.h"
#include "reach/ui/cell_plots.h"
#include "reach/ui/hand_display.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using reach::Model;

// Spokes straight to the right and to the left.
constexpr float right = 0.0f;
constexpr float left = 3.1415927f;

// A display of the given scale and pixel size, white with a black pen.
struct Display
{
    Display(double left, double top, double right, double bottom, int pixels = 200)
    {
        area.resize(pixels, pixels);
        area.show();
        area.setBackColor(Qt::white);
        area.setScale(left, top, right, bottom);
        area.setForeColor(Qt::black);
    }
    host::PictureArea area;
};

// A display reaching `reach` units from the origin each way, the origin a little off the
// pixel boundaries so that horizontal spokes fall squarely on a pixel row.
Display around(double reach)
{
    return Display(-1.004 * reach, 1.044 * reach, 0.996 * reach, -0.956 * reach);
}

Model cells(std::vector<float> directions, std::vector<float> responses,
            std::vector<float> targetParts)
{
    Model model;
    model.ncells = int16_t(directions.size());
    model.prefDir = std::move(directions);
    model.cellResp = std::move(responses);
    model.targResp = std::move(targetParts);
    return model;
}

QColor along(const host::PictureArea &area, float direction, double radius)
{
    return area.pixelAt(QPointF(radius * std::cos(direction), radius * std::sin(direction)));
}

TEST(CellPlots, SpokeDrawnOnlyAboveThreshold)
{
    Display display = around(0.025);
    const Model model = cells({right, left}, {0.02f, 0.0201f}, {0.02f, 0.0201f});
    reach::drawSpokes(display.area, model, false);
    EXPECT_EQ(along(display.area, right, 0.01), QColor(Qt::white));
    EXPECT_EQ(along(display.area, left, 0.01), QColor(Qt::black));
}

struct ShareCase
{
    const char *name;
    float targetPart, response;
    QColor colour;
};

class TargetShareColour : public testing::TestWithParam<ShareCase>
{
};

TEST_P(TargetShareColour, RedForTheTargetBlueForTheRest)
{
    const ShareCase &c = GetParam();
    EXPECT_EQ(reach::targetShareColour(c.targetPart, c.response), c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    Shares, TargetShareColour,
    testing::Values(ShareCase {"TargetOnly", 0.8f, 0.8f, QColor(255, 0, 0)},
                    ShareCase {"ThreeTenths", 0.3f, 1.0f, QColor(76, 0, 179)},
                    ShareCase {"HalfRoundsDown", 0.25f, 0.5f, QColor(127, 0, 128)},
                    ShareCase {"DistractorOnly", 0.0f, 0.6f, QColor(0, 0, 255)},
                    // Suppression can leave less response than the target drives.
                    ShareCase {"SuppressedBelowTargetPart", 0.9f, 0.3f, QColor(255, 0, 0)}),
    [](const testing::TestParamInfo<ShareCase> &info) { return info.param.name; });

TEST(CellPlots, ColourCodeColoursEachSpokeByItsCell)
{
    Display display = around(1);
    const Model model = cells({right, left}, {0.8f, 0.8f}, {0.8f, 0.24f});
    reach::drawSpokes(display.area, model, true);
    EXPECT_EQ(along(display.area, right, 0.5), QColor(255, 0, 0));
    EXPECT_EQ(along(display.area, left, 0.5), QColor(76, 0, 179));
}

// The cell display's own scale and size: bars a spacing of 4 / 102 apart, cell 1 rightmost.
TEST(CellPlots, BarsRunFromRightToLeftOnePerCell)
{
    Display display(-2, 2, 2, -1, 360);
    Model model = cells(std::vector<float>(100, 1.0f), std::vector<float>(100, 0.0f),
                        std::vector<float>(100, 0.0f));
    model.cellResp[0] = 1.0f;
    model.cellResp[99] = 0.5f;
    model.cellResp[49] = 0.02f;
    const float spacing = float(4.0 / 102);
    reach::drawBars(display.area, model, 2, spacing, false);

    const double cell1 = 2 - spacing;
    EXPECT_EQ(display.area.pixelAt(QPointF(cell1, 0.9)), QColor(Qt::black));
    EXPECT_EQ(display.area.pixelAt(QPointF(cell1, 1.2)), QColor(Qt::white));
    const double cell100 = 2 - 100 * double(spacing);
    EXPECT_EQ(display.area.pixelAt(QPointF(cell100, 0.4)), QColor(Qt::black));
    EXPECT_EQ(display.area.pixelAt(QPointF(cell100, 0.6)), QColor(Qt::white));
    // Cell 50 at the threshold leaves its place empty.
    EXPECT_EQ(display.area.pixelAt(QPointF(2 - 50 * double(spacing), 0.01)), QColor(Qt::white));
}

TEST(CellPlots, ShortArraysAreNeverReadPastTheirEnd)
{
    Display display = around(1);
    Model model = cells({right, left}, {0.8f}, {0.8f});
    reach::drawSpokes(display.area, model, true);
    reach::drawBars(display.area, model, 1, 0.1f, true);
    EXPECT_EQ(along(display.area, right, 0.5), QColor(255, 0, 0));
    EXPECT_EQ(along(display.area, left, 0.5), QColor(Qt::white));
}

// The hand display's scale: the baseline, and a reach's path drawn step by step as the core
// makes it, from the origin.
TEST(HandDisplay, PathFollowsTheReachStepByStep)
{
    Display display(-100, 200, 100, -50, 400);
    reach::drawBaseline(display.area);
    reach::ReachCore core;
    core.startUp();
    reach::ReachCallbacks callbacks;
    callbacks.reachStarts = [&display] { display.area.setCurrentPoint(QPointF(0, 0)); };
    callbacks.drawStep = [&] { reach::drawLatestStep(display.area, core); };
    core.reach(20, {}, callbacks);
    EXPECT_EQ(display.area.pixelAt(QPointF(-80, 0)), QColor(Qt::black));
    // Halfway along early, middle and last steps.
    for (std::size_t at : {std::size_t(10), std::size_t(25), core.handPath.size() - 1}) {
        const reach::PathPoint &from = core.handPath[at - 1], &to = core.handPath[at];
        EXPECT_EQ(display.area.pixelAt(QPointF((from.x + to.x) / 2, (from.y + to.y) / 2)),
                  QColor(Qt::black))
            << at;
    }
    EXPECT_EQ(display.area.pixelAt(QPointF(-50, 100)), QColor(Qt::white));
}

} // namespace
