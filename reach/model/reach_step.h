// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reach/model/population.h"

#include <cstdint>

namespace reach {

// The hand's step length for one reach: the speed slider's value / 10, to the nearest whole
// number with ties to even (10-14 give 1, 15-25 give 2, 26-34 give 3, 35-40 give 4).
int16_t stepLength(int16_t speedSliderValue);

// Whether the reach goes on: the hand is at least 2 units from the target and not more than
// 10 units above it. Reads targdist as the latest cellResponse left it, so a reach runs
// cellResponse once before its first test, and the hand takes one more step after coming
// within 2 units.
bool reachContinues(const Model &model);

// One hand step: fresh responses, then the hand moves step units along the population vector.
void stepHand(Model &model, const Switches &switches, int16_t step);

} // namespace reach
