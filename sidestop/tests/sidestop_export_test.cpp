// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the graph window's two displays save as numbers.

#include "host/tests/support/export_fixture.h"
#include "sidestop/ui/form1.h"

#include <gtest/gtest.h>

namespace {

using host::testing::csvValues;
using host::testing::readCsv;
using host::testing::runScriptLines;

using SidestopExport = host::testing::ExportingForm<sidestop::Form1>;

TEST_F(SidestopExport, HistoryAndInputLevelsHoldWhatVarPrints)
{
    runScriptLines("click chkUpdate\nclick comPardef\nclick commExtipdef\nset VScroll1(3) 70\n"
                   "click commRun\nexport picGraph csv "
                   + path("history.csv") + "\nexport picBargraph csv " + path("levels.csv"));
    const auto history = readCsv(dir.filePath("history.csv"));
    ASSERT_EQ(history.size(), 21u) << "a row per iteration of the default run";
    EXPECT_EQ(history[0].front(), "iteration");
    EXPECT_EQ(history[0].back(), "unit 10");
    EXPECT_EQ(csvValues(history, "iteration"),
              "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20");
    EXPECT_EQ(csvValues(history, "unit"), var("actHistory"));

    const auto levels = readCsv(dir.filePath("levels.csv"));
    ASSERT_EQ(levels.size(), 11u);
    EXPECT_EQ(
        levels[0],
        (std::vector<std::string> {"unit", "input now", "default input", "level in its box"}));
    std::string extip, extipDef;
    for (std::size_t row = 1; row < levels.size(); ++row) {
        extip += (row > 1 ? " " : "") + levels[row][1];
        extipDef += (row > 1 ? " " : "") + levels[row][2];
    }
    EXPECT_EQ(extip, var("extip"));
    EXPECT_EQ(extipDef, var("extipDef"));
    EXPECT_EQ(levels[4][3], "0.7") << "unit 4's box shows the level its bar was set to";
}

} // namespace
