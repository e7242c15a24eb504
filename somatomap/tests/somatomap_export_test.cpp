// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the sensory map saves as numbers, and the learning curve of whole-hand runs.

#include "host/forms/automation.h"
#include "host/forms/learning_curve.h"
#include "host/forms/picture_area.h"
#include "host/numbers/clock.h"
#include "host/numbers/number_text.h"
#include "host/numbers/round_trip_text.h"
#include "host/tests/support/export_fixture.h"
#include "somatomap/ui/form1.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using host::testing::csvValues;
using host::testing::readCsv;
using host::testing::runScriptLines;

class SomatomapExport : public host::testing::ExportingForm<somatomap::Form1>
{
protected:
    SomatomapExport()
    {
        host::freezeClock(1234);
        form.setStimulusPause(0);
    }
    ~SomatomapExport() override { host::thawClock(); }
};

// One row per node in node order: its (i, j), its activation and its 32 weights, the numbers
// `var smapAct` and `var smapWts` print.
TEST_F(SomatomapExport, MapCsvHoldsWhatVarPrints)
{
    runScriptLines("click picHandF1(7)\nclick CommFindWinner\nclick commLrn\nexport picSenseMap "
                   "csv "
                   + path("map.csv"));
    const auto rows = readCsv(dir.filePath("map.csv"));
    ASSERT_EQ(rows.size(), 401u);
    ASSERT_EQ(rows[0].size(), 35u);
    EXPECT_EQ(rows[0][0], "node i");
    EXPECT_EQ(rows[0][2], "activation");
    EXPECT_EQ(rows[0][34], "weight 32");
    EXPECT_EQ((std::vector<std::string> {rows[1][0], rows[1][1], rows[2][0], rows[2][1],
                                         rows[400][0], rows[400][1]}),
              (std::vector<std::string> {"1", "1", "1", "2", "20", "20"}));
    EXPECT_EQ(csvValues(rows, "activation"), var("smapAct"));
    EXPECT_EQ(csvValues(rows, "weight"), var("smapWts"));
}

// Each trial of a whole-hand run adds the error the run shows; a new run keeps the one before
// for comparison; the window's CSV holds both.
TEST_F(SomatomapExport, CurveHoldsTheErrorOfEveryTrial)
{
    control<QLineEdit>("txtNumTrials")->setText("6");
    runScriptLines("click commLrnHand");
    ASSERT_EQ(form.curve().current.size(), 6u);
    EXPECT_EQ(QString::fromStdString(host::floatText(form.curve().current.back())),
              control<QLineEdit>("txtError")->text());
    const auto first = form.curve().current;

    // A run aborted at the start of its third trial has two.
    EXPECT_EQ(runScriptLines("at-yield 3 click commAbort\nclick commLrnHand\nmenu "
                             "menLearningCurve\nexport picCurve csv "
                             + path("curve.csv")),
              "");
    EXPECT_EQ(form.curve().current.size(), 2u);
    EXPECT_EQ(form.curve().previous, first);
    const auto rows = readCsv(dir.filePath("curve.csv"));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (std::vector<std::string> {"trial", "error", "previous error"}));
    EXPECT_EQ(csvValues(rows, "error"), host::roundTripText(form.curve().current));
    EXPECT_EQ(csvValues(rows, "previous"), host::roundTripText(first));
}

// Opened and closed while the run yields, the window shows the trials as they end and the run
// goes on to its end; closing the main window closes it too.
TEST_F(SomatomapExport, CurveWindowInsideARunAndWithTheMainWindow)
{
    control<QLineEdit>("txtNumTrials")->setText("8");
    EXPECT_EQ(runScriptLines("at-yield 2 menu menLearningCurve\n"
                             "at-yield 5 close frmLearningCurve\n"
                             "at-yield 6 menu menLearningCurve\n"
                             "click commLrnHand\n"
                             "show frmLearningCurve visible\n"
                             "show txtTrialNum text\n"),
              "frmLearningCurve.visible=true\ntxtTrialNum.text=8\n");
    EXPECT_EQ(form.curve().current.size(), 8u);
    runScriptLines("close Form1"); // the unsaved map let go, as a script's close does
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.curveWindow().isLoaded());
}

} // namespace
