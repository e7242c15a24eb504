// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "launcher/programs.h"

#include <QString>

#include <vector>

namespace launcher {

// A session a program saved or opened lately, as its File > Open Recent lists it.
struct RecentSession
{
    Program program;
    QString path; // absolute, as the program keeps it
    bool gone; // moved or deleted since
};

// The recent sessions of every program, in the programs' order, each program's latest first:
// the lists the programs keep in the settings ("neurosims", "sessions"), recent/<program>.
std::vector<RecentSession> recentSessions(const std::vector<Program> &programs);

} // namespace launcher
