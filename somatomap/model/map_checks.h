// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace somatomap {

// Argument checks shared by the map's operations; each raises a host::Fault that names the
// allowed range, before the operation changes anything.
void requireRegion(int index); // a hand region 0..23
void requireNode(int i, int j, const char *what); // a node 1..20, 1..20

} // namespace somatomap
