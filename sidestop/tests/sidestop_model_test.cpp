// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/network.h"
#include "sidestop/model/noise.h"

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

using host::Fault;
using sidestop::InhibitionRule;
using sidestop::Network;

namespace {

using Units = std::array<double, sidestop::unitCount>;

Network networkWith(const Units &act, const Units &extip, double poswt, double negwt)
{
    Network net;
    net.act = act;
    net.extip = extip;
    net.poswt = poswt;
    net.negwt = negwt;
    return net;
}

// What one unit's activation becomes when its net input, narrowed to a float, is clamped.
double clamped(double netInput) { return std::clamp(double(float(netInput)), 0.0, 1.0); }

struct UpdateCase
{
    const char *name;
    InhibitionRule rule;
    Units act;
    Units extip;
    double poswt;
    double negwt;
    Units expected;
};

class OneUpdate : public testing::TestWithParam<UpdateCase>
{
};

TEST_P(OneUpdate, GivesExactActivations)
{
    const UpdateCase &c = GetParam();
    Network net = networkWith(c.act, c.extip, c.poswt, c.negwt);
    sidestop::iterateNet(net, c.rule);
    for (int i = 0; i < sidestop::unitCount; ++i)
        EXPECT_EQ(net.act[size_t(i)], c.expected[size_t(i)]) << "unit index " << i;
}

// Standard rule, ten equal activations a = 0.2 and negwt 0.5: every unit's inhibition is
// 9 * a * negwt = 0.9, against an excitation of 0.2 * 0.1 + 1.
const double equalTen = clamped(0.2 * 0.1 + 1 - 9 * 0.2 * 0.5);

// Alternative rule on (0.9, 0.9, 0.5, 0.1, 0...): the two tied most active units are not
// inhibited; unit index 2 is inhibited by twice 0.4, index 3 by 0.8 + 0.8 + 0.4, the silent
// units by 0.9 + 0.9 + 0.5 + 0.1 (not by each other), each excess and the running sum floats.
const float excess04 = float(0.9 - 0.5);
const float excess08 = float(0.9 - 0.1);
const float excess09 = float(0.9);
const float sumFor2 = float(double(excess04) + excess04);
const float sumFor3 = float(double(float(double(excess08) + excess08)) + float(0.5 - 0.1));
const float sumForSilent
    = float(double(float(double(float(double(excess09) + excess09)) + float(0.5))) + float(0.1));

INSTANTIATE_TEST_SUITE_P(
    Sidestop, OneUpdate,
    testing::Values(
        UpdateCase {"NoWeightsGiveClampedInput",
                    InhibitionRule::Standard,
                    {},
                    {1.5, -0.2, 0.3, 1.0, 0, 0.9, 7, -3, 0.1, 1e-3},
                    0,
                    0,
                    {1, 0, double(0.3f), 1, 0, double(0.9f), 1, 0, double(0.1f), double(1e-3f)}},
        UpdateCase {"StandardRuleEqualActivationsNineTimes",
                    InhibitionRule::Standard,
                    {0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2},
                    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                    0.1,
                    0.5,
                    {equalTen, equalTen, equalTen, equalTen, equalTen, equalTen, equalTen, equalTen,
                     equalTen, equalTen}},
        UpdateCase {"AlternativeRuleSparesTheMostActive",
                    InhibitionRule::Alternative,
                    {0.9, 0.9, 0.5, 0.1},
                    {0.8, 0.8, 0.9, 0.9, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5},
                    0.1,
                    0.5,
                    {clamped(0.9 * 0.1 + 0.8), clamped(0.9 * 0.1 + 0.8),
                     clamped(0.5 * 0.1 + 0.9 - sumFor2 * 0.5),
                     clamped(0.1 * 0.1 + 0.9 - sumFor3 * 0.5), clamped(1.5 - sumForSilent * 0.5),
                     clamped(1.5 - sumForSilent * 0.5), clamped(1.5 - sumForSilent * 0.5),
                     clamped(1.5 - sumForSilent * 0.5), clamped(1.5 - sumForSilent * 0.5),
                     clamped(1.5 - sumForSilent * 0.5)}}),
    [](const auto &info) { return info.param.name; });

TEST(SidestopUpdate, UnitsReadOnlyThePreviousActivations)
{
    // Unit 0 rises to 0.5 in this update; had unit 1 seen that, it would drop to 0.
    Network net = networkWith({0, 0.5}, {1, 0.5}, 0, 1);
    sidestop::iterateNet(net, InhibitionRule::Standard);
    EXPECT_EQ(net.act[0], clamped(1 - 0.5));
    EXPECT_EQ(net.act[1], 0.5);
}

TEST(SidestopUpdate, WeightTextsAreReadAsNumbers)
{
    Network byNumber = networkWith({0.3, 0.6, 0.1}, {0.2, 0.4, 0.9}, 0.25, 0.5);
    Network byText = byNumber;
    byText.poswt = std::string(" 0.25 ");
    byText.negwt = std::string("0.5");
    sidestop::iterateNet(byNumber, InhibitionRule::Standard);
    sidestop::iterateNet(byText, InhibitionRule::Standard);
    EXPECT_EQ(byText.act, byNumber.act);
}

TEST(SidestopUpdate, WeightTextThatIsNoNumberFaultsAndChangesNothing)
{
    const Units before {0.3, 0.6, 0.1};
    for (const char *text : {"abc", "", "0.5x", "1e400"}) {
        for (bool positive : {true, false}) {
            Network net = networkWith(before, {0.2, 0.4}, 0.1, 0.5);
            (positive ? net.poswt : net.negwt) = std::string(text);
            try {
                sidestop::iterateNet(net, InhibitionRule::Alternative);
                ADD_FAILURE() << "no fault for \"" << text << "\"";
            } catch (const Fault &fault) {
                const std::string message = fault.what();
                EXPECT_NE(message.find(positive ? "Positive feedback" : "Lateral inhibitory"),
                          std::string::npos)
                    << message;
            }
            EXPECT_EQ(net.act, before) << text;
        }
    }
}

TEST(SidestopUpdate, WithoutNoiseTheGeneratorIsUntouched)
{
    const host::RandomState before = host::randomState();
    Network net = networkWith({0.1, 0.2}, {0.3}, 0.1, 0.5);
    sidestop::iterateNet(net, InhibitionRule::Standard);
    sidestop::iterateNet(net, InhibitionRule::Alternative);
    EXPECT_EQ(host::randomState(), before);
}

TEST(SidestopDefaultInput, IsTheTablePattern)
{
    Network net;
    sidestop::setDefaultInput(net);
    EXPECT_EQ(net.extipDef, (Units {0, 0.2, 0.3, 0, 0, 0.9, 0, 0.4, 0.1, 0}));
    EXPECT_EQ(net.extip, Units {});
}

class SidestopNoise : public testing::Test
{
protected:
    void TearDown() override { host::thawClock(); }
};

TEST_F(SidestopNoise, MagnitudeLiesBetweenTheBoundsAndBothSignsOccur)
{
    int positive = 0;
    int negative = 0;
    for (double stdev : {0.002, 0.05, 0.2, 1.0}) {
        for (int second = 0; second < 400; ++second) {
            host::freezeClock(30000 + second * 0.37);
            const double noise = sidestop::gaussnoise(0, stdev);
            EXPECT_GE(std::fabs(noise), 2.50659 * stdev); // 0.005013 for the smallest step
            EXPECT_LT(std::fabs(noise), 4.13267 * stdev);
            (noise > 0 ? positive : negative)++;
        }
    }
    EXPECT_GT(positive, 600);
    EXPECT_GT(negative, 600);
}

TEST_F(SidestopNoise, ReseedsFromTheClockAtEveryCall)
{
    const double seconds = 45678.25;
    host::freezeClock(seconds);
    const host::RandomState start = host::randomState();
    const double first = sidestop::gaussnoise(0, 0.1);

    host::setRandomState(start);
    host::reseed(double(float(seconds)));
    const float r1 = host::nextRandom();
    const float r2 = host::nextRandom();
    const double sign = r1 < 0.5f ? -1 : 1;
    EXPECT_DOUBLE_EQ(first, sign * 0.1 * std::sqrt(6.283) * std::exp(double(r2) * r2 / 2));
}

// The clock moves in steps of about 4 ms, so most calls of a run see the same seed; each
// still draws fresh numbers.
TEST_F(SidestopNoise, IsNoiseWithTheClockRunning)
{
    host::thawClock();
    std::set<double> values;
    for (int i = 0; i < 200; ++i)
        values.insert(sidestop::gaussnoise(0, 0.1));
    EXPECT_GE(values.size(), 190u);
}

// A program started with a frozen clock sees the same seeds and draws, so its runs repeat.
TEST_F(SidestopNoise, FrozenClockRunsFromStartUpRepeat)
{
    std::array<Units, 2> runs;
    for (Units &run : runs) {
        host::setRandomState(host::startUpRandomState);
        host::freezeClock(1000);
        Network net = networkWith({}, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, 0, 0);
        net.noiseSD = 0.05f;
        for (int t = 0; t < 20; ++t)
            sidestop::iterateNet(net, InhibitionRule::Standard);
        run = net.act;
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(SidestopNoise, ZeroSpreadIsADivisionByZero)
{
    const host::RandomState before = host::randomState();
    EXPECT_THROW(sidestop::gaussnoise(0, 0), Fault);
    EXPECT_EQ(host::randomState(), before);
}

TEST_F(SidestopNoise, NoiseReachesEveryUnitOnEveryUpdate)
{
    host::freezeClock(1000);
    Network net = networkWith({}, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, 0, 0);
    net.noiseSD = 0.01f;
    const host::RandomState start = host::randomState();
    sidestop::iterateNet(net, InhibitionRule::Standard);
    host::setRandomState(start);
    for (double activation : net.act)
        EXPECT_EQ(activation, double(float(0.5)) + sidestop::gaussnoise(0, double(net.noiseSD)));
}

TEST(SidestopProperty, DefaultInputAndWeightsSettleWithUnitSixMostActive)
{
    for (InhibitionRule rule : {InhibitionRule::Standard, InhibitionRule::Alternative}) {
        Network net;
        sidestop::setDefaultInput(net);
        net.extip = net.extipDef;
        net.poswt = 0.1;
        net.negwt = 0.5;
        for (int t = 0; t < 20; ++t)
            sidestop::iterateNet(net, rule);
        const Units settled = net.act;
        sidestop::iterateNet(net, rule);
        EXPECT_EQ(net.act, settled);
        EXPECT_EQ(std::max_element(net.act.begin(), net.act.end()) - net.act.begin(), 5);
        EXPECT_EQ(std::count(net.act.begin(), net.act.end(), 0.0), 9);
    }
}

} // namespace
