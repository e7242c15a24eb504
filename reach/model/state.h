// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/state_registry.h"
#include "reach/model/reach_core.h"

namespace reach {

// Every piece of the reach program's state under its outside name. The sliders' ranges bound
// the tuning width (0.2 to 20), the attention boost (1 to 2) and the suppression level (0 to
// 1); every place is a finite number, as every float piece is.
host::StateRegistry stateRegistry(ReachCore &core);

} // namespace reach
