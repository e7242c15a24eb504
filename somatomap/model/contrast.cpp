// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/contrast.h"

#include "host/numbers/fault.h"
#include "host/numbers/rounding.h"

#include <cmath>

namespace somatomap {

namespace {

constexpr double decayGain = 4;
constexpr double peakMargin = 0.1;
constexpr float silenceLevel = 0.1f;

struct Peak
{
    float value = 0;
    int i = 0;
    int j = 0;
};

// The first node in node order holding the largest value above 0.
Peak peakOf(const SensoryMap &map)
{
    Peak peak;
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            if (map.act(i, j) > peak.value)
                peak = {map.act(i, j), i, j};
        }
    }
    return peak;
}

} // namespace

int16_t inBubble(double rad, double nodei, double nodej, double peaki, double peakj)
{
    double di = std::fabs(peaki - nodei);
    double dj = std::fabs(peakj - nodej);
    if (di <= rad && dj <= rad)
        return host::nearestInt16(std::sqrt(di * di + dj * dj));
    return -1;
}

void enhanceContrast(SensoryMap &map, double rad)
{
    if (!std::isfinite(rad))
        throw host::Fault(host::Fault::Kind::Overflow, "The bubble radius is too large.");
    if (rad + 2 == 0)
        throw host::Fault(host::Fault::Kind::DivisionByZero,
                          "A bubble radius of -2 cannot be used: the slope of the bubble "
                          "divides by the radius plus 2.");

    const Peak peak = peakOf(map);
    const double maxAct = peak.value;
    const double slope = maxAct / (rad + 2);
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            const double a = map.act(i, j);
            const int d = inBubble(rad, i, j, peak.i, peak.j);
            if (d >= 0) {
                const double cap = d == 0 ? 1.0 : maxAct - peakMargin;
                map.act(i, j) = minOf(cap, a + maxAct * slope * (rad - d));
            } else {
                const float decayed = float(a * std::exp(-decayGain * (maxAct - a)));
                map.act(i, j) = decayed < silenceLevel ? 0 : decayed;
            }
        }
    }
}

} // namespace somatomap
