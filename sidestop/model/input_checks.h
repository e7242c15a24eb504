// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every reading of a number the student typed: the boxes committed with Enter, the texts RUN
// takes, the weight texts an update reads, the level a unit's box shows. Each refusal is a
// host::Fault that tells the student what to type instead.

#include "sidestop/model/network.h"

#include "host/numbers/number_text.h"

#include <array>
#include <cstdint>
#include <optional>
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

// A weight as an update uses it: the number, or the stored text read as a number as a whole
// (surrounding blanks aside); a fault names the weight ("Positive feedback weight").
double storedWeight(const Weight &weight, const char *name);

// The level a unit's box shows, when its whole text is a number.
std::optional<float> shownLevel(std::string_view text);

// A run needs at least one iteration: a fault otherwise.
void checkIterations(int16_t niter);

// The texts of the RUN inputs as the form holds them.
struct RunTexts
{
    std::string poswt;
    std::string negwt;
    std::string iterations;
    std::array<std::string, unitCount> units;
};

// Everything RUN takes from the form, read and checked before anything changes.
struct RunSettings
{
    std::string poswtText;
    std::string negwtText;
    int16_t niter = 0;
    Units base {}; // the unramped input of each unit
    bool ramp = false;
    InhibitionRule rule = InhibitionRule::Standard;
};

// Reads the weight texts (each must be a number), the iteration count (a whole number from
// 1 to 32767) and the unit inputs (their leading numbers, 0 without one). A fault tells the
// student what to type instead; weights and inputs so large that an update could overflow
// into a result that is no number are refused the same way.
RunSettings checkedRunSettings(const RunTexts &texts, bool ramp, InhibitionRule rule);

} // namespace sidestop
