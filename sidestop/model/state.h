// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/model/run_driver.h"

#include "host/numbers/state_registry.h"

namespace sidestop {

// Every piece of the program's state under its outside name. The registry refers to sim,
// which must outlive it.
host::StateRegistry stateRegistry(Simulation &sim);

} // namespace sidestop
