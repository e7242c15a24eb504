// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/population.h"

#include "host/numbers/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using reach::Model;
using reach::Switches;

namespace {

Model startUp()
{
    Model model;
    reach::mkcells(model);
    model.cellResp.assign(100, 0.0f);
    model.targResp.assign(100, 0.0f);
    return model;
}

// Straight up and 0.2 rad either side of it.
Model threeCells()
{
    Model model;
    model.ncells = 3;
    model.prefDir = {1.57350004f, 1.77350008f, 1.37349999f};
    model.cellResp.assign(3, 0.0f);
    model.targResp.assign(3, 0.0f);
    return model;
}

TEST(Cells, CoverTheHalfTurnInFloatSteps)
{
    Model model = startUp();
    ASSERT_EQ(model.ncells, 100);
    ASSERT_EQ(model.prefDir.size(), 100u);
    EXPECT_EQ(model.prefDir[0], 0.03147f);
    EXPECT_EQ(model.prefDir[49], 1.5735011f);
    EXPECT_EQ(model.prefDir[99], 3.1470041f);
}

struct GeometryCase
{
    const char *name;
    float handx, handy, x, y;
    float dx, dy, distance, direction;
};

class Geometry : public testing::TestWithParam<GeometryCase>
{
};

TEST_P(Geometry, TargetAndDistractorSeenFromTheHand)
{
    const GeometryCase &c = GetParam();
    Model model = startUp();
    model.handx = c.handx;
    model.handy = c.handy;
    model.targetx = model.distractorx = c.x;
    model.targety = model.distractory = c.y;
    Switches switches;
    switches.respondToDistractor = true;
    reach::cellResponse(model, switches);
    EXPECT_EQ(model.txdist, c.dx);
    EXPECT_EQ(model.tydist, c.dy);
    EXPECT_EQ(model.targdist, c.distance);
    EXPECT_EQ(model.targdir, c.direction);
    EXPECT_EQ(model.dxdist, c.dx);
    EXPECT_EQ(model.dydist, c.dy);
    EXPECT_EQ(model.tractordist, c.distance);
    EXPECT_EQ(model.distdir, c.direction);
}

INSTANTIATE_TEST_SUITE_P(
    Population, Geometry,
    testing::Values(GeometryCase {"StraightAbove", 0, 0, 0, 50, 0, 50, 50, 1.57350004f},
                    GeometryCase {"StraightBelow", 0, 0, 0, -30, 0, -30, 30, 4.72049999f},
                    GeometryCase {"HandOnTarget", 22, 98, 22, 98, 0, 0, 0, 1.57350004f},
                    GeometryCase {"BelowRightStaysNegative", 0, 0, 30, -30, 30, -30, 42.4264069f,
                                  -0.785398185f},
                    GeometryCase {"AboveLeft", 0, 0, -30, 30, -30, 30, 42.4264069f, 2.36160183f},
                    GeometryCase {"BelowLeft", 0, 0, -30, -30, -30, -30, 42.4264069f, 3.93239808f},
                    GeometryCase {"LevelLeftIsTheHalfTurn", 0, 0, -40, 0, -40, 0, 40, 3.147f},
                    GeometryCase {"LevelRight", 0, 0, 40, 0, 40, 0, 40, 0},
                    GeometryCase {"MovedHand", 1.5f, -2.25f, -7.75f, 60.5f, -9.25f, 62.75f,
                                  63.4281082f, 1.72255993f}),
    [](const auto &info) { return info.param.name; });

TEST(Geometry, DistractorKeptWhileNotRespondedTo)
{
    Model model = startUp();
    model.distractory = 50;
    Switches switches;
    switches.respondToDistractor = true;
    reach::cellResponse(model, switches);
    model.distractorx = -30;
    switches.respondToDistractor = false;
    reach::cellResponse(model, switches);
    EXPECT_EQ(model.dxdist, 0);
    EXPECT_EQ(model.distdir, 1.57350004f);
}

struct ResponseCase
{
    const char *name;
    Switches switches;
    float attnBoost, inhibLevel, targety, distractory;
    float peak, offPeak; // the cell straight up, the two 0.2 rad from it
};

class Responses : public testing::TestWithParam<ResponseCase>
{
};

TEST_P(Responses, OfCellsAroundStraightUp)
{
    const ResponseCase &c = GetParam();
    Model model = threeCells();
    model.attnBoost = c.attnBoost;
    model.inhibLevel = c.inhibLevel;
    model.targety = c.targety;
    model.distractory = c.distractory;
    reach::cellResponse(model, c.switches);
    EXPECT_EQ(model.cellResp[0], c.peak);
    EXPECT_EQ(model.cellResp[1], c.offPeak);
    EXPECT_EQ(model.cellResp[2], c.offPeak);
}

constexpr Switches gaussian {false};
constexpr Switches byDistance {true, true};
constexpr Switches seeDistractor {true, false, true};
constexpr Switches seeDistractorByDistance {true, true, true};
constexpr Switches suppressDistractor {true, false, true, true};

INSTANTIATE_TEST_SUITE_P(
    Population, Responses,
    testing::Values(
        ResponseCase {"Exponential", {}, 1, 1, 50, 0, 1, 0.367879361f},
        ResponseCase {"Gaussian", gaussian, 1, 1, 50, 0, 1, 0.818730652f},
        ResponseCase {"AttentionDoubles", {}, 2, 1, 50, 0, 2, 0.735758722f},
        ResponseCase {"Distance10", byDistance, 1, 1, 10, 0, 0.925000012f, 0.340288401f},
        ResponseCase {"Distance50", byDistance, 1, 1, 50, 0, 0.625f, 0.229924589f},
        ResponseCase {"Distance150", byDistance, 1, 1, 150, 0, 0.25f, 0.0919698402f},
        ResponseCase {"DistractorAdds", seeDistractor, 1, 1, 100, 50, 2, 0.735758722f},
        ResponseCase {"DistractorByItsOwnDistance", seeDistractorByDistance, 1, 1, 100, 50, 0.875f,
                      0.321894437f},
        ResponseCase {"FullSuppressionCancels", suppressDistractor, 1, 1, 50, 50, 0, 0},
        ResponseCase {"HalfSuppression", suppressDistractor, 1, 0.5f, 50, 50, 0.5f, 0.18393968f},
        ResponseCase {"NoSuppressionLevel", suppressDistractor, 1, 0, 50, 50, 1, 0.367879361f}),
    [](const auto &info) { return info.param.name; });

TEST(Responses, ColourCodeKeepsTheTargetPart)
{
    Model model = threeCells();
    model.targety = model.distractory = 50;
    model.attnBoost = 1.5f;
    model.targResp = {7, 7, 7};
    Switches switches = suppressDistractor;
    reach::cellResponse(model, switches);
    EXPECT_EQ(model.targResp, std::vector<float>(3, 7));
    switches.colourCode = true;
    reach::cellResponse(model, switches);
    EXPECT_EQ(model.targResp, (std::vector<float> {1.5f, 0.551819026f, 0.551819026f}));
}

struct InhibitionCase
{
    const char *name;
    std::vector<std::pair<int, int>> filledCells; // first and last cell, inclusive
    float value;
    int firstChecked;
    std::vector<float> expected; // cells firstChecked, firstChecked + 1, ...
};

class LateralInhibition : public testing::TestWithParam<InhibitionCase>
{
};

TEST_P(LateralInhibition, OneSynchronousPass)
{
    const InhibitionCase &c = GetParam();
    Model model = startUp();
    for (auto [first, last] : c.filledCells)
        for (int i = first; i <= last; ++i)
            model.cellResp[i - 1] = c.value;
    reach::lateralInhibition(model);
    const auto checked = model.cellResp.begin() + (c.firstChecked - 1);
    EXPECT_EQ(std::vector<float>(checked, checked + c.expected.size()), c.expected);
    for (float response : model.cellResp) {
        EXPECT_GE(response, 0);
        EXPECT_LE(response, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Population, LateralInhibition,
    testing::Values(
        InhibitionCase {"Spike",
                        {{50, 50}},
                        1,
                        45,
                        {0, 0.0549999997f, 0.0549999997f, 0.0549999997f, 0.0549999997f, 1.05499995f,
                         0.0549999997f, 0.0549999997f, 0.0549999997f, 0.0549999997f, 0}},
        InhibitionCase {"BottomEdgeSumsFewerNeighbours",
                        {{1, 9}, {92, 100}},
                        1,
                        1,
                        {0.625f, 0.730000019f, 0.834999979f, 0.939999998f, 1.04499996f,
                         0.939999998f, 0.834999979f, 0.730000019f, 0.625f, 0}},
        InhibitionCase {"TopEdgeSumsFewerNeighbours",
                        {{1, 9}, {92, 100}},
                        1,
                        91,
                        {0, 0.625f, 0.730000019f, 0.834999979f, 0.939999998f, 1.04499996f,
                         0.939999998f, 0.834999979f, 0.730000019f, 0.625f}},
        InhibitionCase {
            "ClippedAtTwoAndZero", {{47, 55}}, 2, 46, {0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0}}),
    [](const auto &info) { return info.param.name; });

struct ResultantCase
{
    const char *name;
    std::vector<std::pair<int, float>> responses; // cell, response; all others 0
    float direction;
};

class Resultant : public testing::TestWithParam<ResultantCase>
{
};

TEST_P(Resultant, PopulationVectorDirection)
{
    Model model = startUp();
    for (auto [cell, response] : GetParam().responses)
        model.cellResp[cell - 1] = response;
    EXPECT_EQ(reach::resultant(model), GetParam().direction);
}

INSTANTIATE_TEST_SUITE_P(
    Population, Resultant,
    testing::Values(ResultantCase {"NoResponseIsStraightUp", {}, 1.57350004f},
                    ResultantCase {"AtThresholdIsIgnored",
                                   {{10, 0.05f}, {50, 0.05f}, {90, 0.05f}},
                                   1.57350004f},
                    ResultantCase {"CellOne", {{1, 1}}, 0.03147f},
                    ResultantCase {"CellFiftySeesTheShortHalfTurn", {{50, 1}}, 1.57890844f},
                    // Cell 100 alone points left and slightly down: the arctangent is just
                    // above 0 (0.0054115), and the half-turn still turns it to the left.
                    ResultantCase {"CellHundredAloneStillPointsLeft", {{100, 1}}, 3.15241146f},
                    ResultantCase {"LeftAndUpGetsTheHalfTurn", {{99, 1}, {100, 0.5f}}, 3.1314311f},
                    ResultantCase {"SymmetricPair", {{25, 1}, {75, 1}}, 1.57890856f},
                    ResultantCase {"JustAboveThresholdCounts",
                                   {{25, 1}, {75, 1}, {10, 0.0500000045f}},
                                   1.54018176f},
                    ResultantCase {"Weighted", {{10, 0.5f}, {60, 2}}, 1.64847195f}),
    [](const auto &info) { return info.param.name; });

// The population vector reads the cosines and sines of the directions as they are now, also
// after the directions are written anew (as automation may write prefDir).
TEST(WholePopulation, ResultantFollowsChangedDirections)
{
    Model model = startUp();
    model.cellResp[0] = 1;
    EXPECT_EQ(reach::resultant(model), 0.03147f);
    model.prefDir[0] = 1;
    EXPECT_NEAR(reach::resultant(model), 1, 1e-6);
    model.prefDir[0] = 0.03147f;
    EXPECT_EQ(reach::resultant(model), 0.03147f);
}

TEST(WholePopulation, StartUpTargetOnly)
{
    Model model = startUp();
    model.targetx = 22;
    model.targety = 98;
    reach::cellResponse(model, {});
    EXPECT_EQ(model.cellResp[0], 0.00137062557f);
    EXPECT_EQ(model.cellResp[42], 0.983915329f);
    EXPECT_EQ(model.cellResp[43], 0.840661883f);
    EXPECT_EQ(model.cellResp[99], 0.000125252031f);
    EXPECT_EQ(reach::resultant(model), 1.34807193f);
}

TEST(WholePopulation, EverySwitchOn)
{
    Model model = startUp();
    model.targetx = 22;
    model.targety = 98;
    model.distractorx = -28;
    model.distractory = 98;
    model.attnBoost = 1.5f;
    model.inhibLevel = 0.6f;
    reach::cellResponse(model, {true, true, true, true, true, true});
    EXPECT_EQ(model.distdir, 1.85450327f);
    EXPECT_EQ(model.tractordist, 101.921539f);
    EXPECT_EQ(model.targResp[39], 0.237719297f);
    EXPECT_EQ(model.cellResp[39], 0.25521031f);
    EXPECT_EQ(model.cellResp[42], 0.40313828f);
    EXPECT_EQ(model.cellResp[49], 0);
    EXPECT_EQ(reach::resultant(model), 1.33622634f);
}

TEST(Faults, CellArraysTooShortOrTooManyCellsChangeNothing)
{
    Model shortArray = startUp();
    shortArray.targResp.resize(99);
    Model tooManyCells = startUp();
    tooManyCells.ncells = 101;
    tooManyCells.prefDir.resize(101);
    tooManyCells.cellResp.resize(101);
    tooManyCells.targResp.resize(101);
    constexpr Switches inhibit {true, false, false, false, false, true};
    for (Model *model : {&shortArray, &tooManyCells}) {
        model->targety = 50;
        EXPECT_THROW(reach::cellResponse(*model, inhibit), host::Fault);
        EXPECT_EQ(model->tydist, 0);
        EXPECT_EQ(model->cellResp[0], 0);
    }
    EXPECT_THROW(reach::resultant(shortArray), host::Fault);
}

} // namespace
