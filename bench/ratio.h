// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench {

// A kernel against its straightforward version in the same run: each iteration times a
// batch of each, one after the other, and the counter "ratio" is the kernel's share of the
// straightforward time (below 1 when the kernel is faster). The reported time is the pair's.
template <typename Kernel, typename Plain>
void measureRatio(benchmark::State &state, Kernel kernel, Plain plain, int batch = 16)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration kernelTime {};
    Clock::duration plainTime {};
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int n = 0; n < batch; ++n)
            kernel();
        const auto middle = Clock::now();
        for (int n = 0; n < batch; ++n)
            plain();
        plainTime += Clock::now() - middle;
        kernelTime += middle - start;
    }
    state.counters["ratio"] = double(kernelTime.count()) / double(plainTime.count());
}

} // namespace bench
