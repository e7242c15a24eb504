// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, tooltips and the keyboard in the calc window.

#include "calc/ui/form1.h"
#include "host/tests/support/form_checks.h"
#include "host/tests/support/test_support.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using host::testing::accessibleName;

class CalcHelp : public host::testing::ShownForm<calc::Form1>
{
};

TEST_F(CalcHelp, EveryControlHasATooltipAndAnAccessibleName)
{
    EXPECT_EQ(host::testing::withoutToolTip(form).join(' ').toStdString(), "");
    EXPECT_EQ(host::testing::withoutAccessibleName(form).join(' ').toStdString(), "");
    EXPECT_EQ(accessibleName(control<QWidget>("txtLrate")).toStdString(),
              "LEARNING: Learning Rate");
    EXPECT_EQ(accessibleName(control<QWidget>("commShownum(11)")).toStdString(), "b");
    EXPECT_EQ(accessibleName(control<QWidget>("picWts")).toStdString(), "WEIGHTS DISPLAY");
    // The tooltip of an output box names the unit that stands for its numeral.
    EXPECT_TRUE(control<QWidget>("picOpnode(0)")->toolTip().startsWith("Output unit 10,"));
    EXPECT_TRUE(control<QWidget>("picOpnode(10)")->toolTip().startsWith("Output unit 11,"));
}

TEST_F(CalcHelp, TheWindowOpensOnTheThresholdRuleAndTabFollowsTheLayout)
{
    EXPECT_EQ(form.focusWidget(), control<QRadioButton>("optThresh"));
    const QStringList stops = host::testing::tabStops(form);
    EXPECT_EQ(stops.mid(0, 4).join(' ').toStdString(),
              "txtIpepoques chkGoSlow chkShowWts chkRandom");
    const auto before = [&stops](const char *a, const char *b) {
        return stops.indexOf(a) >= 0 && stops.indexOf(a) < stops.indexOf(b);
    };
    EXPECT_TRUE(before("txtError", "Check1"));
    // Tab enters the rule's frame at the selected option; the arrow keys choose the other.
    EXPECT_TRUE(before("Check1", "optThresh"));
    EXPECT_EQ(stops.indexOf("optSig"), -1);
    EXPECT_TRUE(before("optThresh", "CommandHalt"));
    EXPECT_TRUE(before("CommandHalt", "CommandRestart"));
    EXPECT_TRUE(before("CommandRestart", "commShownum(0)"));
    // The keypad row by row: 0 1 2 3, then 4 5 6 7.
    EXPECT_TRUE(before("commShownum(3)", "commShownum(4)")) << stops.join(" ").toStdString();
    EXPECT_TRUE(before("commShownum(15)", "commProcessIp"));
    EXPECT_EQ(stops.size(), 30) << stops.join(" ").toStdString();
}

TEST_F(CalcHelp, KeypadAndTestWorkByKeyboard)
{
    // After learning, keypad "1" by Space shows the numeral and Enter on "Input Displayed
    // Numeral" presents it: output unit 1 lights, and only it.
    host::testing::runScriptLines("click commLearn");
    QTest::keyClick(control<QPushButton>("commShownum(1)"), Qt::Key_Space);
    EXPECT_EQ(host::testing::runScriptLines("var shownPattern\nshow picOpnode(1) backcolor\n"),
              "shownPattern=1\npicOpnode(1).backcolor=255,255,255\n");
    QTest::keyClick(control<QPushButton>("commProcessIp"), Qt::Key_Return);
    EXPECT_EQ(host::testing::runScriptLines("show picOpnode(1) backcolor\nshow picOpnode(2) "
                                            "backcolor\n"),
              "picOpnode(1).backcolor=255,0,0\npicOpnode(2).backcolor=255,255,255\n");
}

TEST_F(CalcHelp, HelpComesAfterTheAboutCommandAndShowsTheWeightDiagram)
{
    EXPECT_EQ(form.client()->size(), QSize(784, 628));
    EXPECT_EQ(form.height(), 628 + form.menuBar()->height());
    const QList<QAction *> bar = form.menuBar()->actions();
    ASSERT_GE(bar.size(), 4);
    EXPECT_EQ(bar.front()->menu()->objectName(), "mnuFile");
    EXPECT_EQ(bar[1]->menu()->objectName(), "mnuEdit");
    EXPECT_EQ(bar[2]->objectName(), "menAbout");
    EXPECT_EQ(bar.back()->menu()->objectName(), "mnuHelp");
    EXPECT_EQ(host::testing::runScriptLines("menu mnuAboutModel\nshow Help visible\n"),
              "Help.visible=true\n");
    auto *browser = form.findChild<QTextBrowser *>("helpText");
    EXPECT_TRUE(browser->toPlainText().contains("delta rule"));
    const QImage weights = browser->document()
                               ->resource(QTextDocument::ImageResource, QUrl("weights"))
                               .value<QImage>();
    EXPECT_EQ(weights.size(), control<QWidget>("picWts")->size() * form.devicePixelRatio());
}

// Every text box shows the longest text it gets whole: the largest counts, a small learning
// rate, a sigmoid run's error.
TEST_F(CalcHelp, TextBoxesShowTheirLongestTextsWhole)
{
    const QStringList cut = host::testing::boxesCuttingText(form,
                                                            {{"txtIpepoques", "32767"},
                                                             {"txtLrate", "0.005"},
                                                             {"txtEpoques", "32767"},
                                                             {"txtError", "27.58921"}});
    EXPECT_EQ(cut.join(", ").toStdString(), "");
}

} // namespace
