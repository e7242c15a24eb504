// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

class QApplication;

namespace host {

class Form;
struct CommandInfo;
struct CommandLine;

// A program's main: reads the command line before any window exists (ending at once after
// --help, --version or a line it refuses), then makes the application and the main form
// and runs it (exec).
int run(int argc, char *argv[], const CommandInfo &info,
        const std::function<std::unique_ptr<Form>()> &makeMainForm);

// Runs the program: loads and shows its main form in the classic widget style, then either
// hands over to the event loop or, when the environment variable NEUROSIMS_SCRIPT names a
// script, runs the script (see automation.h) and returns its exit code. The program ends
// when no form remains loaded. The main form's title shows a seed the command line fixed.
int exec(QApplication &app, Form &mainForm, const CommandLine &commandLine);

} // namespace host
