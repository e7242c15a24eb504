// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/sensory_map.h"

#include <cstdint>

namespace somatomap {

// The node's integer distance round(sqrt(di^2 + dj^2)) (a half to the even neighbour) from
// the peak when |peaki - nodei| <= rad and |peakj - nodej| <= rad, otherwise -1. The bubble
// is a square of half-side rad, so towards its corners the distance can exceed rad.
int16_t inBubble(double rad, double nodei, double nodej, double peaki, double peakj);

// One step of contrast enhancement, which sharpens the activation map into a bubble of
// radius rad around its peak, the first largest value in node order (the peak is (0, 0)
// with value 0 when no value exceeds 0). With M the peak value, slope = M / (rad + 2) and
// a node's old value a at bubble distance d:
//   inside the bubble   a' = min(cap, a + M * slope * (rad - d)), cap = 1 at the peak and
//                       M - 0.1 elsewhere;
//   outside the bubble  a' = a * exp(-4 * (M - a)), set to 0 below 0.1.
// rad is the bubble radius as the caller read it from the user's text with host::leadingNumber at
// the moment of the step (it may have a fraction). A radius of -2 leaves no slope and is refused,
// as is one beyond the range of numbers.
void enhanceContrast(SensoryMap &map, double rad);

} // namespace somatomap
