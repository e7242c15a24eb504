// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/unit_list.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace calc {

// How an output unit turns its net input into its output.
enum class OutputRule { Threshold, Sigmoid };

// One layer of weights from the input units (the seven segments of a numeral) to the output
// units (one per numeral), trained with the delta rule. For a presented pattern with the set A
// of active inputs (a unit named twice counts twice):
//     net(k) = sum over j in A of w(k, j)                 (a 32-bit running sum)
//     out(k) = net(k) > 1 ? 1 : 0                         (threshold)
//            = 1 / (1 + e^(-10 (net(k) - 0.5)))           (sigmoid)
//     err(k) = target(k) - out(k)
//     w(k, j) += lrate * err(k) for every j in A          (skipped when err(k) is 0)
// Unit, pattern and list numbers count from 1; every array here stores number n at [n - 1]:
// weights[k - 1][j - 1] is the weight from input j to output k.
struct Network
{
    int16_t nInputs = 0;
    int16_t nOutputs = 0;
    double nPatterns = 0;
    std::vector<UnitList> inPatterns;
    std::vector<UnitList> targets;

    std::vector<std::vector<float>> weights;
    std::vector<float> netInputs;
    std::vector<float> outputs;
    std::vector<float> errors;

    UnitList curInput {};
    UnitList curTarget {};
    int16_t nActiveInputs = 0;
    std::array<int16_t, 16> order {}; // presentation order, pattern numbers at positions 0..15

    float lrate = 0;
    float sumError = 0; // sum of |err| over the current epoch
};

// All weights 0, nOutputs by nInputs.
void clearWeights(Network &net);
// Net inputs, outputs and errors of all output units 0.
void clearUnits(Network &net);

// Net input of every output unit from the active units of curInput; sets nActiveInputs. The
// active units are the entries before the first 0, or all ten when there is none. A unit
// outside 1..nInputs is an index fault raised before anything changes.
void computeNet(Network &net);

// Output of every output unit from its net input under the rule in force.
void applyActivation(Network &net, OutputRule rule);

// 1 when x exceeds 1.0 (exactly 1.0 gives 0), otherwise 0.
int16_t threshold(float x);

// The logistic curve with slope 10 around 0.5. Far below 0 the exponential exceeds the
// double range and the result is its limit 0.
double sigmoid(float x);

// Error of every output unit against curTarget; adds each |error| to sumError.
void computeErrors(Network &net);

// The delta rule for the last presentation: for every output unit with a non-zero error, adds
// the 32-bit float error * lrate to the weight from each active input. A unit of curInput
// outside 1..nInputs is an index fault, and a weight carried beyond the range of a 32-bit float
// an overflow fault, raised before any weight changes.
void updateWeights(Network &net);

// Numeral values 0..15 (0..9, A..F) and pattern numbers 1..16 (which are also the numbers of
// the numerals' output units): the units stand for 1, 2, ..., 9, 0, A, b, C, d, E, F.
int16_t patternOfNumeral(int16_t numeral);
int16_t numeralOfPattern(int16_t pattern);

// The numeral's name as the keypad shows it: "0" ... "9", "A", "b", "C", "d", "E", "F" (taken
// modulo 16).
std::string numeralText(int numeral);

} // namespace calc
