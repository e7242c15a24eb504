// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, tooltips and the keyboard in both sidestop windows.

#include "host/tests/support/form_checks.h"
#include "host/tests/support/test_support.h"
#include "sidestop/ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using host::testing::accessibleName;
using host::testing::tabStops;

class SidestopHelp : public host::testing::ShownForm<sidestop::Form1>
{
};

TEST_F(SidestopHelp, EveryControlOfBothWindowsHasATooltipAndAnAccessibleName)
{
    form.graphWindow().load();
    for (const host::Form *window :
         {static_cast<host::Form *>(&form), static_cast<host::Form *>(&form.graphWindow())}) {
        EXPECT_EQ(host::testing::withoutToolTip(*window).join(' ').toStdString(), "");
        EXPECT_EQ(host::testing::withoutAccessibleName(*window).join(' ').toStdString(), "");
    }
    // Text boxes and scroll bars take the name of their row, the unlabelled button the
    // label beside it.
    EXPECT_EQ(accessibleName(control<QWidget>("txtNegwt")).toStdString(),
              "Parameters: Lateral inhibitory weight");
    EXPECT_EQ(accessibleName(control<QWidget>("hsbNiterations")).toStdString(),
              "Performance: No. of Iterations");
    EXPECT_EQ(accessibleName(control<QWidget>("comPardef")).toStdString(),
              "Parameters: Default Setting");
    EXPECT_EQ(accessibleName(control<QWidget>("text1(2)")).toStdString(), "External Input: 3");
}

TEST_F(SidestopHelp, TabGoesThroughTheFramesInReadingOrder)
{
    const QStringList stops = tabStops(form);
    // The unit row: each text box, then the level bars below them.
    EXPECT_EQ(stops.mid(0, 3).join(' ').toStdString(), "text1(0) text1(1) text1(2)");
    EXPECT_EQ(stops.indexOf("VScroll1(0)"), 10);
    const auto before = [&stops](const char *a, const char *b) {
        return stops.indexOf(a) >= 0 && stops.indexOf(a) < stops.indexOf(b);
    };
    EXPECT_TRUE(before("VScroll1(9)", "chkUpdate"));
    EXPECT_TRUE(before("chkUpdate", "commExtipdef"));
    EXPECT_TRUE(before("commExtipdef", "txtNegwt"));
    EXPECT_TRUE(before("txtNegwt", "hsbNegwt"));
    EXPECT_TRUE(before("hsbNegwt", "txtPoswt"));
    EXPECT_TRUE(before("hsbNoise", "comPardef"));
    EXPECT_TRUE(before("comPardef", "txtIter"));
    EXPECT_TRUE(before("txtIter", "chkRamp"));
    EXPECT_TRUE(before("chkRamp", "txtExtipoff"));
    EXPECT_TRUE(before("optRegLI", "commRun"));
    EXPECT_EQ(stops.size(), 37) << stops.join(" ").toStdString();
}

TEST_F(SidestopHelp, ButtonsWorkByKeyboard)
{
    QTest::keyClick(control<QPushButton>("comPardef"), Qt::Key_Return);
    QTest::keyClick(control<QPushButton>("commExtipdef"), Qt::Key_Space);
    QTest::keyClick(control<QPushButton>("commRun"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.state().niter, 20);
    ASSERT_EQ(form.state().actHistory.size(), 20u);
    // Unit 6 has the strongest input and wins.
    const auto &last = form.state().actHistory.back();
    EXPECT_EQ(std::max_element(last.begin(), last.end()) - last.begin(), 5);
}

TEST_F(SidestopHelp, HelpOpensWithAPictureOfTheWindowAndTheClientKeepsItsSize)
{
    EXPECT_EQ(form.client()->size(), QSize(448, 591));
    EXPECT_EQ(form.height(), 591 + form.menuBar()->height());
    auto *about = form.findChild<QAction *>("mnuAboutModel");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->shortcut(), QKeySequence(Qt::Key_F1));
    about->trigger();
    auto *browser = form.findChild<QTextBrowser *>("helpText");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->toPlainText().contains("Quillet Variation"));
    const QImage picture = browser->document()
                               ->resource(QTextDocument::ImageResource, QUrl("picture"))
                               .value<QImage>();
    EXPECT_EQ(picture.size(), form.client()->size() * form.devicePixelRatio());
}

// Every text box shows the longest text it gets whole: levels and weights as their scroll bars
// write them, the largest counts a run takes.
TEST_F(SidestopHelp, TextBoxesShowTheirLongestTextsWhole)
{
    const QStringList cut = host::testing::boxesCuttingText(form,
                                                            {{"text1(0)", "0.35"},
                                                             {"text1(9)", "0.35"},
                                                             {"txtNegwt", "1.95"},
                                                             {"txtPoswt", "0.95"},
                                                             {"txtNoise", "0.198"},
                                                             {"txtIter", "32767"},
                                                             {"txtExtipoff", "32767"}});
    EXPECT_EQ(cut.join(", ").toStdString(), "");
}

} // namespace
