// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/contrast.h"
#include "somatomap/model/similarity.h"

#include "map_fixtures.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>

using namespace somatomap;
using somatomap::testing::RefusedCall;
using somatomap::testing::uniformMap;

namespace {

WeightVector weightsOn(std::initializer_list<int> components, float value)
{
    WeightVector w {};
    for (int k : components)
        w[k - 1] = value;
    return w;
}

const WeightVector allOnRegion0 = weightsOn({1, 2, 3, 8, 9, 10}, float(4.0 / 6));
const WeightVector allOnRegion18 = weightsOn({2, 20, 21, 22, 23, 28, 29, 30}, 0.5f);
const WeightVector uniform
    = weightsOn({1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32},
                0.125f);

struct MatchCase
{
    const char *name;
    int16_t region;
    WeightVector weights;
    Similarity similarity;
    float expected;
};

class Match : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(Match, GivesTheSimilarityToTheRegion)
{
    const MatchCase &c = GetParam();
    EXPECT_EQ(match(uniformMap(), c.region, c.weights, c.similarity), c.expected);
}

// The best weights that sum to 4 put 4/6 (4/8) on each active component of a six (eight)
// component region: mean weight 4/6, and radial basis exp(-0.5 * sqrt(6/9)) ~ 0.665.
INSTANTIATE_TEST_SUITE_P(
    Map, Match,
    ::testing::Values(
        MatchCase {"DotBestForSix", 0, allOnRegion0, Similarity::NormalisedDotProduct, 0.6666667f},
        MatchCase {"RadialBestForSix", 0, allOnRegion0, Similarity::RadialBasis, 0.6648138f},
        MatchCase {"DotBestForEight", 18, allOnRegion18, Similarity::NormalisedDotProduct, 0.5f},
        MatchCase {"RadialBestForEight", 18, allOnRegion18, Similarity::RadialBasis, 0.4930687f},
        MatchCase {"DotUniform", 0, uniform, Similarity::NormalisedDotProduct, 0.125f},
        MatchCase {"RadialUniform", 0, uniform, Similarity::RadialBasis, 0.3269219f},
        MatchCase {"DotSharingOneComponent", 18, allOnRegion0, Similarity::NormalisedDotProduct,
                   0.083333336f},
        MatchCase {"NoSimilarityChosen", 0, allOnRegion0, Similarity::None, 0.0f}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ActivateSensoryMap, EachNodeRespondsWithItsOwnWeights)
{
    SensoryMap map = uniformMap();
    map.node(2, 5) = allOnRegion0;
    activateSensoryMap(map, 0, Similarity::NormalisedDotProduct);
    EXPECT_EQ(map.act(2, 5), 0.6666667f);
    EXPECT_EQ(map.act(5, 2), 0.125f);
    EXPECT_EQ(map.act(20, 20), 0.125f);

    activateSensoryMap(map, 0, Similarity::None);
    EXPECT_EQ(map.act(2, 5), 0.0f);
}

// Weights spread over many binades, zeros and sub-normal floats among them: the map's own
// responses and its winner search must give, bit for bit, what match() gives node by node.
TEST(ActivateSensoryMap, EveryNodeGivesExactlyWhatMatchGives)
{
    SensoryMap map = uniformMap();
    uint32_t seed = 12345;
    for (auto &row : map.smapWts) {
        for (WeightVector &w : row) {
            for (float &component : w) {
                seed = seed * 1664525u + 1013904223u;
                const int exponent = int(seed >> 26) - 40; // 2^-40 .. 2^23
                component
                    = (seed & 7) == 0 ? 0.0f : std::ldexp(float(seed & 0xffff), exponent - 16);
            }
        }
    }
    map.node(3, 4).fill(std::numeric_limits<float>::denorm_min());
    for (Similarity similarity : {Similarity::NormalisedDotProduct, Similarity::RadialBasis}) {
        for (int16_t region = 0; region < regionCount; ++region) {
            activateSensoryMap(map, region, similarity);
            Winner expected;
            float best = 0;
            for (int i = 1; i <= mapSide; ++i) {
                for (int j = 1; j <= mapSide; ++j) {
                    const float m = match(map, region, map.node(i, j), similarity);
                    ASSERT_EQ(std::bit_cast<uint32_t>(map.act(i, j)), std::bit_cast<uint32_t>(m))
                        << "region " << region << " node (" << i << ", " << j << ")";
                    if (m > best) {
                        best = m;
                        expected = {true, int16_t(i), int16_t(j)};
                    }
                }
            }
            const Winner winner = findWinner(map, region, similarity);
            EXPECT_EQ(winner.found, expected.found);
            EXPECT_EQ(winner.i, expected.i);
            EXPECT_EQ(winner.j, expected.j);
        }
    }
}

struct BubbleCase
{
    const char *name;
    double rad;
    double nodei, nodej, peaki, peakj;
    int expected;
};

class InBubble : public ::testing::TestWithParam<BubbleCase>
{
};

TEST_P(InBubble, GivesTheRoundedDistanceInsideTheSquare)
{
    const BubbleCase &c = GetParam();
    EXPECT_EQ(inBubble(c.rad, c.nodei, c.nodej, c.peaki, c.peakj), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Map, InBubble,
                         ::testing::Values(BubbleCase {"Peak", 3, 10, 10, 10, 10, 0},
                                           BubbleCase {"DiagonalRoundsDown", 3, 11, 11, 10, 10, 1},
                                           BubbleCase {"DiagonalRoundsUp", 3, 12, 12, 10, 10, 3},
                                           BubbleCase {"CornerBeyondRadius", 3, 7, 13, 10, 10, 4},
                                           BubbleCase {"OutsideInJ", 3, 10, 6, 10, 10, -1},
                                           BubbleCase {"FractionalRadiusIn", 2.5, 12, 8, 10, 10, 3},
                                           BubbleCase {"FractionalRadiusOut", 2.5, 13, 10, 10, 10,
                                                       -1},
                                           BubbleCase {"PeakOffTheMap", 3, 3, 3, 0, 0, 4},
                                           BubbleCase {"NegativeRadius", -1, 10, 10, 10, 10, -1}),
                         [](const auto &info) { return std::string(info.param.name); });

// A map whose peak (10, 10) holds 0.5, with 0.4 next to it and 0.3 and 0.2 far away.
SensoryMap exampleActivation()
{
    SensoryMap map = uniformMap();
    map.act(10, 10) = 0.5f;
    map.act(10, 11) = 0.4f;
    map.act(1, 1) = 0.3f;
    map.act(20, 20) = 0.2f;
    return map;
}

struct EnhancementCase
{
    const char *name;
    double rad;
    int i, j;
    float expected;
};

class Enhancement : public ::testing::TestWithParam<EnhancementCase>
{
};

TEST_P(Enhancement, SharpensTheExampleMap)
{
    const EnhancementCase &c = GetParam();
    SensoryMap map = exampleActivation();
    enhanceContrast(map, c.rad);
    EXPECT_EQ(map.act(c.i, c.j), c.expected);
}

// Radius 3 on peak 0.5: slope 0.1, the peak gains 0.15, bubble nodes 0.05 per step of
// distance short of 3 up to the cap 0.4; outside, a * exp(-4 * (0.5 - a)), 0 below 0.1.
INSTANTIATE_TEST_SUITE_P(
    Map, Enhancement,
    ::testing::Values(EnhancementCase {"PeakGrows", 3, 10, 10, 0.65f},
                      EnhancementCase {"NeighbourHeldAtCap", 3, 10, 11, 0.4f},
                      EnhancementCase {"BubbleNodeAtDistance2", 3, 12, 10, 0.05f},
                      EnhancementCase {"BubbleCornerLoses", 3, 13, 13, -0.05f},
                      EnhancementCase {"OutsideDecays", 3, 1, 1, 0.1347987f},
                      EnhancementCase {"OutsideBelowTenthSilenced", 3, 20, 20, 0.0f},
                      EnhancementCase {"FractionalRadiusCorner", 2.5, 12, 12, -0.027777778f},
                      EnhancementCase {"NoBubblePeakKeeps", -1, 10, 10, 0.5f},
                      EnhancementCase {"NoBubbleNeighbourDecays", -1, 10, 11, 0.26812804f},
                      EnhancementCase {"NoBubbleFarDecays", -1, 1, 1, 0.1347987f}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EnhanceContrast, RepeatedStepsRaiseThePeakToExactlyOne)
{
    SensoryMap map = exampleActivation();
    const float expectedPeaks[] = {0.65f, 0.90349996f, 1.0f, 1.0f, 1.0f, 1.0f};
    for (float expected : expectedPeaks) {
        enhanceContrast(map, 3);
        EXPECT_EQ(map.act(10, 10), expected);
    }
    EXPECT_EQ(map.act(1, 1), 0.0f); // decayed below 0.1 on the way
}

TEST(EnhanceContrast, EmptyMapCentresTheBubbleOffTheMap)
{
    SensoryMap map = uniformMap();
    enhanceContrast(map, 3);
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j)
            EXPECT_EQ(map.act(i, j), i <= 3 && j <= 3 ? -0.1f : 0.0f) << i << ", " << j;
    }
}

struct TieCase
{
    const char *name;
    int firstI, firstJ, secondI, secondJ; // node order: first comes before second
    float second; // the second node's value after one step of radius 3
};

class PeakTie : public ::testing::TestWithParam<TieCase>
{
};

TEST_P(PeakTie, TheFirstNodeInOrderIsThePeak)
{
    const TieCase &c = GetParam();
    SensoryMap map = uniformMap();
    map.act(c.firstI, c.firstJ) = 0.5f;
    map.act(c.secondI, c.secondJ) = 0.5f;
    enhanceContrast(map, 3);
    EXPECT_EQ(map.act(c.firstI, c.firstJ), 0.65f);
    EXPECT_EQ(map.act(c.secondI, c.secondJ), c.second);
}

INSTANTIATE_TEST_SUITE_P(Map, PeakTie,
                         ::testing::Values(TieCase {"SmallerIFirst", 4, 15, 9, 2, 0.5f},
                                           TieCase {"SameISmallerJFirst", 7, 5, 7, 12, 0.5f},
                                           TieCase {"NeighboursInOneBubble", 5, 5, 5, 6, 0.4f}),
                         [](const auto &info) { return std::string(info.param.name); });

class RefusedResponse : public ::testing::TestWithParam<RefusedCall>
{
};

TEST_P(RefusedResponse, LeavesTheMapUnchanged)
{
    somatomap::testing::expectRefusedWithoutChange(GetParam(), exampleActivation());
}

INSTANTIATE_TEST_SUITE_P(
    Map, RefusedResponse,
    ::testing::Values(
        RefusedCall {"BubbleRadiusMinus2", [](SensoryMap &m) { enhanceContrast(m, -2); },
                     host::Fault::Kind::DivisionByZero},
        RefusedCall {
            "BubbleRadiusInfinite",
            [](SensoryMap &m) { enhanceContrast(m, std::numeric_limits<double>::infinity()); },
            host::Fault::Kind::Overflow},
        RefusedCall {"ActivateRegion24",
                     [](SensoryMap &m) { activateSensoryMap(m, 24, Similarity::RadialBasis); },
                     host::Fault::Kind::IndexOutOfRange},
        RefusedCall {
            "MatchRegionMinus1",
            [](SensoryMap &m) { match(m, -1, m.node(1, 1), Similarity::NormalisedDotProduct); },
            host::Fault::Kind::IndexOutOfRange}),
    somatomap::testing::caseName);

} // namespace
