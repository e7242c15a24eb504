// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/learning.h"

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"
#include "somatomap/model/map_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace somatomap {

namespace {

// Scales a weight vector with the given component sum so that it sums to 4.
void rescale(WeightVector &w, float sum)
{
    const float divisor = float(double(sum) / weightSum);
    for (float &component : w)
        component = float(double(component) / divisor);
}

std::string nodeText(int i, int j)
{
    return "(" + std::to_string(i) + ", " + std::to_string(j) + ")";
}

// Moves a node's weights towards the input x by rateNbr = lrate * nbr, clipped at 0, adds each
// |x(k) - w(k)| to the running error and returns the new component sum. A sum or difference
// of two floats rounds to the same float whether it is formed in float or in double and
// keeps the sign of the exact result, so these run in float; the three-factor product is
// formed in double. The two running sums are taken in component order.
float moveTowards(WeightVector &w, const std::array<float, inputLength> &x, double rateNbr,
                  float &error)
{
    std::array<float, inputLength> diff;
    for (int k = 0; k < inputLength; ++k) {
        diff[k] = x[k] - w[k];
        const float moved = w[k] + float(rateNbr * diff[k]);
        w[k] = moved > 0 ? moved : 0.0f;
    }
    float sum = 0;
    for (int k = 0; k < inputLength; ++k) {
        error += std::fabs(diff[k]);
        sum += w[k];
    }
    return sum;
}

// A node's moved weights can be rescaled to sum to 4 only when their sum is positive and
// finite: a learning rate below 0 or above 1 can empty a node, a huge one overflow it.
void requireRescalable(float sum, int i, int j)
{
    if (!std::isfinite(sum))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The learning step would make the weights of node " + nodeText(i, j)
                              + " too large for a 32-bit float; use a smaller learning rate.");
    if (!(float(double(sum) / weightSum) > 0))
        throw host::Fault(host::Fault::Kind::DivisionByZero,
                          "The learning step would leave node " + nodeText(i, j)
                              + " with no weight to rescale; use a learning rate from 0 to 1.");
}

} // namespace

void randomMapWts(SensoryMap &map)
{
    host::reseed(host::clockSeed());
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            WeightVector &w = map.node(i, j);
            float sum = 0;
            for (float &component : w) {
                component = host::nextRandom();
                sum = float(double(sum) + component);
            }
            rescale(w, sum);
        }
    }
}

float Neighbourhood::strength(int i, int j) const
{
    const float di = float(maxi - i);
    const float dj = float(maxj - j);
    const float dist = float(std::sqrt(double(di) * di + double(dj) * dj));
    return maxOf(0, double(peakAct) - double(slope) * dist);
}

Neighbourhood neighbourhoodOf(const SensoryMap &map, int16_t peakrad, int16_t maxi, int16_t maxj)
{
    requireNode(maxi, maxj, "The winning node");
    if (peakrad == -2)
        throw host::Fault(host::Fault::Kind::DivisionByZero,
                          "A learning radius of -2 cannot be used: the neighbourhood's slope "
                          "divides by the radius plus 2.");
    // The bounds and the node count are 16-bit integers, every intermediate included; only
    // a radius far below 0 leaves that range.
    const auto within16Bits = [peakrad](double value) {
        if (value < INT16_MIN || value > INT16_MAX)
            throw host::Fault(host::Fault::Kind::Overflow,
                              "The learning radius " + std::to_string(peakrad)
                                  + " is too far below 0: the neighbourhood's size does not "
                                    "fit a 16-bit integer.");
        return host::nearestInt16(value);
    };
    Neighbourhood nb;
    nb.maxi = maxi;
    nb.maxj = maxj;
    nb.ilo = within16Bits(maxOf(1, double(maxi) - peakrad));
    nb.ihi = within16Bits(minOf(mapSide, double(maxi) + peakrad));
    nb.jlo = within16Bits(maxOf(1, double(maxj) - peakrad));
    nb.jhi = within16Bits(minOf(mapSide, double(maxj) + peakrad));
    nb.peakAct = map.act(maxi, maxj);
    nb.slope = float(double(nb.peakAct) / (peakrad + 2));
    const int16_t jExtent = within16Bits(within16Bits(nb.jhi + 1) - nb.jlo);
    const int16_t iExtent = within16Bits(within16Bits(nb.ihi + 1) - nb.ilo);
    nb.nodeCount = within16Bits(jExtent * iExtent);
    return nb;
}

void updateSmapWts(SensoryMap &map, int16_t ipIndex, int16_t peakrad, int16_t maxi, int16_t maxj,
                   double lrate)
{
    requireRegion(ipIndex);
    const float rate = float(lrate);
    if (!std::isfinite(rate))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The learning rate is too large for a 32-bit float.");
    const Neighbourhood nb = neighbourhoodOf(map, peakrad, maxi, maxj);
    std::array<float, inputLength> x;
    std::copy(map.ipVectors[ipIndex].begin(), map.ipVectors[ipIndex].end(), x.begin());

    // The new weights are gathered first and stored only when every node could be rescaled.
    std::array<WeightVector, mapSide * mapSide> updated;
    int count = 0;
    float error = map.error;
    for (int i = nb.ilo; i <= nb.ihi; ++i) {
        for (int j = nb.jlo; j <= nb.jhi; ++j) {
            const double rateNbr = double(rate) * nb.strength(i, j);
            WeightVector w = map.node(i, j);
            const float sumw = moveTowards(w, x, rateNbr, error);
            requireRescalable(sumw, i, j);
            rescale(w, sumw);
            updated[count++] = w;
        }
    }

    count = 0;
    for (int i = nb.ilo; i <= nb.ihi; ++i) {
        for (int j = nb.jlo; j <= nb.jhi; ++j)
            map.node(i, j) = updated[count++];
    }
    map.error = float(double(error) / nb.nodeCount);
}

} // namespace somatomap
