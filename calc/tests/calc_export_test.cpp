// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ui/form1.h"
#include "host/forms/automation.h"
#include "host/forms/learning_curve.h"
#include "host/forms/picture_area.h"
#include "host/numbers/round_trip_text.h"
#include "host/tests/support/export_fixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

using host::testing::csvValues;
using host::testing::readCsv;
using host::testing::runScriptLines;

class CalcExport : public host::testing::ExportingForm<calc::Form1>
{
protected:
    void learn(const char *epochs)
    {
        control<QLineEdit>("txtIpepoques")->setText(epochs);
        runScriptLines("click commLearn");
    }
    // Pixels of the current run's colour in the curve's display.
    int curvePixels()
    {
        const QImage image = form.curveWindow().plot()->image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(0, 0, 160);
        return count;
    }
};

// Every weight by numeral and segment and the outputs, the same numbers `var` prints; the
// output boxes save the same table as the diagram.
TEST_F(CalcExport, WeightCsvHoldsWhatVarPrints)
{
    control<QRadioButton>("optSig")->setChecked(true);
    learn("7");
    runScriptLines("export picWts csv " + path("w.csv") + "\nexport picOpnode(3) csv "
                   + path("box.csv"));
    const auto rows = readCsv(dir.filePath("w.csv"));
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string> {"unit", "numeral", "1 top", "2 upper left",
                                         "3 upper right", "4 middle", "5 lower left",
                                         "6 lower right", "7 bottom", "output"}));
    EXPECT_EQ(csvValues(rows, "numeral"), "1 2 3 4 5 6 7 8 9 0 A b C d E F");
    std::string weights; // columns 2..8, row after row
    for (std::size_t row = 1; row < rows.size(); ++row)
        for (std::size_t column = 2; column < 9; ++column)
            weights += (weights.empty() ? "" : " ") + rows[row][column];
    EXPECT_EQ(weights, var("weights"));
    EXPECT_EQ(csvValues(rows, "output"), var("outputs"));
    EXPECT_EQ(readCsv(dir.filePath("box.csv")), rows);
    // The segment and arrow boxes are pictures only.
    EXPECT_EQ(runScriptLines("export Picture1(0) csv " + path("seg.csv")),
              "fault: The display Picture1(0) has no numbers to save: only its picture can be "
              "saved.\n");
}

TEST_F(CalcExport, WeightDiagramSavesAsImagesOfItsSize)
{
    learn("3");
    runScriptLines("export picWts png " + path("w.png") + "\nexport picWts png2x " + path("w2.png")
                   + "\nexport picWts svg " + path("w.svg"));
    const QSize size = control<host::PictureArea>("picWts")->size();
    EXPECT_EQ(QImage(dir.filePath("w.png")).size(), size);
    EXPECT_EQ(QImage(dir.filePath("w2.png")).size(), size * 2);
    QSvgRenderer svg(dir.filePath("w.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), size);
}

// The curve of a run is its sums of errors epoch by epoch; a fresh LEARN keeps the run before
// for comparison, ReStart goes on with the current one.
TEST_F(CalcExport, CurveFollowsTheRunsEpochByEpoch)
{
    learn("5");
    ASSERT_EQ(form.curve().current.size(), 5u);
    EXPECT_EQ(host::roundTripText(form.curve().current.back()), var("sumError"));
    const auto first = form.curve().current;

    learn("3");
    EXPECT_EQ(form.curve().previous, first);
    EXPECT_EQ(form.curve().current, std::vector<float>(first.begin(), first.begin() + 3));
    runScriptLines("click CommandHalt\nclick CommandRestart");
    EXPECT_EQ(form.curve().current.size(), 6u) << "ReStart goes on with the run";
    EXPECT_EQ(form.curve().previous, first);

    runScriptLines("menu menLearningCurve\nexport picCurve csv " + path("curve.csv"));
    const auto rows = readCsv(dir.filePath("curve.csv"));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0],
              (std::vector<std::string> {"epoch", "sum of errors", "previous sum of errors"}));
    EXPECT_EQ(csvValues(rows, "epoch"), "1 2 3 4 5 6");
    EXPECT_EQ(csvValues(rows, "sum of errors"), host::roundTripText(form.curve().current));
    EXPECT_EQ(rows[6][2], "") << "the run before had five epochs";
}

// Opened inside a run, the window draws the epochs so far and each further one as it ends;
// closed inside it, the run goes on to its end.
TEST_F(CalcExport, CurveWindowOpensAndClosesInsideARun)
{
    control<QLineEdit>("txtIpepoques")->setText("12");
    EXPECT_EQ(runScriptLines("at-yield 2 menu menLearningCurve\n"
                             "at-yield 4 show frmLearningCurve visible\n"
                             "click commLearn\n"
                             "show frmLearningCurve visible\n"),
              "frmLearningCurve.visible=true\nfrmLearningCurve.visible=true\n");
    const int drawn = curvePixels();
    EXPECT_GT(drawn, 100) << "the twelve epochs are drawn";

    EXPECT_EQ(runScriptLines("at-yield 3 close frmLearningCurve\nclick commLearn\n"
                             "show frmLearningCurve visible\n"),
              "frmLearningCurve.visible=false\n");
    EXPECT_EQ(control<QLineEdit>("txtEpoques")->text(), "12");
    EXPECT_EQ(form.curve().current.size(), 12u);
    // Reopened, it shows the whole curve, the run before in grey beneath it.
    runScriptLines("menu menLearningCurve");
    EXPECT_EQ(curvePixels(), drawn);
}

// Closing the main window closes the curve's window too, so the program ends.
TEST_F(CalcExport, TheCurveWindowClosesWithTheMainWindow)
{
    runScriptLines("menu menLearningCurve");
    ASSERT_TRUE(form.curveWindow().isLoaded());
    form.close();
    EXPECT_FALSE(form.curveWindow().isLoaded());
    EXPECT_FALSE(form.curveWindow().isVisible());
}

} // namespace
