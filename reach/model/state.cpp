// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/state.h"

#include <string>

namespace reach {

host::StateRegistry stateRegistry(ReachCore &core)
{
    Model &model = core.model;
    host::StateRegistry registry;
    registry.add("ncells", model.ncells);
    registry.add("prefDir", model.prefDir);
    registry.add("cellResp", model.cellResp);
    registry.add("targResp", model.targResp);
    // hsbCelltune 1..100 / 5
    registry.add("tuningWidth", model.tuningWidth,
                 host::withinRange("tuningWidth", float(1 / 5.0), 20));
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
    registry.add("attnBoost", model.attnBoost, host::withinRange("attnBoost", 1, 2));
    registry.add("inhibLevel", model.inhibLevel, host::withinRange("inhibLevel", 0, 1));
    registry.add("step", core.step);
    registry.add("moving_things", core.movingThings);
    return registry;
}

} // namespace reach
