// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/reach_step.h"

#include "host/numbers/rounding.h"

#include <cmath>

namespace reach {

int16_t stepLength(int16_t speedSliderValue) { return host::nearestInt16(speedSliderValue / 10.0); }

bool reachContinues(const Model &model)
{
    const float highestHand = float(double(model.targety) + 10);
    return model.targdist >= 2 && model.handy <= highestHand;
}

void stepHand(Model &model, const Switches &switches, int16_t step)
{
    cellResponse(model, switches);
    const double direction = resultant(model);
    model.handx = float(double(model.handx) + std::cos(direction) * step);
    model.handy = float(double(model.handy) + std::sin(direction) * step);
}

} // namespace reach
