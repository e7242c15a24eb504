// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core driven without a window: whole-hand runs with their hooks, and the state registry
// that automation's `var` prints.

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/random.h"
#include "somatomap/model/core.h"
#include "somatomap/model/state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace somatomap {
namespace {

// What a run showed through its hooks.
struct Shown
{
    std::vector<int> trials, radii;
    std::vector<std::string> errors;
    int starts = 0, ends = 0, faults = 0, yields = 0;
};

// A core as the program starts it with a clock frozen at 3600, Map Active off as a run sets
// it, and hooks that record what the run shows. onYield runs in the yield of each trial.
class SomatomapCore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host::setRandomState(host::startUpRandomState);
        host::freezeClock(3600);
        core.load();
        core.settings.mapActive = [] { return false; };
        core.hooks.showTrial = [this](int t) { shown.trials.push_back(t); };
        core.hooks.showRadius = [this](int r) { shown.radii.push_back(r); };
        core.hooks.trialEnded = [this](float e) { shown.errors.push_back(host::floatText(e)); };
        core.hooks.runStarts = [this] { ++shown.starts; };
        core.hooks.runEnds = [this] { ++shown.ends; };
        core.hooks.reportFault = [this](const host::Fault &) { ++shown.faults; };
        core.hooks.yield = [this] {
            ++shown.yields;
            return onYield ? onYield(shown.yields) : true;
        };
    }
    void TearDown() override { host::thawClock(); }

    std::string var(const char *name) { return host::stateText(*registry.find(name)); }

    Core core;
    host::StateRegistry registry = stateRegistry(core);
    Shown shown;
    std::function<bool(int yield)> onYield;
};

// The defaults: 10 trials from radius 3, the radius shown at trials 3, 6 and 9. Straight
// after start-up the activation map is all 0, so the error is the mismatch alone.
TEST_F(SomatomapCore, DefaultRunFromStartUpGivesTheKnownErrors)
{
    core.learnWholeHand();
    EXPECT_EQ(shown.trials, (std::vector<int> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(shown.radii, (std::vector<int> {2, 1, 0}));
    ASSERT_EQ(shown.errors.size(), 10u);
    EXPECT_EQ(shown.errors.back(), "7.70573");
    EXPECT_EQ(var("error"), "184.93753");
    EXPECT_EQ(var("StopLearning"), "false");
    EXPECT_EQ(shown.starts, 1);
    EXPECT_EQ(shown.ends, 1);
}

// Abort pressed while trial 3 runs is seen at the start of trial 4, after a default run as
// the run's script makes it; the next run clears it.
TEST_F(SomatomapCore, AbortEndsTheRunAtTheNextTrial)
{
    core.learnWholeHand();
    shown = {};
    core.settings.numTrialsText = [] { return std::string("8"); };
    onYield = [this](int yield) {
        if (yield == 4)
            core.abort();
        return true;
    };
    core.learnWholeHand();
    EXPECT_EQ(shown.trials.back(), 4);
    EXPECT_EQ(shown.errors.size(), 3u);
    EXPECT_EQ(shown.errors.back(), "0.4305865");
    EXPECT_EQ(var("StopLearning"), "true");
    EXPECT_EQ(shown.ends, 1);

    onYield = {};
    core.settings.numTrialsText = [] { return std::string("0"); };
    core.learnWholeHand();
    EXPECT_EQ(var("StopLearning"), "false");
    EXPECT_EQ(shown.ends, 2);
    EXPECT_EQ(shown.trials.size(), 4u); // no trials: nothing shown
}

// A window that closes during a run is left alone; a refused step is reported once and ends
// the run as Abort does; a plan the boxes cannot keep is refused before the run starts.
TEST_F(SomatomapCore, RunsEndWithoutTheirLoopGoingOn)
{
    onYield = [](int yield) { return yield < 2; };
    core.learnWholeHand();
    EXPECT_EQ(shown.trials, (std::vector<int> {1, 2}));
    EXPECT_EQ(shown.ends, 0);

    onYield = {};
    for (auto &row : core.map.smapAct)
        row.fill(1); // every step has strength, so the rate acts
    // A rate a float holds, but too large for the weights it moves.
    core.settings.lrateText = [] { return "3" + std::string(38, '0'); };
    core.learnWholeHand();
    EXPECT_EQ(shown.faults, 1);
    EXPECT_EQ(var("StopLearning"), "true");
    EXPECT_EQ(shown.ends, 1);

    core.settings.peakradText = [] { return std::string("0"); };
    EXPECT_THROW(core.learnWholeHand(), host::Fault);
    EXPECT_EQ(shown.starts, 2);
}

// The registry reads and writes the core's own state under the names `var` prints.
TEST_F(SomatomapCore, RegistryHoldsTheRunStateAndRefusesAnUnknownRegion)
{
    core.touch(7);
    EXPECT_EQ(var("part_touched"), "7");
    EXPECT_EQ(var("palmXval"), "3");
    EXPECT_EQ(var("IpSums").substr(0, 6), "6 6 6 ");
    registry.write({{"part_touched", std::vector<double> {-1}}});
    EXPECT_EQ(core.partTouched, -1);
    EXPECT_THROW(registry.write({{"part_touched", std::vector<double> {24}}}), host::Fault);
    EXPECT_THROW(registry.write({{"palmYval", std::vector<double> {3}}}), host::Fault);
    EXPECT_EQ(core.partTouched, -1);
}

} // namespace
} // namespace somatomap
