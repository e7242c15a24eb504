// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/fault.h"
#include "reach/model/reach_core.h"
#include "reach/model/state.h"

#include <gtest/gtest.h>

namespace {

using reach::ReachCore;

ReachCore startedUp()
{
    ReachCore core;
    core.startUp();
    core.cellResponse({});
    return core;
}

// The start-up reach as REACH makes it (speed slider 20): 51 steps toward (22, 98), every
// step drawn and paused after, the path recorded from step 0.
TEST(ReachCore, StartUpReachWithoutAWindow)
{
    ReachCore core = startedUp();
    int drawn = 0, starts = 0;
    std::vector<int> pauses;
    reach::ReachCallbacks callbacks;
    callbacks.reachStarts = [&] { ++starts; };
    callbacks.drawStep = [&] { ++drawn; };
    callbacks.pause = [&](int steps) { pauses.push_back(steps); };
    EXPECT_EQ(core.reach(20, {}, callbacks), 51);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(drawn, 51);
    ASSERT_EQ(pauses.size(), 51u);
    EXPECT_EQ(pauses.front(), 0);
    EXPECT_EQ(pauses.back(), 50);
    EXPECT_EQ(core.step, 2);
    EXPECT_EQ(core.model.handx, 22.3358574f);
    EXPECT_EQ(core.model.handy, 99.5242462f);
    ASSERT_EQ(core.handPath.size(), 52u);
    EXPECT_EQ(core.handPath.front().step, 0);
    EXPECT_EQ(core.handPath.back().step, 51);
    EXPECT_EQ(core.handPath.back().reach, 1);
    EXPECT_EQ(core.handPath.back().x, core.model.handx);

    const host::StateRegistry state = reach::stateRegistry(core);
    EXPECT_EQ(stateText(*state.find("step")), "2");
    EXPECT_EQ(stateText(*state.find("handx")), "22.335857");
    EXPECT_EQ(stateText(*state.find("moving_things")), "false");
}

TEST(ReachCore, FarTargetStopsAtTheStepLimitAndStopAskedEndsEarly)
{
    ReachCore far = startedUp();
    far.placeThing(true, -2, 20002);
    EXPECT_THROW(far.reach(10, {}), host::Fault);
    EXPECT_EQ(far.handPath.size(), std::size_t(ReachCore::maxReachSteps) + 1);

    ReachCore stopped = startedUp();
    reach::ReachCallbacks callbacks;
    callbacks.stopAsked = [&stopped] { return stopped.handPath.size() == 6; };
    EXPECT_EQ(stopped.reach(20, {}, callbacks), 5);
}

// "Near Right" from the Simulations menu: the distractor at each other preset in turn, the
// hand home after each reach.
TEST(ReachCore, SeriesReachesFromHomeWithTheDistractorAtEachOtherPreset)
{
    ReachCore core = startedUp();
    std::vector<bool> placed;
    int homes = 0;
    reach::ReachCallbacks callbacks;
    callbacks.placed = [&](bool isTarget, reach::Corner) { placed.push_back(isTarget); };
    callbacks.handAtOrigin = [&] { ++homes; };
    core.reachSeries(0, 20, {}, callbacks);
    EXPECT_EQ(placed, (std::vector<bool> {true, false, false, false}));
    EXPECT_EQ(homes, 3);
    EXPECT_EQ(core.pathReaches, 3);
    EXPECT_EQ(core.model.targetx, 32);
    EXPECT_EQ(core.model.distractorx, -28);
    EXPECT_EQ(core.model.distractory, 98);
    EXPECT_EQ(core.model.handy, 0);
}

// The sliders' ranges bound what the registry takes; a refused value changes nothing.
TEST(ReachCore, RegistryRefusesValuesNoSliderGives)
{
    ReachCore core = startedUp();
    const host::StateRegistry state = reach::stateRegistry(core);
    for (const auto &[name, value] : {std::pair {"tuningWidth", 25.0},
                                      {"tuningWidth", 0.0},
                                      {"attnBoost", 0.5},
                                      {"inhibLevel", 1.5}})
        EXPECT_THROW(state.write({{name, std::vector<double> {value}}}), host::Fault) << name;
    EXPECT_EQ(core.model.tuningWidth, 5);
    state.write(
        {{"tuningWidth", std::vector<double> {20}}, {"inhibLevel", std::vector<double> {0}}});
    EXPECT_EQ(core.model.tuningWidth, 20);
    EXPECT_EQ(core.model.inhibLevel, 0);
}

} // namespace
