// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/input_checks.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <cmath>

namespace sidestop {

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

} // namespace sidestop
