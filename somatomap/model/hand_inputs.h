// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/sensory_map.h"

#include <cstdint>

namespace somatomap {

// The input code of the hand regions. Components 1..7 tell the finger (finger f sets
// 2f - 1 .. 2f + 1, so neighbouring fingers share one component), 8..20 the position along
// a finger (position p sets 2p + 6 .. 2p + 8), 21..27 the palm column (column X sets
// 2X + 19 .. 2X + 21) and 28..32 the palm row (row Y sets 2Y + 26 .. 2Y + 28). The palm row
// next to the fingers also sets the middle component of finger X and component 20, the
// base end of the finger positions, so it overlaps the finger bases.

// The finger 1..3 of a finger region: 1 + floorValue(index / 6).
int16_t handPart(int16_t index);
// The position 1..6 along the finger (1 the fingertip, 6 the base): 1 + (index Mod 6).
int16_t fingerPart(int16_t index);
// Sets palmXval (column 1..3) and palmYval (row 1..2) of palm region 18..23.
void palmPart(SensoryMap &map, int16_t index);

// The input vector of hand region 0..23; a palm region also sets palmXval and palmYval.
InputVector makeVector(SensoryMap &map, int16_t index);

// The sum of the components, added in order as a 32-bit float.
float sumActivity(const InputVector &ipVector);

// Encodes every region into ipVectors, then sums each into ipSums, as the window does
// once when it loads.
void encodeHandRegions(SensoryMap &map);

} // namespace somatomap
