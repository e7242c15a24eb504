// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the input as a number text in every way the host reads numbers, writes what it read
// as text, and reads that back. What must hold:
//   - a read never yields an infinity or a NaN, and a refusal is a fault with a message;
//   - a written text reads back, and writing what it reads gives the same text again;
//   - a text of at most 7 (float) or 15 (double) significant digits reads back to the very
//     value it gave (a 32-bit float or a double holds that many digits);
//   - the shortest text of any value read (what `var` prints) reads back bit-identical;
//   - the leading-number read agrees with the strict one on a plain decimal text;
//   - the 16-bit read is the nearest whole number of the double read, or a fault.

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void broken(const char *property, std::string_view text, const std::string &detail)
{
    std::fprintf(stderr, "number texts: %s\n  input: \"%.*s\"\n  %s\n", property,
                 int(std::min<size_t>(text.size(), 200)), text.data(), detail.c_str());
    std::abort();
}

std::string exact(double value)
{
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// What a read gives, or nothing when it faults; a fault must say something.
template <typename Read, typename Argument>
auto attempt(Read read, Argument argument) -> std::optional<decltype(read(argument))>
{
    try {
        return read(argument);
    } catch (const host::Fault &fault) {
        if (std::strlen(fault.what()) == 0)
            broken("a fault without a message", "", "");
        return std::nullopt;
    }
}

// Significant digits of a plain number text (sign, digits, point, fraction, exponent):
// leading and trailing zeros of the digits do not count.
int significantDigits(std::string_view text)
{
    std::string digits;
    for (char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c >= '0' && c <= '9')
            digits += c;
    }
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return int(digits.find_last_not_of('0') - first + 1);
}

// A decimal text without an exponent and without line ends (the strict reads also trim
// those, the leading-number read stops at them).
bool plainDecimal(std::string_view text)
{
    return text.find_first_of("eE\r\n") == std::string_view::npos;
}

template <typename Number>
void checkWritten(const char *kind, std::string_view text, Number value, int maxDigits,
                  Number (*read)(std::string_view), std::string (*write)(Number))
{
    if (!std::isfinite(value))
        broken("a read gave a value that is not finite", text, kind);
    const std::string written = write(value);
    const auto back = attempt(read, written);
    if (!back)
        broken("a written text does not read back", text,
               std::string(kind) + " " + exact(double(value)) + " written as " + written);
    if (write(*back) != written)
        broken("writing what a written text reads gives another text", text,
               written + " then " + write(*back));
    if (significantDigits(text) <= maxDigits && *back != value)
        broken("a short text does not read back to its value", text,
               std::string(kind) + " " + exact(double(value)) + " written as " + written
                   + " reads back as " + exact(double(*back)));
}

float readFloat(std::string_view text) { return host::toFloat(text); }
double readDouble(std::string_view text) { return host::toDouble(text); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    if (const auto leading = attempt(host::leadingNumber, text);
        leading && !std::isfinite(*leading))
        broken("the leading-number read gave a value that is not finite", text, exact(*leading));

    const auto asDouble = attempt(readDouble, text);
    if (asDouble) {
        checkWritten<double>("double", text, *asDouble, 15, readDouble, host::doubleText);
        // The shortest text of the value (std::to_chars, through which a script's `var` line
        // prints it) must read back bit-identical through our own reader.
        const std::string shortest = exact(*asDouble);
        const auto back = attempt(readDouble, shortest);
        if (!back || std::memcmp(&*back, &*asDouble, sizeof(double)) != 0)
            broken("the shortest text of a value does not read back bit-identical", text, shortest);
        if (plainDecimal(text)) {
            const auto leading = attempt(host::leadingNumber, text);
            if (leading && *leading != *asDouble)
                broken("the leading-number read differs from the strict one", text,
                       exact(*leading) + " against " + exact(*asDouble));
        }
        const auto whole = attempt(host::toInt16, text);
        const auto nearest = attempt(host::nearestInt16, *asDouble);
        if (whole != nearest)
            broken("the 16-bit read is not the nearest whole number", text, exact(*asDouble));
        const std::string rounded = host::wholeNumberText(*asDouble);
        const auto roundedBack = attempt(readDouble, rounded);
        if (!roundedBack || *roundedBack != std::round(*asDouble))
            broken("a whole-number text does not read back as the rounded value", text, rounded);
    }

    if (const auto asFloat = attempt(readFloat, text)) {
        if (!asDouble)
            broken("a float read accepts what the double read refuses", text, "");
        checkWritten<float>("float", text, *asFloat, 7, readFloat, host::floatText);
    }
    return 0;
}
