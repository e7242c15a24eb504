// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/about_box.h"

#include "host/forms/command_line.h"
#include "host/forms/messages.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace host {

QStringList aboutLines()
{
    const QString source = QFileInfo(sourceFolder()).isDir()
        ? sourceFolder()
        : "from whoever gave you this program, under the same licence";
    return {
        QCoreApplication::applicationName() + " " + suiteVersion(),
        "Part of neurosims: four teaching simulations of how model neurons compute.",
        "Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later). "
        "There is no warranty.",
        "The user guide: " + guideFolder(),
        "The source code: " + source,
    };
}

void showAboutNeurosims() { showAbout("About neurosims", aboutLines()); }

} // namespace host
