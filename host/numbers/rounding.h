// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace host {

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4). Every
// store of a float into an integer goes through these; a result outside the integer's
// range (or a NaN) is an overflow fault.
int16_t nearestInt16(double value);
int32_t nearestInt32(double value);

// The largest whole number not above the value: floorValue(2.7) = 2, floorValue(-0.5) = -1.
double floorValue(double value);
// floorValue stored straight into a 16-bit integer, without a second rounding.
int16_t intToInt16(double value);

// Remainder of the integer division, with the sign of the dividend; a zero divisor faults.
int32_t modulo(int32_t dividend, int32_t divisor);

} // namespace host
