// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/state.h"

#include "host/numbers/round_trip_text.h"

namespace sidestop {

namespace {

// A weight reads as its number, or as the text RUN stored: a variant, so read only.
host::StateEntry weightEntry(std::string name, const Weight &weight)
{
    host::StateEntry entry;
    entry.name = std::move(name);
    entry.type = host::StateType::text;
    entry.read = [&weight] {
        if (const double *number = std::get_if<double>(&weight))
            return host::StateValue(host::roundTripText(*number));
        return host::StateValue(std::get<std::string>(weight));
    };
    return entry;
}

} // namespace

host::StateRegistry stateRegistry(Simulation &sim)
{
    host::StateRegistry registry;
    // Every update clamps each activation to 0..1.
    registry.add("act", sim.net.act, host::withinRange("act", 0, 1));
    registry.add("extip", sim.net.extip);
    registry.add("extipDef", sim.net.extipDef);
    registry.add(weightEntry("poswt", sim.net.poswt));
    registry.add(weightEntry("negwt", sim.net.negwt));
    // Its scroll bar sets it from 0 to 0.2 (as a 32-bit float, a little above 0.2).
    registry.add("noiseSD", sim.net.noiseSD, host::withinRange("noiseSD", 0, double(0.2f)));
    registry.add("niter", sim.niter);
    registry.add("extipOff", sim.extipOff);
    registry.add("actHistory", sim.actHistory, host::withinRange("actHistory", 0, 1));
    registry.add("graphOff", sim.graphOff);
    return registry;
}

} // namespace sidestop
