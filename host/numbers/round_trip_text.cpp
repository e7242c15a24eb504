// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/round_trip_text.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace host {

namespace {

template <typename Number> std::string shortest(Number value)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("the value " + std::to_string(double(value))
                                    + " is not a finite number, which no text reads back as");
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

} // namespace

std::string roundTripText(float value) { return shortest(value); }

std::string roundTripText(double value) { return shortest(value); }

std::string roundTripText(int16_t value) { return std::to_string(value); }

std::string roundTripText(int32_t value) { return std::to_string(value); }

std::string roundTripText(bool value) { return value ? "true" : "false"; }

} // namespace host
