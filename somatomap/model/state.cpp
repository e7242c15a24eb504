// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/state.h"

#include "host/numbers/fault.h"

#include <limits>
#include <string>
#include <vector>

namespace somatomap {

namespace {

// Every value from low to high.
host::StateRegistry::Check within(double low, double high, const std::string &what)
{
    return [low, high, what](const std::vector<double> &values) {
        for (double value : values) {
            if (value < low || value > high)
                throw host::Fault(host::Fault::Kind::Invalid, what);
        }
    };
}

} // namespace

host::StateRegistry stateRegistry(Core &core)
{
    SensoryMap &map = core.map;
    host::StateRegistry registry;
    registry.add("IpVectors", map.ipVectors, within(0, 1, "An input component is 0 or 1."));
    registry.add("IpSums", map.ipSums,
                 within(0, inputLength, "A region has from 0 to 32 active components."));
    registry.add(
        "smapWts", map.smapWts,
        within(0, std::numeric_limits<double>::infinity(), "A weight of the map is 0 or more."));
    registry.add("smapAct", map.smapAct);
    registry.add("palmXval", map.palmXval, within(0, 3, "The palm column is from 0 to 3."));
    registry.add("palmYval", map.palmYval, within(0, 2, "The palm row is from 0 to 2."));
    registry.add("error", map.error);
    // -1 touches no region; the hand has regions 0 to 23.
    registry.add("part_touched", core.partTouched,
                 within(-1, regionCount - 1, "The touched region is from -1 to 23."));
    registry.add("StopLearning", core.stopLearning);
    return registry;
}

} // namespace somatomap
