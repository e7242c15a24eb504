// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/input_checks.h"

#include "host/numbers/fault.h"
#include "host/numbers/rounding.h"

#include <algorithm>
#include <cmath>

namespace sidestop {

namespace {

constexpr const char *iterationsHint = "a whole number of iterations from 1 to 32767, such as 20";

int16_t iterationsOfText(std::string_view text)
{
    int16_t niter = 0;
    try {
        niter = host::toInt16(text);
    } catch (const host::Fault &fault) {
        throw host::Fault(fault.kind(),
                          "The number of iterations " + quoted(text) + " cannot be used: type "
                              + iterationsHint + ".");
    }
    checkIterations(niter);
    return niter;
}

[[noreturn]] void tooLargeToCompute()
{
    throw host::Fault(host::Fault::Kind::Overflow,
                      "The weights and unit inputs are too large to compute with: type "
                      "numbers below 1E+300.");
}

// A unit's input: the leading number of its text, which may be too large for a double.
double unitInput(std::string_view text, int unit)
{
    const std::string name = "input of unit " + std::to_string(unit + 1);
    const double input = host::boxValOrInfinity(text, {name, "0.5"});
    if (std::isinf(input))
        tooLargeToCompute();
    return input;
}

// Every activation lies in 0..1, so the excitation of a unit is at most |poswt| + |input| and
// its inhibition at most 9 |negwt| under either rule; when their sum is finite, no update can
// produce an infinite difference or a result that is no number.
void checkMagnitudes(double poswt, double negwt, const Units &base)
{
    double largestInput = 0;
    for (double input : base)
        largestInput = std::max(largestInput, std::fabs(input));
    if (!std::isfinite(std::fabs(poswt) + 9 * std::fabs(negwt) + largestInput))
        tooLargeToCompute();
}

} // namespace

std::string quoted(std::string_view text)
{
    constexpr std::size_t longest = 24;
    const bool shortened = text.size() > longest;
    std::string result(1, '"');
    result.append(shortened ? text.substr(0, longest - 3) : text);
    if (shortened)
        result.append("...");
    result.push_back('"');
    return result;
}

double weightOfText(std::string_view text, const char *weight, const char *example)
{
    try {
        return host::toDouble(text);
    } catch (const host::Fault &fault) {
        const char *problem
            = fault.kind() == host::Fault::Kind::Overflow ? " is too large" : " is not a number";
        throw host::Fault(fault.kind(),
                          "The " + std::string(weight) + " " + quoted(text) + problem
                              + ": type a number such as " + example + ".");
    }
}

double weightOnEnter(std::string_view text, const char *weight, const char *example)
{
    const double value = host::boxValOrInfinity(text, {weight, example});
    if (std::isinf(value))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The " + std::string(weight) + " " + quoted(text)
                              + " is too large: type a number such as " + example + ".");
    return value;
}

int16_t countOnEnter(std::string_view text, const host::NumberBox &box, const char *hint)
{
    double value = 0;
    try {
        value = host::boxVal(text, box);
        return host::nearestInt16(value);
    } catch (const host::Fault &fault) {
        if (fault.kind() != host::Fault::Kind::Overflow)
            throw; // a number with an exponent or a decimal comma
        // A number too large for a double leaves value at 0: its sign is the text's.
        const size_t first = text.find_first_not_of(" \t");
        const bool negative = value < 0 || (value == 0 && first != text.npos && text[first] == '-');
        const char *beyond = negative ? " is smaller than -32768" : " is larger than 32767";
        throw host::Fault(host::Fault::Kind::Overflow,
                          quoted(text) + beyond + ": type " + hint + ".");
    }
}

double storedWeight(const Weight &weight, const char *name)
{
    if (const double *number = std::get_if<double>(&weight))
        return *number;
    try {
        return host::toDouble(std::get<std::string>(weight));
    } catch (const host::Fault &fault) {
        throw host::Fault(fault.kind(), std::string(name) + ": " + fault.what());
    }
}

std::optional<float> shownLevel(std::string_view text)
{
    try {
        return host::toFloat(text);
    } catch (const host::Fault &) {
        return std::nullopt;
    }
}

void checkIterations(int16_t niter)
{
    if (niter < 1)
        throw host::Fault(host::Fault::Kind::Invalid,
                          "A run needs at least one iteration: type " + std::string(iterationsHint)
                              + ".");
}

RunSettings checkedRunSettings(const RunTexts &texts, bool ramp, InhibitionRule rule)
{
    RunSettings settings;
    const double poswt = weightOfText(texts.poswt, "positive feedback weight", "0.1");
    const double negwt = weightOfText(texts.negwt, "lateral inhibitory weight", "0.5");
    settings.poswtText = texts.poswt;
    settings.negwtText = texts.negwt;
    settings.niter = iterationsOfText(texts.iterations);
    for (int k = 0; k < unitCount; ++k)
        settings.base[k] = unitInput(texts.units[k], k);
    checkMagnitudes(poswt, negwt, settings.base);
    settings.ramp = ramp;
    settings.rule = rule;
    return settings;
}

} // namespace sidestop
