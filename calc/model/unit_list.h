// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace calc {

// Ten 16-bit unit numbers, entries 1..10 stored at [0..9]. The entries before the first 0 name
// units by their 1-based numbers; a unit named twice counts twice.
using UnitList = std::array<int16_t, 10>;

// Reads a list of numbers separated by single blanks. Every blank ends an item, so an empty
// item (a leading blank, two blanks in a row, a trailing blank) gives a 0 entry. An item is read
// by its leading number (0 when it has none) and rounded to the nearest integer, halves to even.
// More than ten items is an index fault; an item beyond the 16-bit range an overflow fault.
UnitList strToArray(std::string_view text);

// Whether any of the ten entries of the list equals value numerically, the entries after a 0
// included. All ten are compared without an early exit: the same answer, without a branch per
// entry, and with a whole-number value the compiler compares the entries as integers.
template <typename Number> bool isMember(Number value, const UnitList &list)
{
    bool found = false;
    for (int16_t entry : list)
        found |= entry == value;
    return found;
}

} // namespace calc
