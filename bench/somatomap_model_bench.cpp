// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/contrast.h"
#include "somatomap/model/hand_inputs.h"
#include "somatomap/model/learning.h"
#include "somatomap/model/similarity.h"

#include "bench/ratio.h"
#include "host/numbers/clock.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace somatomap;

// A map as the program starts it: regions encoded and random weights from a fixed clock.
SensoryMap startedMap()
{
    SensoryMap map;
    encodeHandRegions(map);
    host::freezeClock(36000.5);
    randomMapWts(map);
    host::thawClock();
    return map;
}

// The response of all 400 nodes to one touch, the regions taken in turn.
void activate(benchmark::State &state, Similarity similarity)
{
    SensoryMap map = startedMap();
    int16_t region = 0;
    for (auto _ : state) {
        activateSensoryMap(map, region, similarity);
        benchmark::DoNotOptimize(map.smapAct);
        region = int16_t((region + 1) % regionCount);
    }
}

BENCHMARK_CAPTURE(activate, dotProduct, Similarity::NormalisedDotProduct);
BENCHMARK_CAPTURE(activate, radialBasis, Similarity::RadialBasis);

// The straightforward response: one match() per node, as the map's definition reads.
void activateNodeByNode(SensoryMap &map, int16_t region, Similarity similarity)
{
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j)
            map.act(i, j) = match(map, region, map.node(i, j), similarity);
    }
}

void activateRatio(benchmark::State &state, Similarity similarity)
{
    SensoryMap map = startedMap();
    int16_t region = 0;
    bench::measureRatio(
        state,
        [&] {
            activateSensoryMap(map, region, similarity);
            benchmark::DoNotOptimize(map.smapAct);
        },
        [&] {
            activateNodeByNode(map, region, similarity);
            benchmark::DoNotOptimize(map.smapAct);
            region = int16_t((region + 1) % regionCount);
        },
        4);
}

BENCHMARK_CAPTURE(activateRatio, radialBasis, Similarity::RadialBasis);

// The winner search on its own, the regions taken in turn.
void winner(benchmark::State &state, Similarity similarity)
{
    SensoryMap map = startedMap();
    int16_t region = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(findWinner(map, region, similarity));
        region = int16_t((region + 1) % regionCount);
    }
}

BENCHMARK_CAPTURE(winner, dotProduct, Similarity::NormalisedDotProduct);
BENCHMARK_CAPTURE(winner, radialBasis, Similarity::RadialBasis);

// One enhancement step of radius 3 on the fresh response to a fingertip touch. Restoring that
// response (400 floats copied in place) is part of every measured iteration.
void enhance(benchmark::State &state)
{
    SensoryMap map = startedMap();
    activateSensoryMap(map, 0, Similarity::NormalisedDotProduct);
    const auto response = map.smapAct;
    for (auto _ : state) {
        map.smapAct = response;
        enhanceContrast(map, 3);
        benchmark::DoNotOptimize(map.smapAct);
    }
}

BENCHMARK(enhance);

// One learning step of radius 3 around an interior winner, so that all 7 x 7 neighbourhood
// nodes are updated. Restoring their weights (49 vectors copied in place) is part of every
// measured iteration, so that the weights stay those of a fresh map.
void learn(benchmark::State &state)
{
    SensoryMap map = startedMap();
    activateSensoryMap(map, 0, Similarity::NormalisedDotProduct);
    const SensoryMap start = map;
    for (auto _ : state) {
        for (int i = 7; i <= 13; ++i)
            std::copy_n(&start.node(i, 7), 7, &map.node(i, 7));
        updateSmapWts(map, 0, 3, 10, 10, 0.2);
        benchmark::DoNotOptimize(map.error);
    }
}

BENCHMARK(learn);

} // namespace
