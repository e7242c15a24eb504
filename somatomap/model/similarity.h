// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/sensory_map.h"

#include <cstdint>

namespace somatomap {

// How a node's weights w are compared with a region's input x (components k = 1..32):
// - normalised dot product: the mean weight over the region's active components,
//   (sum of w(k) where x(k) != 0) / ipSums(region); at most 4/6 for a six-component
//   region when the weights sum to 4;
// - radial basis: exp(-0.5 * |x - w|), from the straight-line distance, between 0 and 1;
// - none chosen: every similarity is 0.
enum class Similarity { None, NormalisedDotProduct, RadialBasis };

// The similarity of a weight vector to the input of hand region 0..23, as a 32-bit float.
// The regions must have been encoded (encodeHandRegions). The caller passes the measure
// chosen at the moment of the call.
float match(const SensoryMap &map, int16_t index, const WeightVector &wtVector,
            Similarity similarity);

// The node of the map that answers a region best: the first in node order with the largest
// similarity above 0, searched with the similarity itself rather than the activation map.
struct Winner
{
    bool found = false; // false when every similarity is 0
    int16_t i = 0;
    int16_t j = 0;
};

Winner findWinner(const SensoryMap &map, int16_t index, Similarity similarity);

// The map's response to a touch of a region: smapAct(i, j) = match(index, smapWts(i, j))
// for every node.
void activateSensoryMap(SensoryMap &map, int16_t index, Similarity similarity);

} // namespace somatomap
