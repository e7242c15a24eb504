// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/random.h"

#include <bit>

namespace host {

namespace {

RandomState &current()
{
    static RandomState state = startUpRandomState;
    return state;
}

constexpr uint64_t golden = 0x9e3779b97f4a7c15u;

// The finalizer of SplitMix64: a bijection that spreads every input bit over the word.
uint64_t mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

} // namespace

float nextRandom()
{
    uint64_t &state = current().word;
    state += golden;
    // 24 random bits fill a float's mantissa exactly, so the result is never 1.
    return float(mix(state) >> 40) / 16777216.0f;
}

void reseed(double seed)
{
    const uint64_t bits = std::bit_cast<uint64_t>(seed == 0 ? 0.0 : seed); // -0 and 0 seed alike
    // For a fixed seed this maps distinct states to distinct states, so re-seeding never
    // merges two runs, and an equal seed moves the state on rather than back.
    uint64_t &state = current().word;
    state = mix(state + mix(bits + golden));
}

RandomState randomState() { return current(); }

void setRandomState(RandomState state) { current() = state; }

} // namespace host
