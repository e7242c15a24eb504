// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/hand_inputs.h"

#include "map_fixtures.h"

#include <gtest/gtest.h>

#include <set>

using namespace somatomap;
using somatomap::testing::RefusedCall;

namespace {

// One row of the hand's input code: the components that are 1 (numbered from 1), and the
// finger and position of a finger region or the palm column and row of a palm region.
struct RegionCase
{
    const char *name;
    int16_t region;
    int16_t fingerOrColumn;
    int16_t positionOrRow;
    std::set<int> ones;
};

class InputCode : public ::testing::TestWithParam<RegionCase>
{
};

TEST_P(InputCode, SetsExactlyTheRegionsComponents)
{
    const RegionCase &c = GetParam();
    SensoryMap map;
    const InputVector vector = makeVector(map, c.region);
    for (int k = 1; k <= inputLength; ++k)
        EXPECT_EQ(vector[k - 1], c.ones.count(k) ? 1 : 0) << "component " << k;

    if (c.region < palmFirstRegion) {
        EXPECT_EQ(handPart(c.region), c.fingerOrColumn);
        EXPECT_EQ(fingerPart(c.region), c.positionOrRow);
        EXPECT_EQ(map.palmXval, 0);
        EXPECT_EQ(map.palmYval, 0);
    } else {
        EXPECT_EQ(map.palmXval, c.fingerOrColumn);
        EXPECT_EQ(map.palmYval, c.positionOrRow);
    }

    encodeHandRegions(map);
    EXPECT_EQ(map.ipVectors[c.region], vector);
    EXPECT_EQ(map.ipSums[c.region], float(c.ones.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Hand, InputCode,
    ::testing::Values(RegionCase {"Finger1Tip", 0, 1, 1, {1, 2, 3, 8, 9, 10}},
                      RegionCase {"Finger1Pos2", 1, 1, 2, {1, 2, 3, 10, 11, 12}},
                      RegionCase {"Finger1Pos3", 2, 1, 3, {1, 2, 3, 12, 13, 14}},
                      RegionCase {"Finger1Pos4", 3, 1, 4, {1, 2, 3, 14, 15, 16}},
                      RegionCase {"Finger1Pos5", 4, 1, 5, {1, 2, 3, 16, 17, 18}},
                      RegionCase {"Finger1Base", 5, 1, 6, {1, 2, 3, 18, 19, 20}},
                      RegionCase {"Finger2Tip", 6, 2, 1, {3, 4, 5, 8, 9, 10}},
                      RegionCase {"Finger2Pos2", 7, 2, 2, {3, 4, 5, 10, 11, 12}},
                      RegionCase {"Finger2Pos3", 8, 2, 3, {3, 4, 5, 12, 13, 14}},
                      RegionCase {"Finger2Pos4", 9, 2, 4, {3, 4, 5, 14, 15, 16}},
                      RegionCase {"Finger2Pos5", 10, 2, 5, {3, 4, 5, 16, 17, 18}},
                      RegionCase {"Finger2Base", 11, 2, 6, {3, 4, 5, 18, 19, 20}},
                      RegionCase {"Finger3Tip", 12, 3, 1, {5, 6, 7, 8, 9, 10}},
                      RegionCase {"Finger3Pos2", 13, 3, 2, {5, 6, 7, 10, 11, 12}},
                      RegionCase {"Finger3Pos3", 14, 3, 3, {5, 6, 7, 12, 13, 14}},
                      RegionCase {"Finger3Pos4", 15, 3, 4, {5, 6, 7, 14, 15, 16}},
                      RegionCase {"Finger3Pos5", 16, 3, 5, {5, 6, 7, 16, 17, 18}},
                      RegionCase {"Finger3Base", 17, 3, 6, {5, 6, 7, 18, 19, 20}},
                      RegionCase {"PalmColumn1Row1", 18, 1, 1, {2, 20, 21, 22, 23, 28, 29, 30}},
                      RegionCase {"PalmColumn2Row1", 19, 2, 1, {4, 20, 23, 24, 25, 28, 29, 30}},
                      RegionCase {"PalmColumn3Row1", 20, 3, 1, {6, 20, 25, 26, 27, 28, 29, 30}},
                      RegionCase {"PalmColumn1Row2", 21, 1, 2, {21, 22, 23, 30, 31, 32}},
                      RegionCase {"PalmColumn2Row2", 22, 2, 2, {23, 24, 25, 30, 31, 32}},
                      RegionCase {"PalmColumn3Row2", 23, 3, 2, {25, 26, 27, 30, 31, 32}}),
    [](const auto &info) { return std::string(info.param.name); });

class RefusedRegion : public ::testing::TestWithParam<RefusedCall>
{
};

TEST_P(RefusedRegion, LeavesTheMapUnchanged)
{
    SensoryMap map = somatomap::testing::uniformMap();
    makeVector(map, 19); // palm coordinates (2, 1), different from the last encoded region
    somatomap::testing::expectRefusedWithoutChange(GetParam(), map);
}

INSTANTIATE_TEST_SUITE_P(
    Hand, RefusedRegion,
    ::testing::Values(RefusedCall {"RegionBelow0", [](SensoryMap &m) { makeVector(m, -1); },
                                   host::Fault::Kind::IndexOutOfRange},
                      RefusedCall {"RegionAbove23", [](SensoryMap &m) { makeVector(m, 24); },
                                   host::Fault::Kind::IndexOutOfRange},
                      RefusedCall {"PalmpartOfAFinger", [](SensoryMap &m) { palmPart(m, 17); },
                                   host::Fault::Kind::IndexOutOfRange},
                      RefusedCall {"PalmpartAbove23", [](SensoryMap &m) { palmPart(m, 24); },
                                   host::Fault::Kind::IndexOutOfRange}),
    somatomap::testing::caseName);

} // namespace
