// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QTextStream;

namespace host {

// What a command of the suite says of itself on its command line and in its About box.
struct CommandInfo
{
    QString command; // "neurosims-reach"
    QString purpose; // one line: what the program shows
    QString guidePage; // its page of the user guide, "reach.md"
    bool takesFile = true; // a file to open may follow the options
};

// What the command line asked for.
struct CommandLine
{
    // Set when the command ends before any window opens: 0 after --help or --version, 2
    // after a line it refuses.
    std::optional<int> exitCode;
    std::optional<int64_t> seed; // --seed N: re-seed with N in place of the clock
    QString file; // the file argument, kept for the program to open
};

// Reads the arguments (the command's own name first) before any window exists. --help and
// --version print to out; a refused line prints its reason and a hint to err.
CommandLine readCommandLine(const QStringList &arguments, const CommandInfo &info, QTextStream &out,
                            QTextStream &err);
// The same over main's arguments, printing to standard output and standard error. It names
// the application after the command, and a seed read is fixed for every re-seed
// (host::fixSeed).
CommandLine readCommandLine(int argc, char **argv, const CommandInfo &info);

// The suite's version, as the build names it ("0.2.0").
QString suiteVersion();

// The folder of the user guide: installed beside the program, or the checkout's docs.
QString guideFolder();

// The checkout the program was built from; it may not exist where the program runs.
QString sourceFolder();

// "reach" becomes "reach — seed 7" when the command line fixed the seed.
QString titleWithSeed(const QString &title, const CommandLine &commandLine);

} // namespace host
