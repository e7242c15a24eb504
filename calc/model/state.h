// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/core.h"
#include "host/numbers/state_registry.h"

namespace calc {

// Every piece of the numeral identifier's state under its outside name: the network's weights,
// unit values, sizes, rate and order, and the run flags. The core must outlive the registry.
host::StateRegistry stateRegistry(Core &core);

} // namespace calc
