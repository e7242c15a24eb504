// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, tooltips and the keyboard in the somatomap window.

#include "host/tests/support/form_checks.h"
#include "host/tests/support/test_support.h"
#include "somatomap/ui/form1.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using host::testing::accessibleName;

class SomatomapHelp : public host::testing::ShownForm<somatomap::Form1>
{
};

TEST_F(SomatomapHelp, EveryControlHasATooltipAndAnAccessibleName)
{
    EXPECT_EQ(host::testing::withoutToolTip(form).join(' ').toStdString(), "");
    EXPECT_EQ(host::testing::withoutAccessibleName(form).join(' ').toStdString(), "");
    EXPECT_EQ(accessibleName(control<QWidget>("txtLrate")).toStdString(),
              "Sensory Map Response: Learning Rate");
    EXPECT_EQ(accessibleName(control<QWidget>("hsbPeakrad")).toStdString(),
              "Sensory Map Response: Bubble Radius");
    EXPECT_TRUE(control<QWidget>("picHandF1(19)")->toolTip().contains("column 2 of the upper"));
    EXPECT_TRUE(control<QWidget>("picHandF1(5)")->toolTip().contains("finger 1, position 6"));
}

TEST_F(SomatomapHelp, TabGoesDownTheHandFrameThenTheMapFrame)
{
    const QStringList stops = host::testing::tabStops(form);
    // The hand frame first, then the map frame row by row: the bubble radius's text box and
    // scroll bar side by side, the trial boxes under Abort.
    EXPECT_EQ(
        stops.join(' ').toStdString(),
        "optHandPart(0) commCleanHand chkMapOn commIncCont CommFindWinner commReset commLrn "
        "optDotProd optRadBas commLrnHand txtPeakrad hsbPeakrad txtLrate commAbort txtTrialNum "
        "txtCurrentRad txtNumTrials txtError");
}

TEST_F(SomatomapHelp, ButtonsWorkByKeyboard)
{
    // Touch the palm's regions by keyboard, then learn with Enter: the weights change.
    const std::string before = host::testing::runScriptLines("var smapWts\n");
    auto *palm = control<QRadioButton>("optHandPart(3)");
    palm->setFocus();
    QTest::keyClick(palm, Qt::Key_Space);
    EXPECT_TRUE(palm->isChecked());
    QTest::keyClick(control<QPushButton>("commLrn"), Qt::Key_Return);
    EXPECT_NE(host::testing::runScriptLines("var smapWts\n"), before);
}

TEST_F(SomatomapHelp, F1ShowsTheHandAndTheMapAndTheClientKeepsItsSize)
{
    EXPECT_EQ(form.client()->size(), QSize(694, 601));
    EXPECT_EQ(form.height(), 601 + form.menuBar()->height());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    auto *browser = form.findChild<QTextBrowser *>("helpText");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->toPlainText().contains("self-organising map"));
    const QImage map
        = browser->document()->resource(QTextDocument::ImageResource, QUrl("map")).value<QImage>();
    EXPECT_EQ(map.size(), control<QWidget>("picSenseMap")->size() * form.devicePixelRatio());
}

// Every text box shows the longest text it gets whole: the largest counts, a small learning
// rate, a trial's error.
TEST_F(SomatomapHelp, TextBoxesShowTheirLongestTextsWhole)
{
    const QStringList cut = host::testing::boxesCuttingText(form,
                                                            {{"txtPeakrad", "10"},
                                                             {"txtLrate", "0.005"},
                                                             {"txtNumTrials", "32767"},
                                                             {"txtTrialNum", "32767"},
                                                             {"txtCurrentRad", "10"},
                                                             {"txtError", "0.3374546"}});
    EXPECT_EQ(cut.join(", ").toStdString(), "");
}

} // namespace
