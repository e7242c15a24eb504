// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/run_driver.h"
#include "sidestop/model/state.h"

#include "host/numbers/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using host::Fault;
using sidestop::InhibitionRule;
using sidestop::RunTexts;
using sidestop::Simulation;
using sidestop::Units;

namespace {

// Without weights and noise every activation is its input, narrowed to a float and clamped,
// so a unit's history shows exactly which input each iteration saw.
double seen(double input) { return double(float(input)); }

struct TimingCase
{
    const char *name;
    int16_t extipOff;
    bool ramp;
    std::vector<double> unitOneHistory; // per iteration, input 0.8 on the first unit
};

class InputTiming : public testing::TestWithParam<TimingCase>
{
};

TEST_P(InputTiming, FollowsOffsetAndRamp)
{
    const TimingCase &c = GetParam();
    Simulation sim;
    sim.net.poswt = 0.0;
    sim.net.negwt = 0.0;
    sim.niter = int16_t(c.unitOneHistory.size());
    sim.extipOff = c.extipOff;
    sidestop::runNet(sim, Units {0.8}, c.ramp, InhibitionRule::Standard);

    ASSERT_EQ(sim.actHistory.size(), c.unitOneHistory.size());
    for (std::size_t t = 0; t < c.unitOneHistory.size(); ++t) {
        EXPECT_EQ(sim.actHistory[t][0], c.unitOneHistory[t]) << "iteration " << t + 1;
        EXPECT_EQ(sim.actHistory[t][1], 0) << "iteration " << t + 1;
    }
    EXPECT_EQ(sim.net.act, sim.actHistory.back());
}

const double full = seen(0.8);
const double quarter = seen(0.8 * 0.25), half = seen(0.8 * 0.5), threeQuarters = seen(0.8 * 0.75);

INSTANTIATE_TEST_SUITE_P(
    Sidestop, InputTiming,
    testing::Values(
        TimingCase {"OffsetZeroKeepsInputOn", 0, false, {full, full, full, full}},
        TimingCase {"OffsetBeyondRunKeepsInputOn", 9, false, {full, full, full}},
        TimingCase {"OffsetOneActsOnlyInFirstIteration", 1, false, {full, 0, 0, 0}},
        TimingCase {"OffsetEqualToRunRemovesAfterLast", 3, false, {full, full, full}},
        TimingCase {"RampAlone", 0, true, {quarter, half, threeQuarters, full, full}},
        // The ramp writes the input back after its removal at 2, and nothing removes it again.
        TimingCase {"RampWithOffsetTwoComesBack",
                    2,
                    true,
                    {quarter, half, threeQuarters, full, full, full}},
        TimingCase {
            "RampWithOffsetFourThenNone", 4, true, {quarter, half, threeQuarters, full, 0, 0}}),
    [](const auto &info) { return info.param.name; });

TEST(SidestopRun, StartsFromZeroSoTwoRunsAreIdentical)
{
    Simulation sim;
    sim.net.poswt = 0.1;
    sim.net.negwt = 0.5;
    sim.niter = 20;
    sim.extipOff = 16;
    const Units base {0, 0.2, 0.3, 0, 0, 0.9, 0, 0.4, 0.1, 0};
    sidestop::runNet(sim, base, true, InhibitionRule::Alternative);
    const auto first = sim.actHistory;
    sidestop::runNet(sim, base, true, InhibitionRule::Alternative);
    EXPECT_EQ(sim.actHistory, first);
    // The run ends with the input removed (offset 16 of 20), and the strongest unit won.
    EXPECT_EQ(sim.net.extip, Units {});
    EXPECT_GT(first[15][5], first[15][7]);
}

TEST(SidestopRun, RunWithoutIterationsChangesNothing)
{
    Simulation sim;
    sim.net.act = {0.5};
    sim.actHistory.assign(3, Units {0.25});
    sim.niter = 0;
    EXPECT_THROW(sidestop::runNet(sim, Units {1}, false, InhibitionRule::Standard), Fault);
    EXPECT_EQ(sim.net.act, Units {0.5});
    EXPECT_EQ(sim.actHistory.size(), 3U);
}

RunTexts texts(std::string poswt, std::string negwt, std::string iterations)
{
    RunTexts t;
    t.poswt = std::move(poswt);
    t.negwt = std::move(negwt);
    t.iterations = std::move(iterations);
    t.units.fill("0");
    return t;
}

TEST(SidestopRunSettings, ReadsWeightsAsTextCountsRoundedAndUnitsByLeadingNumber)
{
    RunTexts t = texts(" 0.25", "0.5 ", "12.5");
    t.units[0] = "0.3abc";
    t.units[1] = "";
    t.units[2] = "abc";
    t.units[3] = "-1.5";
    const auto settings = sidestop::checkedRunSettings(t, true, InhibitionRule::Alternative);
    EXPECT_EQ(settings.poswtText, " 0.25");
    EXPECT_EQ(settings.negwtText, "0.5 ");
    EXPECT_EQ(settings.niter, 12);
    EXPECT_EQ(settings.base, (Units {0.3, 0, 0, -1.5}));
    EXPECT_TRUE(settings.ramp);
    EXPECT_EQ(settings.rule, InhibitionRule::Alternative);
    EXPECT_EQ(sidestop::checkedRunSettings(texts("0", "0", "13.5"), false, {}).niter, 14);
}

struct BadRun
{
    const char *name;
    RunTexts texts;
    std::string message;
};

class RefusedRun : public testing::TestWithParam<BadRun>
{
};

// Each refusal says what to type and leaves the layer, the history and the settings alone.
TEST_P(RefusedRun, LeavesEverythingAsItWas)
{
    const BadRun &c = GetParam();
    Simulation sim;
    sim.net.act = {0.5, 0.25};
    sim.net.poswt = 0.1;
    sim.niter = 7;
    sim.actHistory.assign(2, Units {0.75});
    const Simulation before = sim;
    try {
        sidestop::startRun(sim, sidestop::checkedRunSettings(c.texts, false, {}));
        FAIL() << "the run was not refused";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.what(), c.message);
    }
    EXPECT_EQ(sim.net.act, before.net.act);
    EXPECT_EQ(sim.net.poswt, before.net.poswt);
    EXPECT_EQ(sim.niter, before.niter);
    EXPECT_EQ(sim.actHistory, before.actHistory);
}

