// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/network.h"

#include <benchmark/benchmark.h>

namespace {

// One update of the default layer, from a state in which every unit is active so that the
// alternative rule compares every pair.
void iterateNet(benchmark::State &state, sidestop::InhibitionRule rule)
{
    sidestop::Network net;
    sidestop::setDefaultInput(net);
    net.extip = net.extipDef;
    net.poswt = 0.1;
    net.negwt = 0.5;
    const std::array<double, sidestop::unitCount> start {0.1, 0.5, 0.3, 0.2, 0.7,
                                                         0.9, 0.4, 0.6, 0.8, 0.05};
    for (auto _ : state) {
        net.act = start;
        sidestop::iterateNet(net, rule);
        benchmark::DoNotOptimize(net.act);
    }
}

BENCHMARK_CAPTURE(iterateNet, standard, sidestop::InhibitionRule::Standard);
BENCHMARK_CAPTURE(iterateNet, alternative, sidestop::InhibitionRule::Alternative);

} // namespace
