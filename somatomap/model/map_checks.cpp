// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/map_checks.h"

#include "host/numbers/fault.h"
#include "somatomap/model/sensory_map.h"

#include <string>

namespace somatomap {

void requireRegion(int index)
{
    if (index < 0 || index >= regionCount)
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "The hand region must be a whole number from 0 to 23, not "
                              + std::to_string(index) + ".");
}

void requireNode(int i, int j, const char *what)
{
    if (i < 1 || i > mapSide || j < 1 || j > mapSide)
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          std::string(what) + " (" + std::to_string(i) + ", " + std::to_string(j)
                              + ") lies outside the map, whose nodes run from 1 to 20.");
}

} // namespace somatomap