const std::string fourHundredDigits(400, '9');

BadRun withUnit(const char *name, std::string unitText, std::string message)
{
    BadRun run {name, texts("0.1", "0.5", "20"), message};
    run.texts.units[4] = std::move(unitText);
    return run;
}

BadRun withIterations(const char *name, std::string iterations, std::string message)
{
    return {name, texts("0.1", "0.5", std::move(iterations)), std::move(message)};
}

std::string unusableCount(const std::string &text)
{
    return "The number of iterations \"" + text
        + "\" cannot be used: type a whole number of iterations from 1 to 32767, such as 20.";
}

const std::string needsAnIteration = "A run needs at least one iteration: type a whole number of "
                                     "iterations from 1 to 32767, such as 20.";

INSTANTIATE_TEST_SUITE_P(
    Sidestop, RefusedRun,
    testing::Values(
        withIterations("IterationsNoNumber", "ten", unusableCount("ten")),
        withIterations("IterationsWithTrailingLetters", "20x", unusableCount("20x")),
        withIterations("IterationsZero", "0", needsAnIteration),
        withIterations("IterationsRoundToZero", "0.4", needsAnIteration),
        withIterations("IterationsNegative", "-3", needsAnIteration),
        withIterations("IterationsBeyondSixteenBits", "32768", unusableCount("32768")),
        BadRun {"PositiveWeightNoNumber", texts("strong", "0.5", "20"),
                "The positive feedback weight \"strong\" is not a number: type a number such as "
                "0.1."},
        BadRun {"NegativeWeightEmpty", texts("0.1", "", "20"),
                "The lateral inhibitory weight \"\" is not a number: type a number such as 0.5."},
        BadRun {"WeightOfFourHundredDigits", texts(fourHundredDigits, "0.5", "20"),
                "The positive feedback weight \"999999999999999999999...\" is too large: type a "
                "number such as 0.1."},
        BadRun {"InhibitionThatWouldOverflow", texts("0.1", "1E+308", "20"),
                "The weights and unit inputs are too large to compute with: type numbers below "
                "1E+300."},
        withUnit("UnitInputOfFourHundredDigits", fourHundredDigits,
                 "The weights and unit inputs are too large to compute with: type numbers below "
                 "1E+300.")),
    [](const auto &info) { return info.param.name; });

