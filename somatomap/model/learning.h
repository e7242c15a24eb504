// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/sensory_map.h"

#include <cstdint>

namespace somatomap {

// Gives every node new random weights: after re-seeding the random sequence from the
// clock, 32 uniform values per node (node by node in node order, component by component),
// scaled so that they sum to 4.
void randomMapWts(SensoryMap &map);

// Where and how strongly one learning step acts: the square of half-side peakrad around
// the winner (maxi, maxj), cut by the map's edge, with a strength that falls linearly
// from the winner's activation peakAct to 0 at distance peakrad + 2:
//   nbr(i, j) = max(0, peakAct - slope * dist), slope = peakAct / (peakrad + 2),
//   dist = sqrt((maxi - i)^2 + (maxj - j)^2).
// A negative radius leaves the square empty (ilo > ihi, jlo > jhi); nodeCount is then the
// product of the two negative extents, as the running error is divided by it.
struct Neighbourhood
{
    int16_t maxi = 0;
    int16_t maxj = 0;
    int16_t ilo = 0;
    int16_t ihi = 0;
    int16_t jlo = 0;
    int16_t jhi = 0;
    float peakAct = 0;
    float slope = 0;
    int16_t nodeCount = 0; // (jhi + 1 - jlo) * (ihi + 1 - ilo)

    float strength(int i, int j) const;
};

// The neighbourhood of a step with the winner (maxi, maxj), which must lie on the map, and
// the activation map's current value there. A radius of -2 leaves no slope and is refused.
Neighbourhood neighbourhoodOf(const SensoryMap &map, int16_t peakrad, int16_t maxi, int16_t maxj);

// One learning step for hand region ipIndex: every node (i, j) of the neighbourhood moves its
// weights towards the region's input x, w(k) <- max(0, w(k) + lrate * nbr(i, j) * (x(k) - w(k))),
// and rescales them to sum to 4. Each |x(k) - w(k)| is added to the running error, which is
// then divided, as a whole, by the neighbourhood's node count. lrate is the learning rate as
// the caller read it from the user's text with host::leadingNumber at the moment of the step; it is
// used as a 32-bit float. A step that would leave a node with no weight at all (a learning
// rate below 0 or above 1 can) or with weights beyond the range of a 32-bit float is
// refused, like a bad region, winner or radius, before anything changes.
void updateSmapWts(SensoryMap &map, int16_t ipIndex, int16_t peakrad, int16_t maxi, int16_t maxj,
                   double lrate);

} // namespace somatomap
