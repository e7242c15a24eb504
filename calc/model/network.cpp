// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/network.h"

#include "host/numbers/fault.h"
#include "host/numbers/quiet_exp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

namespace calc {

namespace {

[[noreturn]] void noSuchInput(const Network &net, int unit)
{
    throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                      "Input unit " + std::to_string(unit)
                          + " does not exist: the input units are 1 to "
                          + std::to_string(net.nInputs) + ".");
}

// The number of active units at the start of curInput, each checked against the network.
int16_t checkedActiveCount(const Network &net)
{
    int16_t count = 0;
    for (int16_t unit : net.curInput) {
        if (unit == 0)
            break;
        if (unit < 1 || unit > net.nInputs)
            noSuchInput(net, unit);
        ++count;
    }
    return count;
}

// For every naming i of the active list, the naming of the same unit just before it, or -1.
std::array<int, 10> earlierNamings(const UnitList &input, int count)
{
    std::array<int, 10> earlier;
    for (int i = 0; i < count; ++i) {
        earlier[size_t(i)] = -1;
        for (int n = i - 1; n >= 0 && earlier[size_t(i)] < 0; --n) {
            if (input[size_t(n)] == input[size_t(i)])
                earlier[size_t(i)] = n;
        }
    }
    return earlier;
}

// The first input unit whose weight in this row the change would carry beyond the range of a
// 32-bit float, added once for every naming in the active list; 0 when there is none.
int unitLeavingFloatRange(const std::vector<float> &row, const UnitList &input,
                          const std::array<int, 10> &earlier, int count, float change)
{
    std::array<float, 10> moved {}; // moved[i]: the weight after the change of naming i
    for (int i = 0; i < count; ++i) {
        const int unit = input[size_t(i)];
        const int before = earlier[size_t(i)];
        const float weight = before < 0 ? row[size_t(unit - 1)] : moved[size_t(before)];
        moved[size_t(i)] = change + weight;
        if (!std::isfinite(moved[size_t(i)]))
            return unit;
    }
    return 0;
}

// The zero-based columns of the weights of the first count units of the list.
std::array<int, 10> columnsOf(const UnitList &input, int count)
{
    std::array<int, 10> column {};
    for (int i = 0; i < count; ++i)
        column[size_t(i)] = input[size_t(i)] - 1;
    return column;
}

// f(std::integral_constant<int, count>) for a count of 0 to 10: the loops over the active
// units inside f then have a fixed length, and unroll without a test per unit.
template <typename F> void withFixedCount(int count, F &&f)
{
    [&]<int... n>(std::integer_sequence<int, n...>)
    {
        ((count == n && (f(std::integral_constant<int, n> {}), true)) || ...);
    }
    (std::make_integer_sequence<int, 11> {});
}

// f(change, row) for every output unit with a non-zero error, in unit order: the change the
// delta rule gives its weights, and its row of weights.
template <typename Net, typename F> void forEachMovingRow(Net &net, F &&f)
{
    const float *errors = net.errors.data();
    const float lrate = net.lrate;
    for (int k = 0; k < net.nOutputs; ++k) {
        const float error = errors[k];
        if (error != 0)
            f(error * lrate, net.weights[size_t(k)].data());
    }
}

// Whether the step surely keeps every weight it moves within the float range, found without
// the exact check: each moved weight starts below 1e37 in size and takes at most ten changes
// below 1e37 in size, each sum rounded to float, so it stays below 11e37 (1 + 2^-24)^10, far
// below the largest float (3.4e38). An infinite or NaN weight or change fails the test.
bool surelyWithinFloatRange(const Network &net, const std::array<int, 10> &column, int count)
{
    constexpr float bound = 1e37f;
    bool within = true;
    forEachMovingRow(net, [&](float change, const float *row) {
        within &= std::fabs(change) < bound;
        for (int i = 0; i < count; ++i)
            within &= std::fabs(row[column[size_t(i)]]) < bound;
    });
    return within;
}

// The exact check: the first weight, in the order of the step, that it would carry beyond
// the range of a 32-bit float, refused before any weight changes.
void refuseLeavingFloatRange(const Network &net, int count)
{
    const std::array<int, 10> earlier = earlierNamings(net.curInput, count);
    for (int k = 0; k < net.nOutputs; ++k) {
        const float error = net.errors[size_t(k)];
        if (error == 0)
            continue;
        const float change = error * net.lrate;
        const int unit
            = unitLeavingFloatRange(net.weights[size_t(k)], net.curInput, earlier, count, change);
        if (unit != 0)
            throw host::Fault(host::Fault::Kind::Overflow,
                              "The weight from input unit " + std::to_string(unit)
                                  + " to output unit " + std::to_string(k + 1)
                                  + " would grow beyond the range of numbers; use a smaller "
                                    "learning rate.");
    }
}

// Whether no column repeats among the first count. False also when one is 64 or more, beyond
// the bits that record them.
bool distinctColumns(const std::array<int, 10> &column, int count)
{
    uint64_t seen = 0;
    for (int i = 0; i < count; ++i) {
        const int c = column[size_t(i)];
        if (c >= 64 || (seen >> c & 1) != 0)
            return false;
        seen |= uint64_t(1) << c;
    }
    return true;
}

// The exact check for distinct columns, where each moved weight is one sum, change + weight:
// whether all of them stay finite. One pass without a branch per weight.
bool movedWeightsFinite(const Network &net, const std::array<int, 10> &column, int count)
{
    // moved - moved is 0 for a finite moved weight and NaN for any other, so a row's sum of
    // them is 0 exactly when all of its moved weights are finite.
    bool finite = true;
    withFixedCount(count, [&](auto fixedCount) {
        forEachMovingRow(net, [&](float change, const float *row) {
            float probe = 0;
            for (int i = 0; i < fixedCount; ++i) {
                const float moved = change + row[column[size_t(i)]];
                probe += moved - moved;
            }
            finite &= probe == 0;
        });
    });
    return finite;
}

// The output units 1..64 the target list names, unit n at bit n - 1.
uint64_t targetBits(const UnitList &target)
{
    uint64_t bits = 0;
    for (int16_t unit : target) {
        if (unit >= 1 && unit <= 64)
            bits |= uint64_t(1) << (unit - 1);
    }
    return bits;
}

// The exponent of the logistic curve, and the curve from its exponential.
double sigmoidExponent(float x) { return -(double(x) - 0.5) * 10; }
double logisticOf(double exponential) { return 1 / (exponential + 1); }

} // namespace

