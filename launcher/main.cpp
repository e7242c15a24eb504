// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/command_line.h"
#include "launcher/launcher_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const host::CommandLine commandLine = host::readCommandLine(
        argc, argv,
        {"neurosims-launcher", "starts the four simulations; a seed given goes to each", "",
         false});
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    QApplication app(argc, argv);
    QStringList arguments;
    if (commandLine.seed)
        arguments << "--seed" << QString::number(*commandLine.seed);
    launcher::LauncherWindow window(launcher::programs(launcher::builtPlaces()),
                                    launcher::LauncherWindow::startingWith(arguments));
    window.setWindowTitle(host::titleWithSeed(window.windowTitle(), commandLine));
    window.show();
    // NEUROSIMS_GRAB=FILE (tools/screenshots): the window as it first shows goes to a PNG file,
    // and the launcher ends.
    if (const QString file = qEnvironmentVariable("NEUROSIMS_GRAB"); !file.isEmpty()) {
        QApplication::processEvents();
        return window.grab().save(file) ? 0 : 1;
    }
    return app.exec();
}
