// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/core.h"
#include "host/numbers/session_document.h"
#include "host/numbers/state_registry.h"

namespace calc {

// Every piece of the numeral identifier's state under its outside name: the network's weights,
// unit values, sizes, rate and order, and the run flags. The core must outlive the registry.
host::StateRegistry stateRegistry(Core &core);

// A saved network must be one of this network's size (its pattern file fixes the window's
// network), and its weights, patterns, order and shown pattern must agree with each other:
// every pattern a run presents exists and names only units the network has.
void checkSavedNetwork(const Network &net, const host::SessionLookup &saved);

} // namespace calc
