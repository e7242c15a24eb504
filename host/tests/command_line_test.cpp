// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line every program reads before it opens a window.

#include "host/forms/command_line.h"
#include "host/numbers/clock.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace {

const host::CommandInfo reach {"neurosims-reach", "cells steer a hand", "reach.md"};

struct Read
{
    host::CommandLine line;
    QString out;
    QString err;
};

Read read(const QStringList &arguments, const host::CommandInfo &info = reach)
{
    Read result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.line = host::readCommandLine(QStringList {info.command} + arguments, info, out, err);
    return result;
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutAWindow)
{
    const Read version = read({"--version"});
    EXPECT_EQ(version.line.exitCode, 0);
    EXPECT_EQ(version.out, "neurosims-reach " + host::suiteVersion() + "\n");
    EXPECT_EQ(host::suiteVersion(), NEUROSIMS_VERSION);

    const Read help = read({"-h"});
    EXPECT_EQ(help.line.exitCode, 0);
    for (const char *told : {"Usage: neurosims-reach [options] [file]", "cells steer a hand.",
                             "--seed <N>", "NEUROSIMS_SCRIPT", "QT_QPA_PLATFORM", "/reach.md"})
        EXPECT_TRUE(help.out.contains(told)) << told;
    EXPECT_TRUE(help.err.isEmpty());
}

TEST(CommandLine, RefusedLinesEndWithExitCodeTwoAndSayWhy)
{
    const std::pair<QStringList, const char *> refused[] = {
        {{"--bogus"}, "Unknown option 'bogus'."},
        {{"-platform", "xcb"}, "Unknown option 'platform'."},
        {{"--seed"}, "Missing value after '--seed'."},
        {{"--seed", "-1"}, "--seed takes a whole number from 0 to 4294967295, not '-1'."},
        {{"--seed", "4294967296"}, "not '4294967296'"},
        {{"--seed", "2.5"}, "not '2.5'"},
        {{"a.ses", "b.ses"}, "Only one file can be opened at a time."},
    };
    for (const auto &[arguments, reason] : refused) {
        const Read result = read(arguments);
        EXPECT_EQ(result.line.exitCode, 2) << reason;
        EXPECT_TRUE(result.err.startsWith("neurosims-reach: ")) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(reason)) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(read({"file.ses"}, {"neurosims-launcher", "starts them", "", false}).line.exitCode,
              2);
}

TEST(CommandLine, SeedAndFileAreKeptForTheProgram)
{
    const Read result = read({"--seed", "4294967295", "class.ses"});
    EXPECT_FALSE(result.line.exitCode);
    EXPECT_EQ(result.line.seed, 4294967295);
    EXPECT_EQ(result.line.file, "class.ses");
    EXPECT_EQ(host::titleWithSeed("reach", result.line), "reach \u2014 seed 4294967295");
    EXPECT_EQ(host::titleWithSeed("reach", read({}).line), "reach");
}

TEST(CommandLine, AFixedSeedReplacesTheClockAtEveryReseed)
{
    host::freezeClock(3600.5);
    char command[] = "neurosims-reach", option[] = "--seed", seven[] = "7";
    char *seeded[] = {command, option, seven};
    host::readCommandLine(3, seeded, reach);
    EXPECT_EQ(host::clockSeed(), 7.0);
    host::thawClock();
    EXPECT_EQ(host::clockSeed(), 7.0);
    char *plain[] = {command};
    host::freezeClock(3600.5);
    host::readCommandLine(1, plain, reach);
    EXPECT_EQ(host::clockSeed(), 3600.5);
    host::thawClock();
}

} // namespace
