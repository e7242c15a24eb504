// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/controls.h"

#include <vector>

namespace somatomap {

// The somatomap window's size in twips and its controls in creation order, each with its
// container, name, kind, caption or start text, place in twips, font and start value.
inline constexpr int form1WidthTwips = 10410;
inline constexpr int form1HeightTwips = 9015;

const std::vector<host::ControlRow> &form1Layout();

} // namespace somatomap
