// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/network.h"

#include "sidestop/model/input_checks.h"
#include "sidestop/model/noise.h"

namespace sidestop {

namespace {

// Sum of the amounts by which the other units exceed unit i, held as a 32-bit float.
float excessOfMoreActive(const Units &old, int i)
{
    float sum = 0;
    for (int j = 0; j < unitCount; ++j) {
        if (j != i)
            sum = float(double(sum) + maxVal(0, old[j] - old[i]));
    }
    return sum;
}

} // namespace

void iterateNet(Network &net, InhibitionRule rule)
{
    // A weight text cannot change during one update, so reading each once here gives the
    // values of every use below and faults before any activation is written.
    const double poswt = storedWeight(net.poswt, "Positive feedback weight");
    const double negwt = storedWeight(net.negwt, "Lateral inhibitory weight");

    const Units old = net.act;
    double total = 0;
    for (double activation : old)
        total += activation;

    for (int i = 0; i < unitCount; ++i) {
        const double excitation = old[i] * poswt + net.extip[i];
        const double inhibition = rule == InhibitionRule::Standard
            ? (total - old[i]) * negwt
            : double(excessOfMoreActive(old, i)) * negwt;
        double v = netInput(excitation, inhibition);
        if (net.noiseSD != 0)
            v += gaussnoise(0, net.noiseSD);
        if (v > 1)
            v = 1;
        else if (v < 0)
            v = 0;
        net.act[i] = v;
    }
}

float netInput(double excitation, double inhibition) { return float(excitation - inhibition); }

float maxVal(double a, double b) { return float(a >= b ? a : b); }

void setDefaultInput(Network &net) { net.extipDef = {0, 0.2, 0.3, 0, 0, 0.9, 0, 0.4, 0.1, 0}; }

} // namespace sidestop
