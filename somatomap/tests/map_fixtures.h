// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/fault.h"
#include "somatomap/model/hand_inputs.h"
#include "somatomap/model/sensory_map.h"

#include <gtest/gtest.h>

#include <functional>

namespace somatomap::testing {

// A map with every region encoded, every weight 1/8 (so each node sums to 4) and an
// activation map of 0.
inline SensoryMap uniformMap()
{
    SensoryMap map;
    encodeHandRegions(map);
    for (auto &row : map.smapWts) {
        for (WeightVector &w : row)
            w.fill(0.125f);
    }
    return map;
}

// The kind of fault a call raises; a call that raises none fails the test.
inline host::Fault::Kind faultKindOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const host::Fault &fault) {
        EXPECT_FALSE(std::string(fault.what()).empty());
        return fault.kind();
    }
    ADD_FAILURE() << "no fault raised";
    return host::Fault::Kind::Invalid;
}

// A call on a map that must be refused with the given kind of fault.
struct RefusedCall
{
    const char *name;
    std::function<void(SensoryMap &)> call;
    host::Fault::Kind kind;
};

// Runs a refused call on the given map and checks that it leaves every field as it was.
inline void expectRefusedWithoutChange(const RefusedCall &refused, SensoryMap map)
{
    const SensoryMap before = map;
    EXPECT_EQ(faultKindOf([&] { refused.call(map); }), refused.kind);
    EXPECT_TRUE(map == before) << "the refused call changed the map";
}

inline std::string caseName(const ::testing::TestParamInfo<RefusedCall> &info)
{
    return info.param.name;
}

} // namespace somatomap::testing
