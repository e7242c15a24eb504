// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/reach_step.h"

#include <gtest/gtest.h>

#include <cmath>

using reach::Model;
using reach::Switches;

namespace {

struct StepLengthCase
{
    const char *name;
    int16_t slider;
    int16_t step;
};

class StepLength : public testing::TestWithParam<StepLengthCase>
{
};

TEST_P(StepLength, TenthsOfTheSpeedSliderTiesToEven)
{
    EXPECT_EQ(reach::stepLength(GetParam().slider), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Reach, StepLength,
    testing::Values(StepLengthCase {"Ten", 10, 1}, StepLengthCase {"Fourteen", 14, 1},
                    StepLengthCase {"Fifteen", 15, 2}, StepLengthCase {"TwentyFive", 25, 2},
                    StepLengthCase {"TwentySix", 26, 3}, StepLengthCase {"ThirtyFour", 34, 3},
                    StepLengthCase {"ThirtyFive", 35, 4}, StepLengthCase {"Forty", 40, 4}),
    [](const auto &info) { return info.param.name; });

TEST(ReachContinues, HeightLimitIsAFloatSum)
{
    Model model;
    model.targdist = 50;
    model.targety = 0.1f;
    model.handy = 10.1f; // 0.1f + 10 rounds up to 10.1f in float, not in double
    EXPECT_TRUE(reach::reachContinues(model));
    model.handy = std::nextafter(10.1f, 11.0f);
    EXPECT_FALSE(reach::reachContinues(model));
    model.handy = 0;
    model.targdist = std::nextafter(2.0f, 0.0f);
    EXPECT_FALSE(reach::reachContinues(model));
}

Model startUp(float targetx, float targety)
{
    Model model;
    reach::mkcells(model);
    model.cellResp.assign(100, 0.0f);
    model.targResp.assign(100, 0.0f);
    model.targetx = targetx;
    model.targety = targety;
    return model;
}

// Runs a whole reach as the driver does; returns the number of steps, at most 2000.
int reachToTheEnd(Model &model, const Switches &switches, int16_t step)
{
    reach::cellResponse(model, switches);
    int steps = 0;
    for (; reach::reachContinues(model) && steps < 2000; ++steps)
        reach::stepHand(model, switches, step);
    return steps;
}

struct ReachCase
{
    const char *name;
    Switches switches;
    int16_t step;
    float targetx, targety, distractorx, distractory;
    float attnBoost, inhibLevel;
    int steps;
    float handx, handy;
    float tuningWidth = 5; // hsbCelltune / 5
};

class WholeReach : public testing::TestWithParam<ReachCase>
{
};

TEST_P(WholeReach, StepsUntilTheHandStops)
{
    const ReachCase &c = GetParam();
    Model model = startUp(c.targetx, c.targety);
    model.distractorx = c.distractorx;
    model.distractory = c.distractory;
    model.attnBoost = c.attnBoost;
    model.inhibLevel = c.inhibLevel;
    model.tuningWidth = c.tuningWidth;
    EXPECT_EQ(reachToTheEnd(model, c.switches, c.step), c.steps);
    EXPECT_EQ(model.handx, c.handx);
    EXPECT_EQ(model.handy, c.handy);
}

constexpr Switches everySwitch {true, true, true, true, true, true};
constexpr Switches gaussianDistractor {false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Reach, WholeReach,
    testing::Values(
        ReachCase {"StartUpTarget", {}, 2, 22, 98, 0, 0, 1, 1, 51, 22.3358574f, 99.5242462f},
        ReachCase {"StartUpTargetFast", {}, 4, 22, 98, 0, 0, 1, 1, 26, 22.7824078f, 101.473801f},
        ReachCase {"EverySwitch", everySwitch, 2, 22, 98, -28, 98, 1.5f, 0.6f, 51, 22.3335686f,
                   99.5233154f},
        ReachCase {"DistractorPullsPastTheTarget", gaussianDistractor, 3, -32, 48, 28, 98, 1, 1, 20,
                   -6.392313f, 58.1795845f},
        ReachCase {"LevelLeftHeadsLeft", {}, 2, -40, 0, 0, 0, 1, 1, 21, -35.7560806f, 10.0711164f},
        // Fine tuning (hsbCelltune 100), the target low on the left: no cell responds above
        // 0.05, so the hand rises straight up and passes above the target.
        ReachCase {"FineTuningLowLeftRisesAtOnce",
                   {},
                   2,
                   -40,
                   -8,
                   0,
                   0,
                   1,
                   1,
                   2,
                   -0.0108148288f,
                   3.99998546f,
                   20},
        // Fine tuning, the target just below level on the left: cell 100 alone responds, its
        // vector points left and slightly down, and the hand heads left, toward the target.
        ReachCase {"FineTuningCellHundredAloneHeadsLeft",
                   {},
                   2,
                   -40,
                   -2,
                   0,
                   0,
                   1,
                   1,
                   18,
                   -28.0204792f,
                   8.09091091f,
                   20},
        ReachCase {"TargetBelowTakesNoStep", {}, 2, 30, -30, 0, 0, 1, 1, 0, 0, 0}),
    [](const auto &info) { return info.param.name; });

// The population direction may point a little below level (down to -0.0108 in sine), so the
// hand need not rise on every step: every reach over a grid of targets on the hand display
// ends, from coarse to fine tuning, with and without the distractor and lateral inhibition.
TEST(WholeReach, EveryReachOverTheDisplayEndsWithin500Steps)
{
    for (int tuning : {1, 10, 25, 50, 75, 100})
        for (int16_t step : {1, 4})
            for (bool distractor : {false, true})
                for (bool inhibition : {false, true})
                    for (int x = -100; x <= 100; x += 20)
                        for (int y = -50; y <= 200; y += 25) {
                            Model model = startUp(float(x), float(y - 2));
                            model.distractorx = -18; // its place at start-up
                            model.distractory = 98;
                            model.tuningWidth = float(tuning / 5.0);
                            Switches switches;
                            switches.respondToDistractor = distractor;
                            switches.lateralInhibition = inhibition;
                            ASSERT_LE(reachToTheEnd(model, switches, step), 500)
                                << "target " << x << ", " << y - 2 << " tuning " << tuning
                                << " step " << step << " distractor " << distractor
                                << " inhibition " << inhibition;
                        }
}

TEST(WholeReach, EndsWithinAStepOfTheStartUpTarget)
{
    Model model = startUp(22, 98);
    const int16_t step = 2;
    EXPECT_LT(reachToTheEnd(model, {}, step), 2000);
    EXPECT_LT(model.targdist, 2);
    EXPECT_LE(std::hypot(model.handx - 22.0, model.handy - 98.0), 2 + step);
}

} // namespace
