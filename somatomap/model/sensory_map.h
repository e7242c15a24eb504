// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace somatomap {

// A self-organising map of 20 x 20 nodes that learns the layout of a drawn hand. The hand
// has 24 touchable regions: three fingers of six regions each (0..17, fingertip first) and
// a palm of two rows of three (18..23, the row next to the fingers first). Every region
// has a fixed input vector of 32 components, each 0 or 1; every node has a weight vector
// of 32 components that are >= 0 and sum to 4.

inline constexpr int mapSide = 20; // node coordinates i (horizontal) and j (vertical): 1..20
inline constexpr int inputLength = 32; // components 1..32
inline constexpr int regionCount = 24; // hand regions 0..23
inline constexpr int palmFirstRegion = 18;
inline constexpr float weightSum = 4;

// Component k (1..32) is stored at [k - 1].
using InputVector = std::array<int16_t, inputLength>;
using WeightVector = std::array<float, inputLength>;

// The map's whole state as plain data, named as the program's displays and automation
// name it. Arrays are stored 0-based: region r at [r], node (i, j) at [i - 1][j - 1],
// component k at [k - 1]; node() and act() take the 1-based node coordinates.
struct SensoryMap
{
    std::array<InputVector, regionCount> ipVectors {}; // fixed once the regions are encoded
    std::array<float, regionCount> ipSums {}; // number of active components per region
    std::array<std::array<WeightVector, mapSide>, mapSide> smapWts {};
    std::array<std::array<float, mapSide>, mapSide> smapAct {}; // the activation map
    int16_t palmXval = 0; // palm column 1..3 of the palm region most recently encoded
    int16_t palmYval = 0; // palm row 1..2 of that region
    float error = 0; // running learning error, reset by the learning driver

    WeightVector &node(int i, int j) { return smapWts[i - 1][j - 1]; }
    const WeightVector &node(int i, int j) const { return smapWts[i - 1][j - 1]; }
    float &act(int i, int j) { return smapAct[i - 1][j - 1]; }
    float act(int i, int j) const { return smapAct[i - 1][j - 1]; }

    bool operator==(const SensoryMap &) const = default;
};

// The larger and the smaller of two numbers as a 32-bit float: b only when it is strictly
// greater (smaller) than a, so a wins ties.
inline float maxOf(double a, double b) { return float(b > a ? b : a); }

inline float minOf(double a, double b) { return float(b < a ? b : a); }

} // namespace somatomap
