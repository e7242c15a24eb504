// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/state.h"

#include "host/numbers/fault.h"
#include "host/numbers/round_trip_text.h"

#include <string>

namespace reach {

namespace {

// Refuses a value outside [low, high], the values the piece's slider can give.
host::StateRegistry::Check within(std::string name, float low, float high)
{
    return [name = std::move(name), low, high](const std::vector<double> &values) {
        for (double value : values)
            if (value < double(low) || value > double(high))
                throw host::Fault(host::Fault::Kind::Invalid,
                                  "The value of " + name
                                      + " was refused: " + host::roundTripText(value)
                                      + " lies outside " + host::roundTripText(low) + " to "
                                      + host::roundTripText(high) + ".");
    };
}

} // namespace

host::StateRegistry stateRegistry(ReachCore &core)
{
    Model &model = core.model;
    host::StateRegistry registry;
    registry.add("ncells", model.ncells);
    registry.add("prefDir", model.prefDir);
    registry.add("cellResp", model.cellResp);
    registry.add("targResp", model.targResp);
    // hsbCelltune 1..100 / 5
    registry.add("tuningWidth", model.tuningWidth, within("tuningWidth", float(1 / 5.0), 20));
    registry.add("targetx", model.targetx);
    registry.add("targety", model.targety);
    registry.add("distractorx", model.distractorx);
    registry.add("distractory", model.distractory);
    registry.add("handx", model.handx);
    registry.add("handy", model.handy);
    registry.add("txdist", model.txdist);
    registry.add("tydist", model.tydist);
    registry.add("targdist", model.targdist);
    registry.add("targdir", model.targdir);
    registry.add("dxdist", model.dxdist);
    registry.add("dydist", model.dydist);
    registry.add("tractordist", model.tractordist);
    registry.add("distdir", model.distdir);
    // hsbAttended 0..100 / 100 + 1, hsbSuppLevel 0..100 / 100
    registry.add("attnBoost", model.attnBoost, within("attnBoost", 1, 2));
    registry.add("inhibLevel", model.inhibLevel, within("inhibLevel", 0, 1));
    registry.add("step", core.step);
    registry.add("moving_things", core.movingThings);
    return registry;
}

} // namespace reach
