// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace host {

// The shortest text that reads back to the same number: "0.1" for the float 0.1f, "-0" for a
// negative zero, a float with the digits a float needs and a double with those a double needs.
// A value that is no finite number has no such text: std::invalid_argument naming it.
// Automation's `var`, the CSV exports and the session files all write numbers so.
std::string roundTripText(float value);
std::string roundTripText(double value);
std::string roundTripText(int16_t value);
std::string roundTripText(int32_t value);
std::string roundTripText(bool value); // true or false

// The values of a container, blank-separated, nested containers flattened first index
// outermost.
template <typename Container>
requires requires(const Container &c)
{
    c.begin();
    c.end();
}
std::string roundTripText(const Container &values)
{
    std::string text;
    for (const auto &value : values) {
        if (!text.empty())
            text += ' ';
        text += roundTripText(value);
    }
    return text;
}

} // namespace host
