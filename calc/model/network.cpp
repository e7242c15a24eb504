// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/network.h"

#include "host/numbers/fault.h"

#include <array>
#include <cmath>
#include <string>

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

// Whether the step surely keeps every weight it moves within the float range, found without
// the exact check: each moved weight starts below 1e37 in size and takes at most ten changes
// below 1e37 in size, each sum rounded to float, so it stays below 11e37 (1 + 2^-24)^10, far
// below the largest float (3.4e38). An infinite or NaN weight or change fails the test.
bool surelyWithinFloatRange(const Network &net, int count)
{
    constexpr float bound = 1e37f;
    for (int k = 0; k < net.nOutputs; ++k) {
        const float error = net.errors[size_t(k)];
        if (error == 0)
            continue;
        if (!(std::fabs(error * net.lrate) < bound))
            return false;
        const std::vector<float> &row = net.weights[size_t(k)];
        for (int i = 0; i < count; ++i) {
            if (!(std::fabs(row[size_t(net.curInput[size_t(i)] - 1)]) < bound))
                return false;
        }
    }
    return true;
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
    for (int k = 0; k < net.nOutputs; ++k) {
        const std::vector<float> &row = net.weights[size_t(k)];
        float sum = 0;
        for (int i = 0; i < count; ++i)
            sum += row[size_t(net.curInput[size_t(i)] - 1)];
        net.netInputs[size_t(k)] = sum;
    }
    net.nActiveInputs = count;
}

void applyActivation(Network &net, OutputRule rule)
{
    for (int k = 0; k < net.nOutputs; ++k) {
        const float x = net.netInputs[size_t(k)];
        net.outputs[size_t(k)]
            = rule == OutputRule::Threshold ? float(threshold(x)) : float(sigmoid(x));
    }
}

int16_t threshold(float x) { return x > 1.0f ? 1 : 0; }

double sigmoid(float x)
{
    const double e = std::exp(-(double(x) - 0.5) * 10);
    return 1 / (e + 1);
}

void computeErrors(Network &net)
{
    for (int k = 0; k < net.nOutputs; ++k) {
        const float output = net.outputs[size_t(k)];
        const float error = isMember(k + 1, net.curTarget) ? 1 - output : -output;
        net.errors[size_t(k)] = error;
        net.sumError = std::fabs(error) + net.sumError;
    }
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
    if (!surelyWithinFloatRange(net, count))
        refuseLeavingFloatRange(net, count);

    for (int k = 0; k < net.nOutputs; ++k) {
        const float error = net.errors[size_t(k)];
        if (error == 0)
            continue;
        const float change = error * net.lrate;
        std::vector<float> &row = net.weights[size_t(k)];
        for (int i = 0; i < count; ++i) {
            float &weight = row[size_t(net.curInput[size_t(i)] - 1)];
            weight = change + weight;
        }
    }
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
