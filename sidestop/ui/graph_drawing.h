// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/model/run_driver.h"

#include <QColor>

#include <optional>

namespace host {
class Canvas;
}

namespace sidestop {

// Unit k (0..9) is drawn in entry 14 - k of the classic palette.
QColor unitColor(int unit);

// The bar graph: axes for ten units and one box per unit, as high as its input.
void drawInputBars(host::Canvas &canvas, const Simulation &sim);

// The time graph's empty axes for the run's iterations.
void drawTimeAxes(host::Canvas &canvas, const Simulation &sim);

// The history of the last run: the offset marker at iteration extipOff and one curve per unit,
// width 3, from the origin through (t, activation after iteration t).
void drawHistory(host::Canvas &canvas, const Simulation &sim);

// One unit's bar while its level control moves: a growing bar is drawn over the old one (as
// high as shownBefore); a shrinking or equal one first erases the old bar with the back colour
// (the whole column when the old height is unknown). The canvas is left in the unit's colour.
void redrawBar(host::Canvas &canvas, int unit, float level, std::optional<float> shownBefore,
               QColor back);

} // namespace sidestop
