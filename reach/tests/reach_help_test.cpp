// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, tooltips and the keyboard in the reach window.

#include "host/tests/support/form_checks.h"
#include "host/tests/support/test_support.h"
#include "reach/ui/form1.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

using host::testing::accessibleName;

class ReachHelp : public host::testing::ShownForm<reach::Form1>
{
};

TEST_F(ReachHelp, EveryControlHasATooltipAndAnAccessibleName)
{
    EXPECT_EQ(host::testing::withoutToolTip(form).join(' ').toStdString(), "");
    EXPECT_EQ(host::testing::withoutAccessibleName(form).join(' ').toStdString(), "");
    EXPECT_EQ(accessibleName(control<QWidget>("txtTxpos")).toStdString(), "Target Position: X");
    EXPECT_EQ(accessibleName(control<QWidget>("hsbSpeed")).toStdString(), "Hand Speed");
    EXPECT_EQ(accessibleName(control<QWidget>("opInk(4)")).toStdString(), "Path colour dark red");
    EXPECT_EQ(accessibleName(control<QWidget>("cell1")).toStdString(),
              "DIRECTION CELL RESPONSE DISPLAY");
}

TEST_F(ReachHelp, TabGoesThroughTheHandDisplayFirst)
{
    const QStringList stops = host::testing::tabStops(form);
    EXPECT_EQ(stops.mid(0, 10).join(' ').toStdString(),
              "optTarget txtTxpos txtTypos optDistractor txtDxpos txtDypos commReach txtHandx "
              "txtHandy commRestart");
    EXPECT_EQ(stops.back().toStdString(), "hsbSuppLevel");
}

// REACH and RESTART press with Enter as with Space. (A switch pressed with Space changes its
// value; the cells show it at their next redraw, as they do for the mouse only on release.)
TEST_F(ReachHelp, ButtonsWorkByKeyboard)
{
    form.setStepPause(0);
    QTest::keyClick(control<QPushButton>("commReach"), Qt::Key_Return);
    EXPECT_FALSE(control<QPushButton>("commReach")->isEnabled());
    EXPECT_NE(host::testing::runScriptLines("var handx\n"), "handx=0\n");
    QTest::keyClick(control<QPushButton>("commRestart"), Qt::Key_Return);
    EXPECT_TRUE(control<QPushButton>("commReach")->isEnabled());
    EXPECT_EQ(host::testing::runScriptLines("var handx\n"), "handx=0\n");
}

TEST_F(ReachHelp, HelpShowsBothDisplaysAndTheMenuBarLeavesTheClientItsSize)
{
    EXPECT_EQ(form.client()->size(), QSize(818, 593));
    EXPECT_EQ(form.height(), 593 + form.menuBar()->height());
    EXPECT_EQ(form.menuBar()->actions().back()->menu()->objectName(), "mnuHelp");
    EXPECT_EQ(host::testing::runScriptLines("menu mnuAboutModel\nshow Help visible\n"),
              "Help.visible=true\n");
    auto *browser = form.findChild<QTextBrowser *>("helpText");
    EXPECT_TRUE(browser->toPlainText().contains("population vector"));
    for (const char *picture : {"hand", "cells"})
        EXPECT_FALSE(browser->document()
                         ->resource(QTextDocument::ImageResource, QUrl(picture))
                         .value<QImage>()
                         .isNull())
            << picture;
}

// Every text box shows the longest text it gets whole: places the mouse can give anywhere on
// the display, the hand's position after a reach with the distractor.
TEST_F(ReachHelp, TextBoxesShowTheirLongestTextsWhole)
{
    const QStringList cut = host::testing::boxesCuttingText(form,
                                                            {{"txtTxpos", "-97.50693"},
                                                             {"txtTypos", "197.5069"},
                                                             {"txtDxpos", "-97.50693"},
                                                             {"txtDypos", "197.5069"},
                                                             {"txtHandx", "-22.69338"},
                                                             {"txtHandy", "108.0285"}});
    EXPECT_EQ(cut.join(", ").toStdString(), "");
}

} // namespace
