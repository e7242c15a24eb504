// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reach/model/reach_core.h"

namespace host {
class Canvas;
}

namespace reach {

// The line y = 0 across the hand display, from x = -100 to 100, in the fore colour.
void drawBaseline(host::Canvas &canvas);

// The path's latest step: a line from the current point to the hand's latest place on the
// path (nothing while the path is empty).
void drawLatestStep(host::Canvas &canvas, const ReachCore &core);

} // namespace reach
