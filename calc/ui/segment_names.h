// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calc {

// The seven segments of a numeral, input units 1 to 7, as the window names them.
inline constexpr const char *segmentNames[7]
    = {"top", "upper left", "upper right", "middle", "lower left", "lower right", "bottom"};

} // namespace calc
