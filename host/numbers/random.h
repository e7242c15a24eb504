// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace host {

// The next value of a uniform pseudo-random sequence in [0, 1), as a 32-bit float.
float nextRandom();

// Mixes a seed into the generator's current state. An equal seed does not restart the
// sequence: it goes on with new numbers, so a program that re-seeds from a clock that has not
// moved still draws fresh values. From the same state, the same seeds and draws repeat
// exactly (a frozen clock from start-up repeats a whole run). The programs pass the clock.
void reseed(double seed);

// The generator's whole state, a plain value: reading it and writing it back later repeats
// every draw and re-seed from that point bit for bit.
struct RandomState
{
    uint64_t word = 0;
    bool operator==(const RandomState &) const = default;
};

// The state at start-up.
constexpr RandomState startUpRandomState {5489u};

RandomState randomState();
void setRandomState(RandomState state);

} // namespace host
