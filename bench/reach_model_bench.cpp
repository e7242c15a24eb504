// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/population.h"

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

} // namespace
