// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace host {

// Seconds since local midnight, with a fractional part, as a 32-bit float.
float clockSeconds();

// Automation freezes the clock so that re-seeding from it is reproducible; thawing lets it
// run again.
void freezeClock(double secondsSinceMidnight);
void thawClock();
// The frozen clock's seconds; nothing while it runs.
std::optional<double> frozenClock();

// What the programs re-seed the generator with: the clock (clockSeconds), or the seed the command
// line fixed in its place, so that every re-seed of a run started with --seed is the same.
double clockSeed();
void fixSeed(std::optional<double> seed);
// The seed fixed in the clock's place; nothing when the programs seed from the clock.
std::optional<double> fixedSeed();

// The current local date and time as "YYYY-MM-DD hh:mm:ss".
std::string dateTimeText();

} // namespace host
