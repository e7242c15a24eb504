// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/state_registry.h"

class QWidget;

namespace host {

// Every control of a window by its objectName, as pieces of state: a scroll bar its value
// (within its range), a check box 0, 1 or 2, an option button true or false, a text box its
// text as typed (at most maxTextLength characters). Writing one runs none of its handlers.
// The controls must outlive the registry.
StateRegistry controlsRegistry(QWidget *window);
constexpr int maxTextLength = 32767;

} // namespace host
