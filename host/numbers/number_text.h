// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// The leading-number reader: skips leading blanks, then reads the longest prefix that
// forms a decimal number (sign, digits, point, fraction). A text that does not begin with a
// number reads as 0 ("12abc" -> 12, "abc" -> 0, "." -> 0). The one failure: a number too
// large for a double (309 digits and more) is an overflow fault naming the text, never an
// infinity.
double leadingNumber(std::string_view text);

// leadingNumber for a value that is checked against a range next: a number too large for a double
// reads as +infinity, which every such range refuses with the caller's own message.
double leadingNumberOrInfinity(std::string_view text);

// A number box as a message names it ("learning rate") and a value it takes ("0.001").
struct NumberBox
{
    std::string_view name;
    std::string_view example;
};

// leadingNumber and leadingNumberOrInfinity for the text of a number box. A number continued by an
// exponent (e or E followed by a digit or a sign) or by a decimal comma (a comma followed by a
// digit) is what a user writes meaning another number than the leading one, so such a text is
// refused: a fault "Write the learning rate as a plain decimal number, for example 0.001.". Any
// other text after the number is left out as leadingNumber leaves it ("12abc" reads 12).
double boxVal(std::string_view text, const NumberBox &box);
double boxValOrInfinity(std::string_view text, const NumberBox &box);

// The whole text, apart from surrounding blanks, must be a number; otherwise a fault of a
// text that is no number, naming the text. Numbers are always read with a point as the
// decimal separator, whatever the user's locale.
double toDouble(std::string_view text);
float toFloat(std::string_view text);
int16_t toInt16(std::string_view text); // rounded as by nearestInt16

// Number to text: "22", "-18"; floats with at most 7 and doubles with at most 15
// significant digits, the shortest text that reads back to the same number, without
// trailing zeros or point, with a 0 before the point (0.37, 5, -0.25, 1E+07). A value so
// close to the largest double that its 15 digits round beyond it gets the digits it needs
// to read back (1.7976931348623157E+308), never a text that reads as too large a number.
std::string intText(int32_t value);
std::string floatText(float value);
std::string doubleText(double value);

// A text as a message quotes it: in double quotes, cut to its first 80 characters followed by
// "..." when it is longer (a message never repeats a whole megabyte line).
std::string quotedText(std::string_view text);

// A number's text as printed: one blank in the sign place of a number that is not negative.
std::string printed(const std::string &numberText);

// The "##0" format: the number rounded to a whole number (halves away from zero), at least
// one digit.
std::string wholeNumberText(double value);

} // namespace host
