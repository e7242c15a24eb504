// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/pattern_file.h"
#include "calc/ui/form1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace calc {

std::string patternFilePath()
{
    const QString name = QString::fromLatin1(patternFileName);
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        name,
        programDir.filePath(name),
        programDir.filePath("../share/neurosims/calc/" + name),
    };
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path).toStdString();
    }
    return patternFileName;
}

} // namespace calc
