// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/controls.h"
#include "host/forms/fonts.h"

#include <vector>

namespace reach {

// The window's font, the bold sans serif of most captions.
inline constexpr host::FontChoice windowFont {"MS Sans Serif", 8.25, true};

// Every control of the reach window, containers first.
std::vector<host::ControlRow> layoutRows();

} // namespace reach
