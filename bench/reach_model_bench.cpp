// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/population.h"
#include "reach/model/reach_core.h"

#include <benchmark/benchmark.h>

namespace {

// Responses and population vector at the start-up target with a suppressed distractor to
// its left, distance dependence, colour coding and lateral inhibition all on.
void responseAndResultant(benchmark::State &state, bool exponential)
{
    reach::Model model;
    reach::mkcells(model);
    model.cellResp.assign(model.prefDir.size(), 0.0f);
    model.targResp.assign(model.prefDir.size(), 0.0f);
    model.targetx = 22;
    model.targety = 98;
    model.distractorx = -28;
    model.distractory = 98;
    model.attnBoost = 1.5f;
    model.inhibLevel = 0.6f;
    const reach::Switches switches {exponential, true, true, true, true, true};
    for (auto _ : state) {
        reach::cellResponse(model, switches);
        benchmark::DoNotOptimize(reach::resultant(model));
    }
}

BENCHMARK_CAPTURE(responseAndResultant, exponential, true);
BENCHMARK_CAPTURE(responseAndResultant, gaussian, false);

// The responses at start-up with every switch off: what one cell_response() call of the
// Python module computes.
void startUpResponse(benchmark::State &state)
{
    reach::ReachCore core;
    core.startUp();
    for (auto _ : state) {
        core.cellResponse({});
        benchmark::DoNotOptimize(core.model.cellResp.data());
    }
}
BENCHMARK(startUpResponse);

// 10,000 reaches from the origin: 100 target places from x = -40 to 39.2 at y = 100, each at
// 100 tuning widths from 0.2 to 20 (python_bench.py makes the same sweep from Python).
void reachSweep(benchmark::State &state)
{
    reach::ReachCore core;
    core.startUp();
    long steps = 0;
    for (auto _ : state) {
        steps = 0;
        for (int t = 0; t < 100; ++t)
            for (int w = 0; w < 100; ++w) {
                core.putHandAtOrigin();
                core.placeThing(true, float(-40 + 0.8 * t), 100);
                core.model.tuningWidth = float(0.2 + 0.2 * w);
                core.clearPath();
                steps += core.reach(20, {});
            }
    }
    state.counters["steps"] = double(steps);
}
BENCHMARK(reachSweep)->Unit(benchmark::kMillisecond);

} // namespace
