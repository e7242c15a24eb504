// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/ratio.h"
#include "calc/model/network.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// The sixteen numerals as the shipped pattern file gives them.
calc::Network numeralNetwork()
{
    const char *segments[16]
        = {"3 6",     "1 3 4 5 7",     "1 3 4 6 7",   "2 3 4 6",     "1 2 4 6 7",   "1 2 4 5 6 7",
           "1 3 6",   "1 2 3 4 5 6 7", "1 2 3 4 6 7", "1 2 3 5 6 7", "1 2 3 4 5 6", "2 4 5 6 7",
           "1 2 5 7", "3 4 5 6 7",     "1 2 4 5 7",   "1 2 4 5"};
    calc::Network net;
    net.nInputs = 7;
    net.nOutputs = 16;
    net.nPatterns = 16;
    for (int p = 1; p <= 16; ++p) {
        net.inPatterns.push_back(calc::strToArray(segments[p - 1]));
        net.targets.push_back(calc::UnitList {int16_t(p)});
    }
    calc::clearWeights(net);
    calc::clearUnits(net);
    net.lrate = 0.05f;
    return net;
}

void runEpoch(calc::Network &net, calc::OutputRule rule)
{
    net.sumError = 0;
    for (int p = 1; p <= 16; ++p) {
        net.curInput = net.inPatterns[size_t(p - 1)];
        net.curTarget = net.targets[size_t(p - 1)];
        calc::computeNet(net);
        calc::applyActivation(net, rule);
        calc::computeErrors(net);
        calc::updateWeights(net);
    }
}

// One epoch of sixteen presentations in order, each applying the delta rule, from the weights
// after four epochs, when many outputs are still wrong and many weights change. Restoring those
// weights (112 floats copied in place) is part of every measured iteration.
void epoch(benchmark::State &state, calc::OutputRule rule)
{
    calc::Network net = numeralNetwork();
    for (int e = 0; e < 4; ++e)
        runEpoch(net, rule);
    const std::vector<std::vector<float>> start = net.weights;
    for (auto _ : state) {
        for (size_t k = 0; k < start.size(); ++k)
            std::copy(start[k].begin(), start[k].end(), net.weights[k].begin());
        runEpoch(net, rule);
        benchmark::DoNotOptimize(net.sumError);
    }
}

BENCHMARK_CAPTURE(epoch, threshold, calc::OutputRule::Threshold);
BENCHMARK_CAPTURE(epoch, sigmoid, calc::OutputRule::Sigmoid);

// The straightforward sigmoid epoch: every sum, difference and product formed in double and
// narrowed to float, as the rule reads, and the weights moved without the overflow check.
void plainSigmoidEpoch(calc::Network &net)
{
    net.sumError = 0;
    for (int p = 0; p < 16; ++p) {
        const calc::UnitList &input = net.inPatterns[size_t(p)];
        int count = 0;
        while (count < 10 && input[size_t(count)] != 0)
            ++count;
        for (int k = 0; k < net.nOutputs; ++k) {
            const std::vector<float> &row = net.weights[size_t(k)];
            float sum = 0;
            for (int i = 0; i < count; ++i)
                sum = float(double(sum) + row[size_t(input[size_t(i)] - 1)]);
            const double output = float(calc::sigmoid(sum));
            const float error = float(k == p ? 1 - output : -output);
            net.sumError = float(std::fabs(double(error)) + net.sumError);
            if (error == 0)
                continue;
            const float change = float(double(error) * net.lrate);
            std::vector<float> &weights = net.weights[size_t(k)];
            for (int i = 0; i < count; ++i) {
                float &weight = weights[size_t(input[size_t(i)] - 1)];
                weight = float(double(change) + weight);
            }
        }
    }
}

void epochRatio(benchmark::State &state)
{
    calc::Network net = numeralNetwork();
    for (int e = 0; e < 4; ++e)
        runEpoch(net, calc::OutputRule::Sigmoid);
    const std::vector<std::vector<float>> start = net.weights;
    const auto restore = [&] {
        for (size_t k = 0; k < start.size(); ++k)
            std::copy(start[k].begin(), start[k].end(), net.weights[k].begin());
    };
    restore();
    runEpoch(net, calc::OutputRule::Sigmoid);
    const auto kernelWeights = net.weights;
    const float kernelError = net.sumError;
    restore();
    plainSigmoidEpoch(net);
    if (net.weights != kernelWeights || net.sumError != kernelError)
        state.SkipWithError("the epoch and its straightforward version differ");
    bench::measureRatio(
        state,
        [&] {
            restore();
            runEpoch(net, calc::OutputRule::Sigmoid);
            benchmark::DoNotOptimize(net.sumError);
        },
        [&] {
            restore();
            plainSigmoidEpoch(net);
            benchmark::DoNotOptimize(net.sumError);
        });
}

BENCHMARK(epochRatio);

} // namespace
