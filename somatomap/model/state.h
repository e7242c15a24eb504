// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/state_registry.h"
#include "somatomap/model/core.h"

namespace somatomap {

// Every piece of the program's state under the name automation's `var` gives it: the map's
// inputs, weights and activations, the palm coordinates, the running error, the touched
// region and the stop request. The core must outlive the registry.
host::StateRegistry stateRegistry(Core &core);

} // namespace somatomap