void clearWeights(Network &net)
{
    net.weights.assign(size_t(net.nOutputs), std::vector<float>(size_t(net.nInputs), 0.0f));
}

void clearUnits(Network &net)
{
    net.netInputs.assign(size_t(net.nOutputs), 0.0f);
    net.outputs.assign(size_t(net.nOutputs), 0.0f);
    net.errors.assign(size_t(net.nOutputs), 0.0f);
}

// The sums, differences and products of weights, changes and errors in this file are of two
// 32-bit floats: each rounds to the same float whether it is formed in float or in double and
// then narrowed (the double result has more than twice the float's precision), so they run in
// float, where a running sum's chain of additions is shorter.

void computeNet(Network &net)
{
    const int16_t count = checkedActiveCount(net);
    const std::array<int, 10> column = columnsOf(net.curInput, count);
    float *netInputs = net.netInputs.data();
    withFixedCount(count, [&](auto fixedCount) {
        for (int k = 0; k < net.nOutputs; ++k) {
            const float *row = net.weights[size_t(k)].data();
            float sum = 0;
            for (int i = 0; i < fixedCount; ++i)
                sum += row[column[size_t(i)]];
            netInputs[k] = sum;
        }
    });
    net.nActiveInputs = count;
}

void applyActivation(Network &net, OutputRule rule)
{
    const float *netInputs = net.netInputs.data();
    float *outputs = net.outputs.data();
    if (rule == OutputRule::Threshold) {
        for (int k = 0; k < net.nOutputs; ++k)
            outputs[k] = float(threshold(netInputs[k]));
        return;
    }
    // A block of units at a time: the exponents, then the exponentials, then the curve, so
    // that the calls of exp follow each other with their arguments ready and the steps around
    // them run in vectors. The numbers are those of sigmoid.
    constexpr int block = 16;
    const auto curve = [&](int first, auto n) {
        std::array<double, block> values;
        for (int l = 0; l < n; ++l)
            values[size_t(l)] = sigmoidExponent(netInputs[first + l]);
        for (int l = 0; l < n; ++l)
            values[size_t(l)] = host::quietExp(values[size_t(l)]);
        for (int l = 0; l < n; ++l)
            outputs[first + l] = float(logisticOf(values[size_t(l)]));
    };
    int first = 0;
    for (; first + block <= net.nOutputs; first += block)
        curve(first, std::integral_constant<int, block> {}); // whole blocks, of a fixed length
    if (first < net.nOutputs)
        curve(first, net.nOutputs - first);
}

int16_t threshold(float x) { return x > 1.0f ? 1 : 0; }

double sigmoid(float x) { return logisticOf(std::exp(sigmoidExponent(x))); }

void computeErrors(Network &net)
{
    const float *outputs = net.outputs.data();
    float *errors = net.errors.data();
    const uint64_t targets = targetBits(net.curTarget);
    float sumError = net.sumError; // in a register, not through memory the errors may share
    for (int k = 0; k < net.nOutputs; ++k) {
        const float output = outputs[k];
        const bool target = k < 64 ? (targets >> k & 1) != 0 : isMember(k + 1, net.curTarget);
        const float error = target ? 1 - output : -output;
        errors[k] = error;
        sumError = std::fabs(error) + sumError;
    }
    net.sumError = sumError;
}

void updateWeights(Network &net)
{
    const int count = net.nActiveInputs;
    if (count < 0 || count > int(net.curInput.size()))
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "The number of active input units must lie between 0 and 10.");
    for (int i = 0; i < count; ++i) {
        const int unit = net.curInput[size_t(i)];
        if (unit < 1 || unit > net.nInputs)
            noSuchInput(net, unit);
    }
    const std::array<int, 10> column = columnsOf(net.curInput, count);
    const bool within = distinctColumns(column, count) ? movedWeightsFinite(net, column, count)
                                                       : surelyWithinFloatRange(net, column, count);
    if (!within)
        refuseLeavingFloatRange(net, count);

    withFixedCount(count, [&](auto fixedCount) {
        forEachMovingRow(net, [&](float change, float *row) {
            for (int i = 0; i < fixedCount; ++i) {
                float &weight = row[column[size_t(i)]];
                weight = change + weight;
            }
        });
    });
}

int16_t patternOfNumeral(int16_t numeral)
{
    if (numeral == 0)
        return 10;
    return numeral <= 9 ? numeral : int16_t(numeral + 1);
}

int16_t numeralOfPattern(int16_t pattern)
{
    if (pattern == 10)
        return 0;
    return pattern < 10 ? pattern : int16_t(pattern - 1);
}

std::string numeralText(int numeral) { return std::string(1, "0123456789AbCdEF"[numeral & 15]); }

} // namespace calc
