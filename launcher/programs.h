// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace launcher {

// One program of the suite as the launcher offers it.
struct Program
{
    QString name; // also its executable's and folder's name
    QString teaches; // one sentence on what it teaches
    QString icon; // the icon, an SVG in the launcher's resources
    QString thumbnail; // a PNG of its window, grabbed from the program itself
    QString executable;
    QString workingDirectory; // where it finds its data (calc its pattern file)
};

// Where the programs and their thumbnails lie: the build tree's program folders and the
// thumbnails the build grabbed, the programs running in their source folders.
struct Places
{
    QString buildDir;
    QString sourceDir;
    QString thumbnailDir;
};

// The four programs, in the order the launcher lists them.
std::vector<Program> programs(const Places &places);

// The places this launcher was built with.
Places builtPlaces();

} // namespace launcher
