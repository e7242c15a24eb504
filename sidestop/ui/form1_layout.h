// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/controls.h"

#include <vector>

namespace sidestop {

// Every control of the main window: name, kind, caption or start text, place in twips of
// its container, font and start value.
const std::vector<host::ControlRow> &form1Layout();

} // namespace sidestop
