// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/network.h"
#include "calc/model/pattern_file.h"
#include "calc/model/run_settings.h"

#include "host/numbers/fault.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using calc::Network;
using calc::OutputRule;
using calc::UnitList;
using host::Fault;

namespace {

// A network of seven inputs and three outputs whose weight from input j to output k is
// k + j / 10 (so every sum below names the weights it adds).
Network smallNetwork()
{
    Network net;
    net.nInputs = 7;
    net.nOutputs = 3;
    calc::clearWeights(net);
    calc::clearUnits(net);
    for (int k = 1; k <= 3; ++k) {
        for (int j = 1; j <= 7; ++j)
            net.weights[size_t(k - 1)][size_t(j - 1)] = float(k + j / 10.0);
    }
    return net;
}

float w(int k, int j) { return float(k + j / 10.0); }

struct ThresholdCase
{
    const char *name;
    float x;
    int expected;
};

class CalcThreshold : public testing::TestWithParam<ThresholdCase>
{
};

TEST_P(CalcThreshold, FiresOnlyAboveOne)
{
    EXPECT_EQ(calc::threshold(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcThreshold,
    testing::Values(ThresholdCase {"ExactlyOne", 1.0f, 0},
                    ThresholdCase {"OneFloatStepAboveOne", std::nextafter(1.0f, 2.0f), 1},
                    ThresholdCase {"OneFloatStepBelowOne", std::nextafter(1.0f, 0.0f), 0},
                    ThresholdCase {"Negative", -3.0f, 0}),
    [](const auto &info) { return info.param.name; });

struct SigmoidCase
{
    const char *name;
    float x;
    float expected; // the output as stored
};

class CalcSigmoid : public testing::TestWithParam<SigmoidCase>
{
};

TEST_P(CalcSigmoid, StoredOutputIsExact)
{
    EXPECT_EQ(float(calc::sigmoid(GetParam().x)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Calc, CalcSigmoid,
                         testing::Values(SigmoidCase {"AtZero", 0.0f, 0.0066928509f},
                                         SigmoidCase {"AtMidpoint", 0.5f, 0.5f},
                                         SigmoidCase {"AtOne", 1.0f, 0.993307149f},
                                         SigmoidCase {"FarBelowOverflowsToZero", -100.0f, 0.0f},
                                         SigmoidCase {"FarAbove", 100.0f, 1.0f}),
                         [](const auto &info) { return info.param.name; });

struct NetCase
{
    const char *name;
    UnitList input;
    int active;
    std::vector<float> expected;
};

class CalcNetInput : public testing::TestWithParam<NetCase>
{
};

TEST_P(CalcNetInput, SumsTheWeightsOfTheNamedUnits)
{
    Network net = smallNetwork();
    net.curInput = GetParam().input;
    calc::computeNet(net);
    EXPECT_EQ(net.nActiveInputs, GetParam().active);
    EXPECT_EQ(net.netInputs, GetParam().expected);
}

float sum2(float a, float b) { return float(double(a) + b); }

// start + step + step ... (times steps), each addition narrowed to a float.
float addedTimes(float start, float step, int times)
{
    for (int i = 0; i < times; ++i)
        start = sum2(step, start);
    return start;
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcNetInput,
    testing::Values(
        NetCase {"TwoUnits",
                 {3, 6},
                 2,
                 {sum2(w(1, 3), w(1, 6)), sum2(w(2, 3), w(2, 6)), sum2(w(3, 3), w(3, 6))}},
        NetCase {"UnitNamedTwiceCountsTwice",
                 {2, 2},
                 2,
                 {sum2(w(1, 2), w(1, 2)), sum2(w(2, 2), w(2, 2)), sum2(w(3, 2), w(3, 2))}},
        NetCase {"EntriesAfterTheFirstZeroIgnored", {5, 0, 1, 2}, 1, {w(1, 5), w(2, 5), w(3, 5)}},
        NetCase {"FirstEntryZeroNamesNoUnit", {0, 1, 2}, 0, {0, 0, 0}},
        NetCase {
            "TenUnitsWithoutATerminatingZero",
            {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
            10,
            {addedTimes(0, w(1, 1), 10), addedTimes(0, w(2, 1), 10), addedTimes(0, w(3, 1), 10)}}),
    [](const auto &info) { return info.param.name; });

TEST(CalcNetInputPrecision, RunningSumIsAFloatAfterEveryAddition)
{
    Network net = smallNetwork();
    net.weights[0] = {1e8f, 1.0f, -1e8f, 0, 0, 0, 0};
    net.curInput = {1, 2, 3};
    calc::computeNet(net);
    EXPECT_EQ(net.netInputs[0], 0.0f); // 1e8 + 1 is 1e8 as a float
}

TEST(CalcNetInputFaults, UnitOutsideTheNetworkChangesNothing)
{
    for (UnitList input : {UnitList {1, 8}, UnitList {-1}, UnitList {2, 3, 100}}) {
        Network net = smallNetwork();
        net.netInputs = {7, 8, 9};
        net.nActiveInputs = 4;
        net.curInput = input;
        try {
            calc::computeNet(net);
            ADD_FAILURE() << "no fault";
        } catch (const Fault &fault) {
            EXPECT_EQ(fault.kind(), Fault::Kind::IndexOutOfRange);
        }
        EXPECT_EQ(net.netInputs, (std::vector<float> {7, 8, 9}));
        EXPECT_EQ(net.nActiveInputs, 4);
    }
}

TEST(CalcActivation, ZeroWeightsGiveTheRestingOutputs)
{
    Network net = smallNetwork();
    calc::clearWeights(net);
    net.curInput = {1, 2, 3};
    calc::computeNet(net);
    calc::applyActivation(net, OutputRule::Threshold);
    EXPECT_EQ(net.outputs, (std::vector<float> {0, 0, 0}));
    calc::applyActivation(net, OutputRule::Sigmoid);
    EXPECT_EQ(net.outputs, (std::vector<float>(3, 0.0066928509f)));
}

// The outputs come a block of units at a time through the library's inner exponential where
// the build found it; they are bit for bit what sigmoid gives, over the curve and beyond it.
TEST(CalcActivation, SigmoidOutputsAreThoseOfTheCurve)
{
    std::vector<float> inputs {-std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::max(),
                               -70.5f,
                               70.5f,
                               std::numeric_limits<float>::max(),
                               std::numeric_limits<float>::infinity(),
                               std::numeric_limits<float>::denorm_min(),
                               std::numeric_limits<float>::quiet_NaN()};
    for (int n = -100000; n <= 100000; ++n)
        inputs.push_back(float(n) / 4096);
    Network net;
    net.nOutputs = 20; // a block of 16 and part of another
    calc::clearUnits(net);
    for (size_t first = 0; first < inputs.size(); first += 20) {
        for (size_t k = 0; k < 20; ++k)
            net.netInputs[k] = inputs[std::min(first + k, inputs.size() - 1)];
        calc::applyActivation(net, OutputRule::Sigmoid);
        for (size_t k = 0; k < 20; ++k) {
            const float expected = float(calc::sigmoid(net.netInputs[k]));
            ASSERT_EQ(std::bit_cast<uint32_t>(net.outputs[k]), std::bit_cast<uint32_t>(expected))
                << "net input " << net.netInputs[k];
        }
    }
}

struct ErrorCase
{
    const char *name;
    std::vector<float> outputs;
    UnitList target;
    std::vector<float> expected;
    float sumError; // added to a previous 0.5
};

class CalcErrors : public testing::TestWithParam<ErrorCase>
{
};

TEST_P(CalcErrors, AreTargetMinusOutputAndAccumulate)
{
    Network net = smallNetwork();
    net.outputs = GetParam().outputs;
    net.curTarget = GetParam().target;
    net.sumError = 0.5f;
    calc::computeErrors(net);
    EXPECT_EQ(net.errors, GetParam().expected);
    EXPECT_EQ(net.sumError, GetParam().sumError);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcErrors,
    testing::Values(ErrorCase {"ThresholdCountsWrongUnits", {1, 0, 1}, {2}, {-1, 1, -1}, 3.5f},
                    ErrorCase {"UnitNamedTwiceHasTargetOne", {0, 0, 0}, {3, 3}, {0, 0, 1}, 1.5f},
                    ErrorCase {"TwoTargets", {0, 1, 0}, {1, 3}, {1, -1, 1}, 3.5f},
                    ErrorCase {
                        "SigmoidOutputs",
                        {0.25f, 0.0066928509f, 0.875f},
                        {1},
                        {float(1 - 0.25), -0.0066928509f, -0.875f},
                        float(double(float(double(float(0.75 + 0.5)) + double(0.0066928509f)))
                              + 0.875)}),
    [](const auto &info) { return info.param.name; });

TEST(CalcWeightUpdate, DeltaRuleOnActiveInputsOfWrongUnitsOnly)
{
    Network net = smallNetwork();
    const Network before = net;
    net.curInput = {2, 5, 2};
    net.nActiveInputs = 3;
    net.errors = {0.3f, 0, -1};
    net.lrate = 0.05f;
    calc::updateWeights(net);

    const float up = float(double(0.3f) * 0.05f);
    const float down = float(-1.0 * 0.05f);
    for (int j = 1; j <= 7; ++j) {
        const int times = j == 2 ? 2 : j == 5 ? 1 : 0; // input 2 is named twice
        EXPECT_EQ(net.weights[0][size_t(j - 1)], addedTimes(w(1, j), up, times)) << "input " << j;
        EXPECT_EQ(net.weights[2][size_t(j - 1)], addedTimes(w(3, j), down, times)) << "input " << j;
    }
    EXPECT_EQ(net.weights[1], before.weights[1]);
}

TEST(CalcWeightUpdate, NothingChangesWithoutActiveInputsOrWithRateZero)
{
    Network net = smallNetwork();
    const Network before = net;
    net.errors = {1, -1, 0.5f};
    net.lrate = 0.05f;
    net.curInput = {0, 3};
    calc::computeNet(net);
    calc::updateWeights(net);
    EXPECT_EQ(net.weights, before.weights);

    net.curInput = {1, 2, 3};
    net.lrate = calc::lrateFromText("not a number");
    EXPECT_EQ(net.lrate, 0.0f);
    calc::computeNet(net);
    calc::updateWeights(net);
    EXPECT_EQ(net.weights, before.weights);
}

TEST(CalcWeightUpdate, StaleActiveListOrHugeRateFaultsBeforeAnyChange)
{
    Network net = smallNetwork();
    const Network before = net;
    net.errors = {1, 1, 1};
    net.lrate = 0.05f;
    net.curInput = {1, 0};
    net.nActiveInputs = 2; // counted for an earlier list
    EXPECT_THROW(calc::updateWeights(net), Fault);
    EXPECT_EQ(net.weights, before.weights);
    EXPECT_THROW(calc::lrateFromText(std::string(60, '9')), Fault);
}

TEST(CalcWeightUpdate, WeightBeyondTheFloatRangeFaultsBeforeAnyChange)
{
    Network net = smallNetwork();
    net.weights[0][5] = 2e38f; // input 6, named twice below: 2e38 + 1e38 + 1e38 overflows
    const Network before = net;
    net.curInput = {1, 6, 6};
    net.nActiveInputs = 3;
    net.errors = {1, 1, 1};
    net.lrate = calc::lrateFromText("100000000000000000000000000000000000000"); // 1e38
    try {
        calc::updateWeights(net);
        ADD_FAILURE() << "no fault";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::Overflow);
    }
    EXPECT_EQ(net.weights, before.weights);

    const float rate = net.lrate;
    net.weights[0][5] = rate; // now every weight stays a float: three times the rate at most
    calc::updateWeights(net);
    EXPECT_EQ(net.weights[0][5], float(double(float(double(rate) + rate)) + rate));
}

// A list that names every unit once: the fault names the first weight in the order of the step
// (output units first, then the list), and without one every named weight moves once.
TEST(CalcWeightUpdate, DistinctListFaultsAtTheFirstWeightBeyondTheRange)
{
    Network net = smallNetwork();
    net.weights[1][3] = 3e38f; // output 2, input 4
    net.weights[2][0] = 3e38f; // output 3, input 1: later in the step
    const Network before = net;
    net.curInput = {1, 4};
    net.nActiveInputs = 2;
    net.errors = {1, 0.5f, 1};
    net.lrate = calc::lrateFromText("100000000000000000000000000000000000000"); // 1e38
    try {
        calc::updateWeights(net);
        ADD_FAILURE() << "no fault";
    } catch (const Fault &fault) {
        EXPECT_EQ(fault.kind(), Fault::Kind::Overflow);
        EXPECT_NE(std::string(fault.what()).find("input unit 4 to output unit 2"),
                  std::string::npos)
            << fault.what();
    }
    EXPECT_EQ(net.weights, before.weights);

    net.lrate = 0.05f;
    net.errors = {1, 0, -1};
    calc::updateWeights(net);
    for (int j = 1; j <= 7; ++j) {
        const int times = j == 1 || j == 4 ? 1 : 0;
        EXPECT_EQ(net.weights[0][size_t(j - 1)], addedTimes(w(1, j), 0.05f, times));
        EXPECT_EQ(net.weights[2][size_t(j - 1)],
                  addedTimes(before.weights[2][size_t(j - 1)], float(-1.0 * 0.05f), times));
    }
    EXPECT_EQ(net.weights[1], before.weights[1]);
}

TEST(CalcMembership, ScansAllTenEntries)
{
    const UnitList list {4, 7, 4};
    EXPECT_TRUE(calc::isMember(4, list));
    EXPECT_TRUE(calc::isMember(7.0, list));
    EXPECT_FALSE(calc::isMember(5, list));
    EXPECT_FALSE(calc::isMember(4.5, list));
    EXPECT_TRUE(calc::isMember(0, list)); // the trailing zeros
    EXPECT_TRUE(calc::isMember(9, UnitList {1, 0, 0, 0, 0, 0, 0, 0, 0, 9}));
}

TEST(CalcNumbering, NumeralsAndPatternsBothWays)
{
    const int patternOf[16] = {10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};
    for (int16_t numeral = 0; numeral < 16; ++numeral) {
        EXPECT_EQ(calc::patternOfNumeral(numeral), patternOf[numeral]) << numeral;
        EXPECT_EQ(calc::numeralOfPattern(int16_t(patternOf[numeral])), numeral) << numeral;
    }
}

// One presentation as the learning run makes it.
void present(Network &net, int pattern, OutputRule rule)
{
    net.curInput = net.inPatterns[size_t(pattern - 1)];
    net.curTarget = net.targets[size_t(pattern - 1)];
    calc::computeNet(net);
    calc::applyActivation(net, rule);
    calc::computeErrors(net);
    calc::updateWeights(net);
}

TEST(CalcProperty, ThresholdRuleLearnsEveryNumeralWithinTwentyEpochs)
{
    Network net = calc::loadPatternFile(CALC_DATA_FILE);
    net.lrate = calc::lrateFromText("0.05");
    int epoch = 0;
    do {
        ++epoch;
        net.sumError = 0;
        for (int p = 1; p <= 16; ++p)
            present(net, p, OutputRule::Threshold);
    } while (net.sumError != 0 && epoch < 20);
    EXPECT_EQ(net.sumError, 0.0f);
    EXPECT_EQ(epoch, 16);

    for (int16_t numeral = 0; numeral < 16; ++numeral) {
        const int16_t pattern = calc::patternOfNumeral(numeral);
        net.curInput = net.inPatterns[size_t(pattern - 1)];
        calc::computeNet(net);
        calc::applyActivation(net, OutputRule::Threshold);
        for (int k = 1; k <= 16; ++k)
            EXPECT_EQ(net.outputs[size_t(k - 1)], k == pattern ? 1.0f : 0.0f)
                << "numeral " << numeral << ", unit " << k;
    }
}

} // namespace
