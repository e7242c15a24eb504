// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/recent_sessions.h"

#include <QFileInfo>
#include <QSettings>

namespace launcher {

std::vector<RecentSession> recentSessions(const std::vector<Program> &programs)
{
    const QSettings settings("neurosims", "sessions");
    std::vector<RecentSession> sessions;
    for (const Program &program : programs)
        for (const QString &path : settings.value("recent/" + program.name).toStringList())
            sessions.push_back({program, path, !QFileInfo(path).isFile()});
    return sessions;
}

} // namespace launcher
