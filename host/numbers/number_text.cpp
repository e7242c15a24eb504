// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/number_text.h"

#include "host/numbers/fault.h"
#include "host/numbers/rounding.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <system_error>

namespace host {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r' || text.front() == '\n'))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Length of the longest prefix of the form [sign] digits [. digits] with at least one digit.
size_t decimalPrefixLength(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        size_t afterPoint = i + 1;
        size_t fraction = 0;
        while (afterPoint < text.size() && isDigit(text[afterPoint]))
            ++afterPoint, ++fraction;
        if (fraction > 0 || digits > 0)
            i = afterPoint;
        digits += fraction;
    }
    return digits > 0 ? i : 0;
}

// Parses a complete number (sign, digits, point, fraction, exponent) with the C locale.
bool parseWhole(std::string_view text, double &value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !(isDigit(text.front()) || text.front() == '.'))
        return false; // rejects "inf", "nan" and a second sign
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range))
        return false;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone. The classic-locale stream reads a number too
        // small as 0 (or the nearest tiny value) and fails on one too large.
        std::istringstream stream {std::string(text)};
        stream.imbue(std::locale::classic());
        stream >> value;
        if (stream.fail())
            value = std::numeric_limits<double>::infinity();
    }
    if (negative)
        value = -value;
    return true;
}

[[noreturn]] void notANumber(std::string_view text)
{
    throw Fault(Fault::Kind::NotANumber, quotedText(text) + " is not a number.");
}

[[noreturn]] void tooLarge(std::string_view text)
{
    throw Fault(Fault::Kind::Overflow, quotedText(text) + " is too large a number.");
}

// The shortest general-format text of at most maxDigits significant digits that reads
// back to value; std::to_chars never looks at the C locale (which QApplication sets).
template <typename Number> std::string shortestText(Number value, int maxDigits)
{
    if (value == 0)
        return "0";
    char buffer[64];
    auto format = [&](int digits) {
        return std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                             digits)
            .ptr;
    };
    int digits = 1;
    for (; digits < maxDigits; ++digits) {
        Number back {};
        std::from_chars(buffer, format(digits), back);
        if (back == value)
            break;
    }
    // Next to the largest value, the last digit may round up beyond it: the text would read
    // as too large a number. Such a value gets the digits that read back to it exactly, so
    // that its text, read and written again, stays the same.
    Number back {};
    if (std::fabs(value) > 1
        && std::from_chars(buffer, format(digits), back).ec == std::errc::result_out_of_range) {
        for (; digits < std::numeric_limits<Number>::max_digits10; ++digits) {
            std::from_chars(buffer, format(digits), back);
            if (back == value)
                break;
        }
    }
    // A whole number that fits in maxDigits keeps its zeros (100, not 1E+02).
    double exponent = std::floor(std::log10(std::fabs(double(value)))); // infinite for inf
    if (exponent >= digits && exponent < maxDigits)
        digits = int(exponent) + 1;
    std::string text(buffer, format(digits));
    if (auto exponent = text.find('e'); exponent != std::string::npos)
        text[exponent] = 'E';
    return text;
}

} // namespace

double leadingNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    size_t length = decimalPrefixLength(text);
    double value = 0;
    if (length > 0)
        parseWhole(text.substr(0, length), value);
    if (std::isinf(value))
        tooLarge(text);
    return value;
}

double leadingNumberOrInfinity(std::string_view text)
{
    try {
        return leadingNumber(text);
    } catch (const Fault &) {
        return std::numeric_limits<double>::infinity();
    }
}

namespace {

// Whether the number that begins the text (after blanks) goes on with an exponent or a
// decimal comma.
bool continuesAsAnotherNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    const size_t length = decimalPrefixLength(text);
    if (length == 0 || length + 1 >= text.size())
        return false;
    const char mark = text[length];
    const char next = text[length + 1];
    if (mark == 'e' || mark == 'E')
        return isDigit(next) || next == '+' || next == '-';
    return mark == ',' && isDigit(next);
}

void checkPlainNumber(std::string_view text, const NumberBox &box)
{
    if (continuesAsAnotherNumber(text))
        throw Fault(Fault::Kind::NotANumber,
                    "Write the " + std::string(box.name)
                        + " as a plain decimal number, for example " + std::string(box.example)
                        + ".");
}

} // namespace

double boxVal(std::string_view text, const NumberBox &box)
{
    checkPlainNumber(text, box);
    return leadingNumber(text);
}

double boxValOrInfinity(std::string_view text, const NumberBox &box)
{
    checkPlainNumber(text, box);
    return leadingNumberOrInfinity(text);
}

double toDouble(std::string_view text)
{
    std::string_view number = trimmed(text);
    double value = 0;
    if (!parseWhole(number, value))
        notANumber(number);
    if (std::isinf(value))
        tooLarge(number);
    return value;
}

float toFloat(std::string_view text)
{
    double value = toDouble(text);
    // Values up to half a unit above the largest float still round to it.
    constexpr double overflowThreshold = 0x1.ffffffp+127;
    if (std::fabs(value) >= overflowThreshold)
        throw Fault(Fault::Kind::Overflow,
                    quotedText(trimmed(text)) + " is too large for this value.");
    return float(value);
}

int16_t toInt16(std::string_view text) { return nearestInt16(toDouble(text)); }

std::string intText(int32_t value) { return std::to_string(value); }

std::string floatText(float value) { return shortestText(value, 7); }

std::string doubleText(double value) { return shortestText(value, 15); }

std::string quotedText(std::string_view text)
{
    constexpr size_t longest = 80;
    size_t cut = text.size();
    if (cut > longest) {
        // Not in the middle of a character's UTF-8 bytes.
        cut = longest;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
    }
    std::string quote;
    quote.reserve(cut + 5);
    quote.push_back('"');
    quote.append(text.substr(0, cut));
    if (cut < text.size())
        quote.append("...");
    quote.push_back('"');
    return quote;
}

std::string printed(const std::string &numberText)
{
    return !numberText.empty() && numberText.front() == '-' ? numberText : " " + numberText;
}

std::string wholeNumberText(double value)
{
    double whole = std::round(value);
    if (whole == 0)
        return "0";
    char buffer[std::numeric_limits<double>::max_exponent10 + 3]; // every digit and a sign
    char *end
        = std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0).ptr;
    return std::string(buffer, end);
}

} // namespace host
