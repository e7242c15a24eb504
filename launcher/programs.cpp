// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/programs.h"

#include <QDir>

namespace launcher {

std::vector<Program> programs(const Places &places)
{
    struct Entry
    {
        const char *name;
        const char *teaches;
    };
    const Entry entries[] = {
        {"reach", "A population of direction cells steers a hand to a target."},
        {"sidestop",
         "Ten units with self-excitation and lateral inhibition: the strongest input "
         "wins."},
        {"calc", "A delta-rule layer learns to name the seven-segment numerals 0-F."},
        {"somatomap", "A self-organising map learns the regions of a hand."},
    };
    std::vector<Program> list;
    for (const Entry &entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        list.push_back({name, QString::fromUtf8(entry.teaches), ":/launcher/icons/" + name + ".svg",
                        QDir(places.thumbnailDir).filePath(name + ".png"),
                        QDir(places.buildDir).filePath(name + "/" + name),
                        QDir(places.sourceDir).filePath(name)});
    }
    return list;
}

Places builtPlaces()
{
    return {QStringLiteral(NEUROSIMS_BUILD_DIR), QStringLiteral(NEUROSIMS_SOURCE_DIR),
            QStringLiteral(NEUROSIMS_THUMBNAIL_DIR)};
}

} // namespace launcher
