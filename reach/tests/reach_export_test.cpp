// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two displays save as numbers, and the right button that opens their menu.

#include "host/forms/picture_area.h"
#include "host/tests/support/export_fixture.h"
#include "reach/ui/form1.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using host::testing::csvValues;
using host::testing::readCsv;
using host::testing::runScriptLines;

class ReachExport : public host::testing::ExportingForm<reach::Form1>
{
protected:
    ReachExport() { form.setStepPause(0); }

    std::vector<std::vector<std::string>> saved(const char *area, const char *name)
    {
        runScriptLines(std::string("export ") + area + " csv " + path(name));
        return readCsv(dir.filePath(name));
    }
};

TEST_F(ReachExport, CellCsvHoldsWhatVarPrints)
{
    runScriptLines("click chkSeeDistractor\nclick commReach");
    const auto rows = saved("cell1", "cells.csv");
    ASSERT_EQ(rows.size(), 101u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string> {"cell", "preferred direction (rad)", "response",
                                         "response to the target alone"}));
    EXPECT_EQ(rows[100][0], "100");
    const char *variables[] = {"prefDir", "cellResp", "targResp"};
    for (std::size_t column = 1; column <= 3; ++column) {
        std::string values;
        for (std::size_t row = 1; row < rows.size(); ++row)
            values += (row > 1 ? " " : "") + rows[row][column];
        EXPECT_EQ(values, var(variables[column - 1])) << rows[0][column];
    }
}

// The hand display's path: each reach since the last Delete Path from its start (step 0),
// ending where the hand stopped; Delete Path clears it with the picture.
TEST_F(ReachExport, PathCsvFollowsTheReachesTheDisplayShows)
{
    runScriptLines("click commReach");
    const std::string firstEnd = var("handx") + " " + var("handy");
    runScriptLines("click commRestart\nclick optTpos(1)\nclick commReach");
    const auto rows = saved("picture1", "path.csv");
    ASSERT_GT(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string> {"reach", "step", "hand x", "hand y"}));
    EXPECT_EQ(rows[1], (std::vector<std::string> {"1", "0", "0", "0"}));
    std::size_t second = 1;
    while (second < rows.size() && rows[second][0] == "1")
        ++second;
    ASSERT_LT(second, rows.size());
    EXPECT_EQ(rows[second - 1][2] + " " + rows[second - 1][3], firstEnd);
    EXPECT_EQ(rows[second], (std::vector<std::string> {"2", "0", "0", "0"}));
    EXPECT_EQ(rows.back()[2] + " " + rows.back()[3], var("handx") + " " + var("handy"));
    EXPECT_EQ(rows.back()[1], std::to_string(rows.size() - 1 - second));

    runScriptLines("click commDelPath");
    EXPECT_EQ(saved("picture1", "cleared.csv").size(), 1u);
}

// A right click on the hand display opens the export menu and leaves the target where it is:
// the press would otherwise place it and start a drag whose release the menu takes.
TEST_F(ReachExport, RightClickOnTheHandDisplayMovesNothing)
{
    QTest::mouseClick(control<QRadioButton>("optTarget"), Qt::LeftButton);
    const std::string target = var("targetx") + " " + var("targety");
    auto *display = control<host::PictureArea>("picture1");
    const QPoint at = display->scale().toDevice(QPointF(-40, 60)).toPoint();
    QTest::mousePress(display, Qt::RightButton, {}, at);
    QTest::mouseMove(display, at + QPoint(20, 0));
    QTest::mouseRelease(display, Qt::RightButton, {}, at + QPoint(20, 0));
    EXPECT_EQ(var("targetx") + " " + var("targety"), target);
    EXPECT_EQ(var("moving_things"), "false");
    // The left button still places it.
    QTest::mouseClick(display, Qt::LeftButton, {}, at);
    EXPECT_NE(var("targetx") + " " + var("targety"), target);
}

} // namespace
