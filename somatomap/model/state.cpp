// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/state.h"

#include <limits>
#include <string>
#include <vector>

namespace somatomap {

host::StateRegistry stateRegistry(Core &core)
{
    SensoryMap &map = core.map;
    host::StateRegistry registry;
    registry.add("IpVectors", map.ipVectors, host::withinRange("IpVectors", 0, 1));
    registry.add("IpSums", map.ipSums, host::withinRange("IpSums", 0, inputLength));
    registry.add("smapWts", map.smapWts,
                 host::withinRange("smapWts", 0, std::numeric_limits<double>::infinity()));
    registry.add("smapAct", map.smapAct);
    registry.add("palmXval", map.palmXval, host::withinRange("palmXval", 0, 3));
    registry.add("palmYval", map.palmYval, host::withinRange("palmYval", 0, 2));
    registry.add("error", map.error);
    // -1 touches no region; the hand has regions 0 to 23.
    registry.add("part_touched", core.partTouched,
                 host::withinRange("part_touched", -1, regionCount - 1));
    registry.add("StopLearning", core.stopLearning);
    return registry;
}

} // namespace somatomap
