// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/program.h"

#include "host/forms/automation.h"
#include "host/forms/command_line.h"
#include "host/forms/demonstrations.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/session_file.h"
#include "host/forms/session_recovery.h"
#include "host/forms/zoom_style.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>

namespace host {

int exec(QApplication &app, Form &mainForm, const CommandLine &commandLine)
{
    // The classic look the forms are laid out for: small check and option indicators that
    // leave the captions their room, frame captions on the frame's border.
    // Its indicators follow a form's zoom.
    QApplication::setStyle(new ZoomStyle(QStyleFactory::create(
        qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE") ? QString("Windows")
                                                         : QApplication::style()->name())));
    // The program ends when no form remains loaded, not when the last window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    mainForm.setMainForm();
    addDemonstrationItems(mainForm);
    const QString script = qEnvironmentVariable("NEUROSIMS_SCRIPT");
    mainForm.setWindowTitle(titleWithSeed(mainForm.windowTitle(), commandLine));
    auto start = [&mainForm, &commandLine] {
        mainForm.load();
        if (mainForm.loadFailed())
            return false;
        mainForm.show();
        auto *session = mainForm.findChild<SessionFile *>();
        // What a crash left behind first; the file of the command line then opens as File >
        // Open would open it.
        if (session)
            runHandler([&] { session->recovery().offer(); });
        if (!commandLine.file.isEmpty()) {
            if (session)
                runHandler([&] { session->openAsked(commandLine.file); });
            else
                std::fprintf(stderr, "%s: this program opens no files; %s was not read.\n",
                             qPrintable(QApplication::applicationName()),
                             qPrintable(commandLine.file));
        }
        return true;
    };
    if (!script.isEmpty())
        return runScript(script, start);
    // A person's window: at the zoom it had last time, where that fits the screen.
    openAtFittingZoom(mainForm);
    rememberZoom();
    return start() ? app.exec() : 1;
}

int run(int argc, char *argv[], const CommandInfo &info,
        const std::function<std::unique_ptr<Form>()> &makeMainForm)
{
    const CommandLine commandLine = readCommandLine(argc, argv, info);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    QApplication app(argc, argv);
    const std::unique_ptr<Form> mainForm = makeMainForm();
    return exec(app, *mainForm, commandLine);
}

} // namespace host
