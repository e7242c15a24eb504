// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/number_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sidestop {

// What the student typed, quoted for a message; a very long text is shortened.
std::string quoted(std::string_view text);

// A weight text that RUN stores: it must be a number as a whole and finite. The fault names
// the weight and gives an example of what to type ("the positive feedback weight", "0.1").
double weightOfText(std::string_view text, const char *weight, const char *example);

// A weight committed with Enter: the leading number of the text, which must be finite and
// written without an exponent or a decimal comma.
double weightOnEnter(std::string_view text, const char *weight, const char *example);

// A count committed with Enter: the leading number of the text, written without an exponent or
// a decimal comma (box names it), to the nearest whole number (a half to the even one), which
// must fit a 16-bit integer. hint says what to type, for instance "a number of iterations
// from 1 to 100".
int16_t countOnEnter(std::string_view text, const host::NumberBox &box, const char *hint);

} // namespace sidestop
