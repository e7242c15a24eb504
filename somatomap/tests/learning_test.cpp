// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/learning.h"
#include "somatomap/model/similarity.h"

#include "host/numbers/clock.h"
#include "host/numbers/random.h"
#include "map_fixtures.h"

#include <gtest/gtest.h>

#include <cfloat>

using namespace somatomap;
using somatomap::testing::RefusedCall;
using somatomap::testing::uniformMap;

namespace {

// A node's 32 weights are each rounded once when rescaled by a float sum that itself
// carries up to 31 roundings, so their exact sum may differ from 4 by about 32 units in
// the last place of a float near 4: 32 * 4 * FLT_EPSILON (1.5e-5).
constexpr double sumTolerance = 32 * 4 * double(FLT_EPSILON);

void expectWeightSumsOfFour(const SensoryMap &map)
{
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            double sum = 0;
            for (float w : map.node(i, j)) {
                ASSERT_GE(w, 0.0f) << "node " << i << ", " << j;
                sum += w;
            }
            ASSERT_NEAR(sum, 4.0, sumTolerance) << "node " << i << ", " << j;
        }
    }
}

// Random weights: a clock frozen at a seed and the generator from its start-up state make the
// draws reproducible in the test.
SensoryMap randomMap(double clock)
{
    SensoryMap map = uniformMap();
    host::setRandomState(host::startUpRandomState);
    host::freezeClock(clock);
    randomMapWts(map);
    host::thawClock();
    return map;
}

TEST(RandomMapWts, DrawsNodeByNodeAndScalesEachToSumFour)
{
    const SensoryMap map = randomMap(4321.5);
    expectWeightSumsOfFour(map);

    host::setRandomState(host::startUpRandomState);
    host::reseed(4321.5);
    WeightVector draws[mapSide + 1];
    for (WeightVector &vector : draws) {
        for (float &w : vector)
            w = host::nextRandom();
    }
    const std::pair<int, int> nodeOfDraw[] = {{1, 1}, {1, 2}, {2, 1}};
    const int drawOfNode[] = {0, 1, mapSide};
    for (int n = 0; n < 3; ++n) {
        const WeightVector &drawn = draws[drawOfNode[n]];
        const WeightVector &w = map.node(nodeOfDraw[n].first, nodeOfDraw[n].second);
        float sum = 0;
        for (float d : drawn)
            sum += d;
        for (int k = 0; k < inputLength; ++k)
            EXPECT_EQ(w[k], float(double(drawn[k]) / (sum / 4))) << "draw " << drawOfNode[n];
    }
}

struct StrengthCase
{
    const char *name;
    int i, j;
    float expected;
};

class NeighbourhoodStrength : public ::testing::TestWithParam<StrengthCase>
{
};

