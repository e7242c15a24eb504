// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

// What a learning run reads from its two number boxes.
struct RunSettings
{
    int16_t epochs = 0;
    float lrate = 0;
};

// Both texts read and checked before anything of a run changes, so that a count or a rate the
// run cannot use leaves the weights, captions and boxes as they were. The number of epochs is
// its text's leading number rounded to the 16-bit range (halves to even), 20 for 0; beyond
// that range an overflow fault. The learning rate as lrateFromText reads it.
RunSettings readRunSettings(std::string_view epochsText, std::string_view lrateText);

// The learning rate a text gives: its leading number as a 32-bit float, 0 when there is none.
// A number beyond the float range is an overflow fault.
float lrateFromText(std::string_view text);

} // namespace calc
