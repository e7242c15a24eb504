// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/learning_settings.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace somatomap {

namespace {

using host::Fault;

constexpr double int16Low = -32768;
constexpr double int16High = 32767;

// Whether the nearest integer (a half to the even neighbour) is a 16-bit integer.
bool fitsInt16(double value) { return value >= int16Low - 0.5 && value < int16High + 0.5; }

double finiteRadius(std::string_view peakradText)
{
    const double radius = host::boxValOrInfinity(peakradText, {"bubble radius", "3"});
    if (std::isinf(radius))
        throw Fault(Fault::Kind::Overflow,
                    "The Bubble Radius box holds " + host::quotedText(peakradText)
                        + ", a number too large to use as a radius.");
    return radius;
}

[[noreturn]] void refuseMinusTwo()
{
    throw Fault(Fault::Kind::DivisionByZero,
                "The Bubble Radius box holds -2, a radius the map cannot use: the bubble's "
                "slope divides by the radius plus 2. Enter another radius.");
}

// The radius rounded to the nearest 16-bit integer, which the box must allow.
int16_t wholeRadius(std::string_view peakradText, double rad)
{
    if (!fitsInt16(rad))
        throw Fault(Fault::Kind::Overflow,
                    "The Bubble Radius box holds " + host::quotedText(peakradText)
                        + ": a radius must lie from -32768 to 32767.");
    return host::nearestInt16(rad);
}

} // namespace

double bubbleRadius(std::string_view peakradText)
{
    const double rad = finiteRadius(peakradText);
    if (rad == -2)
        refuseMinusTwo();
    return rad;
}

int16_t learningRadius(std::string_view peakradText)
{
    const int16_t peakrad = wholeRadius(peakradText, finiteRadius(peakradText));
    if (peakrad == -2)
        refuseMinusTwo();
    return peakrad;
}

double learningRate(std::string_view lrateText)
{
    // Too large for a double (the reader faults) or for the float the weights learn in (from
    // half a unit above the largest float on, a float would be infinite).
    const double lrate = host::boxValOrInfinity(lrateText, {"learning rate", "0.2"});
    if (!(std::fabs(lrate) < 0x1.ffffffp+127))
        throw Fault(Fault::Kind::Overflow,
                    "The Learning Rate box holds " + host::quotedText(lrateText)
                        + ", a number too large for a learning rate.");
    return lrate;
}

int16_t WholeHandPlan::scheduledRadius(int trial) const
{
    return int16_t(startRadius - trial / std::abs(int(step)));
}

WholeHandPlan planWholeHand(std::string_view peakradText, std::string_view numTrialsText)
{
    const double rad = finiteRadius(peakradText);
    const double trials = host::boxValOrInfinity(numTrialsText, {"number of trials", "1000"});
    if (!fitsInt16(trials))
        throw Fault(Fault::Kind::Overflow,
                    "The Number of Trials box holds " + host::quotedText(numTrialsText)
                        + ": the number of trials must lie from -32768 to 32767.");
    if (rad == 0)
        throw Fault(Fault::Kind::DivisionByZero,
                    "Map Whole Hand cannot start from a bubble radius of 0: the radius "
                    "schedule divides the number of trials by it. Enter a radius other than 0 "
                    "in the Bubble Radius box.");

    WholeHandPlan plan;
    plan.trials = host::nearestInt16(trials);
    plan.startRadius = wholeRadius(peakradText, rad);
    const double step = host::floorValue(plan.trials / rad);
    if (step < int16Low || step > int16High)
        throw Fault(Fault::Kind::Overflow,
                    "The Bubble Radius box holds " + host::quotedText(peakradText)
                        + ", too close to 0 for " + std::to_string(plan.trials)
                        + " trials: the radius would drop only every "
                          "trials / radius trials, and that number must lie from -32768 to "
                          "32767.");
    plan.step = host::intToInt16(step);
    if (plan.trials < 1)
        return plan;
    if (plan.step == 0)
        throw Fault(Fault::Kind::DivisionByZero,
                    "Map Whole Hand needs at least as many trials as the bubble radius: raise "
                    "the Number of Trials to "
                        + host::intText(int32_t(std::ceil(rad)))
                        + " or more, or lower the Bubble Radius to " + host::intText(plan.trials)
                        + " or less.");
    if (plan.startRadius - plan.trials / std::abs(int(plan.step)) < int16Low)
        throw Fault(Fault::Kind::Overflow,
                    "The Bubble Radius box holds " + host::quotedText(peakradText)
                        + ": the radius schedule would drop below -32768. Enter a larger radius.");
    return plan;
}

} // namespace somatomap
