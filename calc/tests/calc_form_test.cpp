// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ui/form1.h"
#include "host/forms/picture_area.h"
#include "host/tests/support/test_support.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor white(255, 255, 255);
const QColor lit(0, 0, 225);
const QColor switchedOff(255, 255, 225);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);

// The window as a student sees it, driven by real mouse events.
class CalcForm : public host::testing::ShownForm<calc::Form1>
{
protected:
    host::PictureArea *area(const QString &name) { return control<host::PictureArea>(name); }

    void click(const QString &name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }

    void clickIndicator(QCheckBox *box)
    {
        QStyleOptionButton option;
        option.initFrom(box);
        QTest::mouseClick(
            box, Qt::LeftButton, {},
            box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center());
    }
};

TEST_F(CalcForm, SegmentBoxesToggleUnderTheMouseWithoutTouchingTheNetwork)
{
    host::PictureArea *middle = area("Picture1(3)");
    EXPECT_EQ(middle->backColor(), white);
    const std::vector<QColor> expected {lit, switchedOff, lit};
    for (const QColor &color : expected) {
        click("Picture1(3)");
        EXPECT_EQ(middle->backColor(), color);
        EXPECT_EQ(middle->pixelAt(QPointF(5, 5)), color) << "the new colour shows";
    }
    EXPECT_EQ(form.network().curInput, calc::UnitList {});
}

TEST_F(CalcForm, DisplayIoShowsAboveTheLearningFrameItLiesIn)
{
    auto *check1 = control<QCheckBox>("Check1");
    QWidget *client = check1->parentWidget();
    EXPECT_EQ(client->childAt(check1->geometry().center()), check1);
    clickIndicator(check1);
    EXPECT_EQ(check1->checkState(), Qt::Checked);
}

// A slow run pauses before each displayed presentation: one epoch of the sixteen standard
// patterns takes about a second, and the boxes show the pattern being presented.
TEST_F(CalcForm, SlowEpochTakesAboutASecond)
{
    clickIndicator(control<QCheckBox>("chkGoSlow"));
    control<QLineEdit>("txtIpepoques")->setText("1");
    QElapsedTimer clock;
    clock.start();
    click("commLearn");
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 16 * 50);
    EXPECT_LE(elapsed, 16 * 200);
    EXPECT_EQ(control<QLineEdit>("txtEpoques")->text(), "1");
    // F, the last pattern, lights top, upper left, middle and lower left.
    EXPECT_EQ(area("Picture1(0)")->backColor(), lit);
    EXPECT_EQ(area("Picture1(2)")->backColor(), white);
    EXPECT_EQ(area("picOpnode(15)")->backColor(), white);
}

// With the clock running, epochs follow each other within one clock step; the generator,
// re-seeded with an equal seed at each shuffle, still draws new exchanges for every epoch.
TEST_F(CalcForm, RandomOrderShufflesAfreshEveryEpochWithTheClockRunning)
{
    clickIndicator(control<QCheckBox>("chkRandom"));
    control<QLineEdit>("txtIpepoques")->setText("6");
    control<QLineEdit>("txtLrate")->setText("-0.5"); // never learns, so every epoch runs
    std::string script;
    for (int epoch = 1; epoch <= 6; ++epoch)
        script += "at-yield " + std::to_string(epoch) + " var order\n";
    const QStringList lines
        = QString::fromStdString(host::testing::runScriptLines(script + "click commLearn\n"))
              .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    // Each epoch's exchanges as one permutation of positions: where each entry came from.
    QStringList previous {"1", "2",  "3",  "4",  "5",  "6",  "7",  "8",
                          "9", "10", "11", "12", "13", "14", "15", "16"};
    QList<QList<qsizetype>> moves;
    for (const QString &line : lines) {
        const QStringList order = line.section('=', 1).split(' ');
        ASSERT_EQ(order.size(), 16);
        QList<qsizetype> from;
        for (const QString &entry : order)
            from << previous.indexOf(entry);
        moves << from;
        previous = order;
    }
    for (qsizetype epoch = 1; epoch < moves.size(); ++epoch)
        EXPECT_NE(moves[epoch], moves[epoch - 1]) << "epoch " << epoch + 1;
}

// A weight of magnitude 0.55 fills its cell. A negative rate keeps every output 0, so one
// epoch gives each numeral's segments the weight -0.55: numeral 1 (segments 3 and 6) has
// blue squares just inside the grid lines of its cells.
TEST_F(CalcForm, WeightOfPointFiftyFiveFillsItsCell)
{
    control<QLineEdit>("txtIpepoques")->setText("1");
    control<QLineEdit>("txtLrate")->setText("-0.55");
    click("commLearn");
    ASSERT_EQ(form.network().weights[0][2], -0.55f);
    host::PictureArea *diagram = area("picWts");
    EXPECT_EQ(diagram->pixelAt(QPointF(2.5, 1.5)), blue);
    EXPECT_EQ(diagram->pixelAt(QPointF(2.06, 1.5)), blue);
    EXPECT_EQ(diagram->pixelAt(QPointF(2.94, 1.94)), blue);
    EXPECT_EQ(diagram->pixelAt(QPointF(5.5, 1.06)), blue);
    EXPECT_EQ(diagram->pixelAt(QPointF(1.5, 1.5)), white);
}

TEST_F(CalcForm, ArrowsStepThroughTheNumeralsAndTestEach)
{
    click("commLearn");
    ASSERT_EQ(control<QPushButton>("commLearn")->text(), "LEARN");
    click("Image1");
    EXPECT_EQ(area("picOpnode(15)")->backColor(), red);
    click("Image2");
    click("Image2");
    EXPECT_EQ(area("picOpnode(1)")->backColor(), red);
    EXPECT_EQ(area("picOpnode(0)")->backColor(), white);
}

} // namespace
