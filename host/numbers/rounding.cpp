// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/rounding.h"

#include "host/numbers/fault.h"

#include <cmath>
#include <limits>
#include <string>

namespace host {

namespace {

template <typename Integer> Integer checkedStore(double whole)
{
    if (!(whole >= std::numeric_limits<Integer>::min()
          && whole <= std::numeric_limits<Integer>::max()))
        throw Fault(Fault::Kind::Overflow,
                    "The number is too large: it must lie between "
                        + std::to_string(std::numeric_limits<Integer>::min()) + " and "
                        + std::to_string(std::numeric_limits<Integer>::max()) + ".");
    return static_cast<Integer>(whole);
}

} // namespace

int16_t nearestInt16(double value) { return checkedStore<int16_t>(std::nearbyint(value)); }

int32_t nearestInt32(double value) { return checkedStore<int32_t>(std::nearbyint(value)); }

double floorValue(double value) { return std::floor(value); }

int16_t intToInt16(double value) { return checkedStore<int16_t>(std::floor(value)); }

int32_t modulo(int32_t dividend, int32_t divisor)
{
    if (divisor == 0)
        throw Fault(Fault::Kind::DivisionByZero, "Division by zero: the divisor of Mod is 0.");
    if (divisor == -1)
        return 0; // avoids the overflow of INT32_MIN % -1
    return dividend % divisor;
}

} // namespace host