// Winner (10, 12) with activation 0.65 and radius 3: slope 0.13.
TEST_P(NeighbourhoodStrength, FallsLinearlyWithDistance)
{
    SensoryMap map = uniformMap();
    map.act(10, 12) = 0.65f;
    const Neighbourhood nb = neighbourhoodOf(map, 3, 10, 12);
    EXPECT_EQ(nb.slope, 0.13f);
    EXPECT_EQ(nb.strength(GetParam().i, GetParam().j), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Learning, NeighbourhoodStrength,
                         ::testing::Values(StrengthCase {"Winner", 10, 12, 0.65f},
                                           StrengthCase {"Distance1", 10, 13, 0.52f},
                                           StrengthCase {"DistanceRoot2", 9, 13, 0.46615222f},
                                           StrengthCase {"Distance3", 7, 12, 0.26f},
                                           StrengthCase {"CornerRoot18", 13, 9, 0.09845673f}),
                         [](const auto &info) { return std::string(info.param.name); });

struct ExtentCase
{
    const char *name;
    int16_t peakrad, maxi, maxj;
    int16_t ilo, ihi, jlo, jhi, nodeCount;
};

class NeighbourhoodExtent : public ::testing::TestWithParam<ExtentCase>
{
};

TEST_P(NeighbourhoodExtent, IsTheSquareCutByTheEdge)
{
    const ExtentCase &c = GetParam();
    const Neighbourhood nb = neighbourhoodOf(uniformMap(), c.peakrad, c.maxi, c.maxj);
    EXPECT_EQ(nb.ilo, c.ilo);
    EXPECT_EQ(nb.ihi, c.ihi);
    EXPECT_EQ(nb.jlo, c.jlo);
    EXPECT_EQ(nb.jhi, c.jhi);
    EXPECT_EQ(nb.nodeCount, c.nodeCount);
}

INSTANTIATE_TEST_SUITE_P(Learning, NeighbourhoodExtent,
                         ::testing::Values(ExtentCase {"Interior", 3, 10, 10, 7, 13, 7, 13, 49},
                                           ExtentCase {"Corner", 3, 1, 1, 1, 4, 1, 4, 16},
                                           ExtentCase {"RightEdge", 3, 20, 10, 17, 20, 7, 13, 28},
                                           ExtentCase {"WinnerOnly", 0, 5, 5, 5, 5, 5, 5, 1},
                                           ExtentCase {"WholeMap", 30, 10, 10, 1, 20, 1, 20, 400},
                                           ExtentCase {"RadiusMinus1", -1, 10, 10, 11, 9, 11, 9, 1},
                                           ExtentCase {"RadiusMinus3", -3, 10, 10, 13, 7, 13, 7,
                                                       25}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(UpdateSmapWts, RadiusZeroMovesOnlyTheWinnerTowardsTheInput)
{
    SensoryMap map = uniformMap();
    map.act(10, 10) = 0.65f;
    updateSmapWts(map, 0, 0, 10, 10, 0.2);

    // Every |x - w| is 0.875 on the six active components and 0.125 on the other 26.
    EXPECT_EQ(map.error, 8.5f);
    const SensoryMap untouched = uniformMap();
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            if (i != 10 || j != 10) {
                ASSERT_EQ(map.node(i, j), untouched.node(i, j)) << i << ", " << j;
            }
        }
    }
    for (int k = 1; k <= inputLength; ++k) {
        const bool active = k <= 3 || (k >= 8 && k <= 10);
        EXPECT_EQ(map.node(10, 10)[k - 1], active ? 0.22417831f : 0.102112636f) << k;
    }
}

struct KeptWeightsCase
{
    const char *name;
    int16_t peakrad, maxi, maxj;
    float winnerAct, errorBefore, errorAfter;
};

class StepKeepingWeights : public ::testing::TestWithParam<KeptWeightsCase>
{
};

TEST_P(StepKeepingWeights, OnlyAccountsTheError)
{
    const KeptWeightsCase &c = GetParam();
    SensoryMap map = uniformMap();
    map.act(c.maxi, c.maxj) = c.winnerAct;
    map.error = c.errorBefore;
    updateSmapWts(map, 0, c.peakrad, c.maxi, c.maxj, 0.2);
    EXPECT_EQ(map.error, c.errorAfter);
    EXPECT_TRUE(map.smapWts == uniformMap().smapWts);
}

// With no activation at the winner the strength is 0 everywhere: the four corner nodes
// only add their mismatch of 8.5 each, and the whole error is divided by 4.
INSTANTIATE_TEST_SUITE_P(
    Learning, StepKeepingWeights,
    ::testing::Values(KeptWeightsCase {"NoActivationCutByCorner", 1, 1, 1, 0, 3, 9.25f},
                      KeptWeightsCase {"RadiusMinus1", -1, 10, 10, 0.65f, 9, 9},
                      KeptWeightsCase {"RadiusMinus3", -3, 10, 10, 0.65f, 100, 4}),
    [](const auto &info) { return std::string(info.param.name); });

// Node (10, 10) holds all its weight on region 0's components and is the active winner;
// its neighbours are uniform.
SensoryMap concentratedWinner()
{
    SensoryMap map = uniformMap();
    map.node(10, 10).fill(0);
    for (int k : {1, 2, 3, 8, 9, 10})
        map.node(10, 10)[k - 1] = float(4.0 / 6);
    map.act(10, 10) = 0.65f;
    map.error = 1.5f;
    return map;
}

class RefusedStep : public ::testing::TestWithParam<RefusedCall>
{
};

TEST_P(RefusedStep, LeavesTheMapUnchanged)
{
    somatomap::testing::expectRefusedWithoutChange(GetParam(), concentratedWinner());
}

INSTANTIATE_TEST_SUITE_P(
    Learning, RefusedStep,
    ::testing::Values(
        RefusedCall {"WinnerAtOrigin", [](SensoryMap &m) { updateSmapWts(m, 0, 3, 0, 0, 0.2); },
                     host::Fault::Kind::IndexOutOfRange},
        RefusedCall {"WinnerI21", [](SensoryMap &m) { updateSmapWts(m, 0, 3, 21, 5, 0.2); },
                     host::Fault::Kind::IndexOutOfRange},
        RefusedCall {"Region24", [](SensoryMap &m) { updateSmapWts(m, 24, 3, 10, 10, 0.2); },
                     host::Fault::Kind::IndexOutOfRange},
        RefusedCall {"RadiusMinus2", [](SensoryMap &m) { updateSmapWts(m, 0, -2, 10, 10, 0.2); },
                     host::Fault::Kind::DivisionByZero},
        RefusedCall {"NodeCountBeyond16Bits",
                     [](SensoryMap &m) { updateSmapWts(m, 0, -200, 10, 10, 0.2); },
                     host::Fault::Kind::Overflow},
        RefusedCall {"LowestRadius",
                     [](SensoryMap &m) { updateSmapWts(m, 0, -32768, 10, 10, 0.2); },
                     host::Fault::Kind::Overflow},
        RefusedCall {"NegativeRateEmptiesTheWinner",
                     [](SensoryMap &m) { updateSmapWts(m, 0, 3, 10, 10, -10); },
                     host::Fault::Kind::DivisionByZero},
        RefusedCall {"HugeRateOverflowsWeights",
                     [](SensoryMap &m) { updateSmapWts(m, 0, 3, 10, 10, 3e38); },
                     host::Fault::Kind::Overflow},
        RefusedCall {"RateBeyondFloat", [](SensoryMap &m) { updateSmapWts(m, 0, 3, 10, 10, 1e39); },
                     host::Fault::Kind::Overflow}),
    somatomap::testing::caseName);

struct PropertyCase
{
    const char *name;
    int16_t region;
    Similarity similarity;
};

class RepeatedLearning : public ::testing::TestWithParam<PropertyCase>
{
};

TEST_P(RepeatedLearning, RaisesTheWinnersSimilarityAndKeepsSumsOfFour)
{
    const PropertyCase &c = GetParam();
    SensoryMap map = randomMap(3600.25 + c.region);
    float first = 0;
    float latest = 0;
    for (int step = 0; step < 30; ++step) {
        activateSensoryMap(map, c.region, c.similarity);
        const Winner w = findWinner(map, c.region, c.similarity);
        const float before = map.act(w.i, w.j);
        updateSmapWts(map, c.region, 3, w.i, w.j, 0.2);
        latest = match(map, c.region, map.node(w.i, w.j), c.similarity);
        ASSERT_GT(latest, before) << "step " << step;
        if (step == 0)
            first = before;
        expectWeightSumsOfFour(map);
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(latest, first + 0.2f);
}

INSTANTIATE_TEST_SUITE_P(
    Learning, RepeatedLearning,
    ::testing::Values(PropertyCase {"FingertipDot", 0, Similarity::NormalisedDotProduct},
                      PropertyCase {"UpperPalmDot", 19, Similarity::NormalisedDotProduct},
                      PropertyCase {"LowerPalmRadial", 23, Similarity::RadialBasis}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
