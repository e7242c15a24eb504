// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/ratio.h"
#include "host/numbers/quiet_exp.h"
#include "reach/model/population.h"
#include "reach/model/reach_core.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Responses and population vector at the start-up target with a suppressed distractor to
// its left, distance dependence, colour coding and lateral inhibition all on.
reach::Model startUpWithDistractor()
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
    return model;
}

reach::Switches everySwitch(bool exponential)
{
    return {exponential, true, true, true, true, true};
}

void responseAndResultant(benchmark::State &state, bool exponential)
{
    reach::Model model = startUpWithDistractor();
    const reach::Switches switches = everySwitch(exponential);
    for (auto _ : state) {
        reach::cellResponse(model, switches);
        benchmark::DoNotOptimize(reach::resultant(model));
    }
}

BENCHMARK_CAPTURE(responseAndResultant, exponential, true);
BENCHMARK_CAPTURE(responseAndResultant, gaussian, false);

// The floor under responseAndResultant/exponential: its 200 exponentials (the target's and
// the distractor's tuning of every cell), the same calls on the same arguments, and nothing else.
void exponentialsAlone(benchmark::State &state)
{
    reach::Model model = startUpWithDistractor();
    reach::cellResponse(model, everySwitch(true));
    std::vector<double> exponents;
    for (float preferred : model.prefDir)
        for (float direction : {model.targdir, model.distdir})
            exponents.push_back(-std::abs(double(direction) - preferred) * model.tuningWidth);
    std::vector<double> values(exponents.size());
    for (auto _ : state) {
        for (size_t i = 0; i < exponents.size(); ++i)
            values[i] = host::quietExp(exponents[i]);
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(exponentialsAlone);

// The two other parts of it on their own: the lateral-inhibition pass over the responses, and
// the population vector, a sum taken in cell order.
void inhibitionAlone(benchmark::State &state)
{
    reach::Model model = startUpWithDistractor();
    reach::cellResponse(model, everySwitch(true));
    const std::vector<float> responses = model.cellResp;
    for (auto _ : state) {
        std::copy(responses.begin(), responses.end(), model.cellResp.begin());
        reach::lateralInhibition(model);
        benchmark::DoNotOptimize(model.cellResp.data());
    }
}
BENCHMARK(inhibitionAlone);

void resultantAlone(benchmark::State &state)
{
    reach::Model model = startUpWithDistractor();
    reach::cellResponse(model, everySwitch(true));
    for (auto _ : state)
        benchmark::DoNotOptimize(reach::resultant(model));
}
BENCHMARK(resultantAlone);

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

// The straightforward responses and population vector for every switch on, one pass over
// the cells with an exp call each for target and distractor and cos and sin of each
// responding cell, from the geometry the model already holds.
float plainResponseAndResultant(reach::Model &model, bool exponential)
{
    const auto factor = [](float distance) {
        return distance >= 100 ? 0.25f : float((100.0 - distance) / 100 * 0.75 + 0.25);
    };
    const auto tuning = [&](double angle) {
        const double a = std::abs(angle);
        return std::exp(-(exponential ? a : a * a) * double(model.tuningWidth));
    };
    const float targFactor = factor(model.targdist);
    const float distFactor = factor(model.tractordist);
    for (size_t i = 0; i < model.prefDir.size(); ++i) {
        const double preferred = model.prefDir[i];
        float distPart = float(tuning(model.distdir - preferred) * distFactor);
        const float targPart
            = float(tuning(model.targdir - preferred) * targFactor * double(model.attnBoost));
        distPart = float(-double(model.inhibLevel) * distPart);
        model.targResp[i] = targPart;
        model.cellResp[i] = reach::max(0, float(double(targPart) + distPart));
    }
    reach::lateralInhibition(model);
    float sx = 0;
    float sy = 0;
    for (size_t i = 0; i < model.prefDir.size(); ++i) {
        const float response = model.cellResp[i];
        if (response > 0.05f) {
            sx = float(double(sx) + double(response) * std::cos(double(model.prefDir[i])));
            sy = float(double(sy) + double(response) * std::sin(double(model.prefDir[i])));
        }
    }
    return float(std::atan(double(sy) / sx));
}

void responseAndResultantRatio(benchmark::State &state, bool exponential)
{
    reach::Model model = startUpWithDistractor();
    const reach::Switches switches = everySwitch(exponential);
    reach::cellResponse(model, switches);
    const std::vector<float> kernelResponses = model.cellResp;
    const std::vector<float> kernelTargetParts = model.targResp;
    plainResponseAndResultant(model, exponential);
    if (model.cellResp != kernelResponses || model.targResp != kernelTargetParts)
        state.SkipWithError("the responses and their straightforward version differ");
    bench::measureRatio(
        state,
        [&] {
            reach::cellResponse(model, switches);
            benchmark::DoNotOptimize(reach::resultant(model));
        },
        [&] { benchmark::DoNotOptimize(plainResponseAndResultant(model, exponential)); });
}

BENCHMARK_CAPTURE(responseAndResultantRatio, exponential, true);
BENCHMARK_CAPTURE(responseAndResultantRatio, gaussian, false);

} // namespace