// With the largest weights and inputs a run accepts, no activation becomes NaN or leaves 0..1.
TEST(SidestopRun, LargestAcceptedValuesStayInRange)
{
    const double big = std::numeric_limits<double>::max() / 16;
    RunTexts t = texts("1E+307", "-1E+307", "5");
    t.units.fill("-1");
    t.units[0] = std::to_string(big);
    Simulation sim;
    for (InhibitionRule rule : {InhibitionRule::Standard, InhibitionRule::Alternative}) {
        sidestop::startRun(sim, sidestop::checkedRunSettings(t, false, rule));
        for (const Units &step : sim.actHistory)
            for (double a : step)
                EXPECT_TRUE(a >= 0 && a <= 1) << a;
    }
}

// RUN without a window: the history is drawn once, complete, and only while the graph is open;
// a refused run draws nothing.
TEST(SidestopCore, RunDrawsTheCompleteHistoryOnlyWhileTheGraphIsOpen)
{
    Simulation sim;
    std::vector<std::size_t> drawn;
    const sidestop::RunCallbacks callbacks {
        .drawHistory = [&drawn](const Simulation &s) { drawn.push_back(s.actHistory.size()); }};
    const RunTexts sixIterations = texts("0.1", "0.5", "6");
    sidestop::run(sim, sixIterations, false, InhibitionRule::Standard, callbacks);
    EXPECT_TRUE(drawn.empty());
    sidestop::openGraph(sim);
    sidestop::run(sim, sixIterations, false, InhibitionRule::Standard, callbacks);
    EXPECT_EQ(drawn, std::vector<std::size_t> {6});
    EXPECT_THROW(sidestop::run(sim, texts("0.1", "0.5", "0"), false, {}, callbacks), Fault);
    EXPECT_EQ(drawn.size(), 1U);
}

// `var` prints a weight as its number or as the text RUN stored, and every other piece as its
// numbers; a value the program never holds is refused before anything is written.
TEST(SidestopCore, RegistryPrintsWeightsAsStoredAndRefusesActivationsOutsideZeroToOne)
{
    Simulation sim;
    const host::StateRegistry registry = sidestop::stateRegistry(sim);
    std::vector<std::string> names;
    for (const host::StateEntry &entry : registry.entries())
        names.push_back(entry.name);
    EXPECT_EQ(names,
              (std::vector<std::string> {"act", "extip", "extipDef", "poswt", "negwt", "noiseSD",
                                         "niter", "extipOff", "actHistory", "graphOff"}));
    sidestop::useDefaultParameters(sim);
    EXPECT_EQ(host::stateText(*registry.find("poswt")), "0.1");
    sidestop::run(sim, texts(" 0.25", "0.5 ", "2"), false, InhibitionRule::Standard);
    EXPECT_EQ(host::stateText(*registry.find("poswt")), " 0.25");
    EXPECT_EQ(host::stateText(*registry.find("negwt")), "0.5 ");
    EXPECT_EQ(host::stateText(*registry.find("niter")), "2");

    EXPECT_THROW(registry.write({{"niter", std::vector<double> {9}},
                                 {"act", std::vector<double>(sidestop::unitCount, 1.5)}}),
                 Fault);
    EXPECT_EQ(sim.niter, 2);
}

} // namespace
