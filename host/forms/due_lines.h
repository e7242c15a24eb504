// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace host {

// Lines waiting for a yield (at-yield): at each yield every one is counted down, and those
// whose yield has come are taken off, in the order they were given.
template <typename Pending, typename Line>
std::vector<Line> takeDueLines(std::vector<Pending> &pending, Line Pending::*line)
{
    std::vector<Line> due;
    for (auto it = pending.begin(); it != pending.end();) {
        if (--it->yieldsLeft <= 0) {
            due.push_back((*it).*line);
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
    return due;
}

} // namespace host
