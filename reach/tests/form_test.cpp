// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/picture_area.h"
#include "host/forms/printer_page.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/fault.h"
#include "host/tests/support/keyboard_checks.h"
#include "host/tests/support/test_support.h"
#include "reach/ui/form1.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using host::testing::clickIndicator;

// The window as a student sees it, driven by real mouse and key events.
class ReachForm : public host::testing::ShownForm<reach::Form1>
{
protected:
    host::PictureArea *area(const QString &name) { return control<host::PictureArea>(name); }

    QPoint onHandDisplay(double x, double y)
    {
        return area("picture1")->scale().toDevice(QPointF(x, y)).toPoint();
    }

    // Halfway along the spoke of the cell nearest the start-up target's direction.
    QColor strongestSpoke()
    {
        const float direction = form.model().prefDir[42];
        return area("cell1")->pixelAt(
            QPointF(0.6 * std::cos(direction), 0.6 * std::sin(direction)));
    }
};

TEST_F(ReachForm, DraggingTheIgnoredDistractorRedrawsCellsWithTheSameResponses)
{
    clickIndicator(control<QRadioButton>("optDistractor"));
    const std::vector<float> before = form.model().cellResp;
    auto *display = area("picture1");

    QTest::mousePress(display, Qt::LeftButton, {}, onHandDisplay(-50, 150));
    EXPECT_NEAR(form.model().distractorx, -48, 0.6);
    EXPECT_NEAR(form.model().distractory, 148, 0.7);
    // A press with the distractor ignored neither recomputes nor redraws.
    EXPECT_EQ(strongestSpoke(), QColor(Qt::white));

    QTest::mouseMove(display, onHandDisplay(-60, 140));
    EXPECT_NEAR(form.model().distractorx, -58, 0.6);
    EXPECT_NEAR(form.model().distractory, 138, 0.7);
    EXPECT_EQ(strongestSpoke(), QColor(255, 0, 0));
    EXPECT_EQ(form.model().cellResp, before);

    QTest::mouseRelease(display, Qt::LeftButton, {}, onHandDisplay(-60, 140));
    QTest::mouseMove(display, onHandDisplay(-80, 120));
    EXPECT_NEAR(form.model().distractorx, -58, 0.6);
}

TEST_F(ReachForm, DraggingTheTargetRecomputesOnEveryMove)
{
    clickIndicator(control<QRadioButton>("optTarget"));
    auto *display = area("picture1");
    QTest::mousePress(display, Qt::LeftButton, {}, onHandDisplay(-60, 100));
    const float pressed = form.model().targdir;
    EXPECT_GT(pressed, 1.5735f);
    QTest::mouseMove(display, onHandDisplay(60, 100));
    EXPECT_LT(form.model().targdir, 1.5735f);
    QTest::mouseRelease(display, Qt::LeftButton, {}, onHandDisplay(60, 100));
}

TEST_F(ReachForm, PressOnTargetChoosesItReleaseOnDistractorChoosesThat)
{
    auto *placingTarget = control<QRadioButton>("optTarget");
    auto *placingDistractor = control<QRadioButton>("optDistractor");
    auto *target = area("target");
    auto *distractor = area("distractor");

    clickIndicator(placingDistractor);
    QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
    EXPECT_TRUE(placingTarget->isChecked());
    EXPECT_FALSE(placingDistractor->isChecked());
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().center());

    QTest::mouseClick(distractor, Qt::LeftButton, {}, distractor->rect().center());
    EXPECT_TRUE(placingDistractor->isChecked());
    EXPECT_FALSE(placingTarget->isChecked());
    // Neither press moved anything.
    EXPECT_EQ(form.model().targetx, 22);
    EXPECT_EQ(form.model().distractorx, -18);
}

// A second click on a placing option leaves it chosen, also after the target or distractor
// picture has chosen it, so the next press on the display still places the object.
TEST_F(ReachForm, ChoosingAPlacingOptionAgainKeepsIt)
{
    auto *placingTarget = control<QRadioButton>("optTarget");
    auto *placingDistractor = control<QRadioButton>("optDistractor");
    auto clickOn
        = [](QWidget *widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); };
    auto *display = area("picture1");
    auto *target = area("target");
    auto *distractor = area("distractor");

    clickIndicator(placingTarget);
    clickIndicator(placingTarget);
    clickOn(display, onHandDisplay(-60, 100));
    EXPECT_NEAR(form.model().targetx, -58, 0.6);

    clickOn(distractor, distractor->rect().center());
    clickIndicator(placingDistractor);
    clickIndicator(placingDistractor);
    clickOn(display, onHandDisplay(50, 150));
    EXPECT_FALSE(placingTarget->isChecked());
    EXPECT_NEAR(form.model().distractorx, 52, 0.6);
    EXPECT_NEAR(form.model().targetx, -58, 0.6);

    clickOn(target, target->rect().center());
    clickIndicator(placingTarget);
    clickOn(display, onHandDisplay(60, 50));
    EXPECT_FALSE(placingDistractor->isChecked());
    EXPECT_NEAR(form.model().targetx, 62, 0.6);
    EXPECT_NEAR(form.model().distractorx, 52, 0.6);
}

TEST_F(ReachForm, SwitchRedrawsOnMouseReleaseButNotFromTheKeyboard)
{
    auto *barChart = control<QCheckBox>("chkBarChart");
    clickIndicator(barChart);
    ASSERT_TRUE(barChart->isChecked());
    // Cell 43 is the highest bar, 43 spacings left of the right edge.
    const double bar = 2 - 43 * double(float(4.0 / 102));
    EXPECT_EQ(area("cell1")->pixelAt(QPointF(bar, 0.5)), QColor(255, 0, 0));

    barChart->setFocus();
    QTest::keyClick(barChart, Qt::Key_Space);
    ASSERT_FALSE(barChart->isChecked());
    EXPECT_EQ(area("cell1")->pixelAt(QPointF(bar, 0.5)), QColor(255, 0, 0));
    EXPECT_EQ(strongestSpoke(), QColor(Qt::white));
}

TEST_F(ReachForm, SliderFollowsTheThumbWhileItIsDragged)
{
    auto *tuning = control<host::ScrollBar>("hsbCelltune");
    tuning->setSliderDown(true);
    tuning->setSliderPosition(59); // Qt counts the thumb's place from the minimum, 1
    EXPECT_EQ(tuning->value(), 60);
    EXPECT_EQ(form.model().tuningWidth, 12.0f);
    tuning->setSliderDown(false);
    EXPECT_EQ(tuning->value(), 60);
    EXPECT_EQ(form.model().tuningWidth, 12.0f);
}

// The legend's thick line must not make the next stored path thick.
TEST_F(ReachForm, PrintedPageLeavesThePrinterDrawingThin)
{
    QTemporaryDir folder;
    control<QCheckBox>("chkPrinting")->setChecked(true);
    form.onReach();
    host::PrinterPage::setNextPdfPath(folder.filePath("page.pdf"));
    form.onPrint();
    EXPECT_FALSE(host::printer().isOpen());
    EXPECT_EQ(host::printer().drawWidth(), 1);
}

TEST_F(ReachForm, WindowTitleNamesTheProgram) { EXPECT_EQ(form.windowTitle(), "reach"); }

// A default reach (51 steps) lasts about a second, so the eye can follow the hand, and ends
// exactly where an unpaced reach ends.
TEST_F(ReachForm, PacedReachTakesItsTimeAndEndsWhereAnUnpacedOneEnds)
{
    QElapsedTimer clock;
    clock.start();
    form.onReach();
    EXPECT_GE(clock.elapsed(), 51 * reach::Form1::defaultStepPauseMs);
    const reach::Model paced = form.model();

    form.onRestart();
    form.setStepPause(0);
    clock.restart();
    form.onReach();
    EXPECT_LT(clock.elapsed(), 51 * reach::Form1::defaultStepPauseMs);
    EXPECT_EQ(form.model().handx, paced.handx);
    EXPECT_EQ(form.model().handy, paced.handy);
    EXPECT_EQ(form.model().cellResp, paced.cellResp);
}

// A reach of about 300 steps pauses only in its first 150 steps.
TEST_F(ReachForm, LongReachPausesOnlyAtItsStart)
{
    const int pauseMs = 10;
    form.setStepPause(pauseMs);
    ASSERT_EQ(host::testing::runScriptLines("set hsbSpeed 10\nclick optTarget\n"
                                            "mouse picture1 down -2 300\n"
                                            "mouse picture1 up -2 300\n"),
              "");
    QElapsedTimer clock;
    clock.start();
    form.onReach();
    const qint64 elapsed = clock.elapsed();
    ASSERT_GT(form.model().handy, 290);
    EXPECT_GE(elapsed, reach::Form1::pacedSteps * pauseMs);
    EXPECT_LT(elapsed, 290 * pauseMs);
}

// Enter on a control that does not take it (a check box, a text box, a scroll bar) reaches;
// a focused button takes Enter itself.
TEST_F(ReachForm, EnterAnywhereReachesUnlessAButtonHasTheFocus)
{
    form.setStepPause(0);
    QTest::keyClick(control<QCheckBox>("chkSeeDistractor"), Qt::Key_Return);
    const double reached = form.model().handy;
    EXPECT_GT(reached, 50) << "the hand went up towards the target";
    QTest::keyClick(control<QPushButton>("commRestart"), Qt::Key_Return);
    EXPECT_EQ(form.model().handy, 0) << "RESTART took the Enter and put the hand back";
    QTest::keyClick(control<QWidget>("txtHandx"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.model().handy, reached);
}

TEST_F(ReachForm, EveryScrollBarAnswersItsKeys)
{
    EXPECT_EQ(host::testing::scrollBarKeyFaults(form), QStringList());
}

// When REACH greys itself out the focus goes to RESTART, so a Space restarts instead of
// arming target placing. The window opens with the focus on "PlacingTarget", and a click that
// does not take the focus (a script's click) leaves it there.
TEST_F(ReachForm, FocusMovesToRestartWhenReachIsGreyed)
{
    form.setStepPause(0);
    auto *reachButton = control<QPushButton>("commReach");
    auto *restart = control<QPushButton>("commRestart");
    auto *placingTarget = control<QRadioButton>("optTarget");
    for (bool byMouse : {false, true}) {
        placingTarget->setFocus();
        if (byMouse)
            QTest::mouseClick(reachButton, Qt::LeftButton);
        else
            form.onReach();
        ASSERT_FALSE(reachButton->isEnabled());
        EXPECT_EQ(form.focusWidget(), restart) << byMouse;
        QTest::keyClick(form.focusWidget(), Qt::Key_Space);
        EXPECT_FALSE(placingTarget->isChecked());
        EXPECT_TRUE(reachButton->isEnabled());
        EXPECT_EQ(form.model().handx, 0);
    }
}

// Every control a student can use and every picture says what it does.
TEST_F(ReachForm, EveryControlAndPictureHasATooltip)
{
    QList<QWidget *> controls;
    for (auto *button : form.findChildren<QAbstractButton *>())
        if (!button->objectName().startsWith("qt_")) // the menu bar's own overflow button
            controls << button;
    for (auto *box : form.findChildren<QLineEdit *>())
        controls << box;
    for (auto *bar : form.findChildren<host::ScrollBar *>())
        controls << bar;
    for (auto *picture : form.findChildren<host::PictureArea *>())
        controls << picture;
    ASSERT_GE(controls.size(), 51);
    for (QWidget *control : controls)
        EXPECT_FALSE(control->toolTip().isEmpty()) << control->objectName().toStdString();

    EXPECT_TRUE(control<QRadioButton>("optTarget")->toolTip().contains("released"));
    EXPECT_TRUE(control<host::ScrollBar>("hsbAttended")->toolTip().contains("multiplies"));
}

TEST_F(ReachForm, ClosingTheWindowUnloadsIt)
{
    form.close();
    EXPECT_FALSE(form.isLoaded());
}

} // namespace

namespace {

// A mouse placing at 250 % puts the target where it does at 100 %: the same user point.
TEST_F(ReachForm, PlacingTheTargetAtZoom250GivesTheSamePointAsAt100)
{
    clickIndicator(control<QRadioButton>("optTarget"));
    auto *display = area("picture1");
    auto placeAt = [&](double x, double y) {
        QTest::mousePress(display, Qt::LeftButton, {}, onHandDisplay(x, y));
        QTest::mouseRelease(display, Qt::LeftButton, {}, onHandDisplay(x, y));
        return std::pair {form.model().targetx, form.model().targety};
    };
    const auto at100 = placeAt(-40, 120);
    const QPointF shownAt100 = display->childPosition(area("target"));
    host::setProgramZoom(250);
    const auto at250 = placeAt(-40, 120);
    // Finer pixels only: within one pixel at 100 % (200 user units over 364 pixels).
    EXPECT_NEAR(at250.first, at100.first, 0.6);
    EXPECT_NEAR(at250.second, at100.second, 0.6);
    EXPECT_NEAR(display->childPosition(area("target")).x(), shownAt100.x(), 0.6);
    EXPECT_EQ(area("target")->pos(),
              display->scale().toDevice(display->childPosition(area("target"))).toPoint());
    host::setProgramZoom(100);
}

// The core's check of a place (what the Python module refuses) is the hand display's own at
// its first size: the same scale, the same points refused, the same message.
TEST_F(ReachForm, TheCoresPlaceCheckRefusesWhatTheHandDisplayRefuses)
{
    const host::UserScale scale = area("picture1")->scale();
    EXPECT_EQ(scale.deviceSize(), QSizeF(reach::handDisplay.pixels, reach::handDisplay.pixels));
    auto refusal = [](const std::function<void()> &check) {
        try {
            check();
        } catch (const host::Fault &fault) {
            return std::string(fault.what());
        }
        return std::string("accepted");
    };
    // Just inside and just outside each side, and a point that is no number.
    for (const QPointF at : {QPointF(2317190, 0), QPointF(2317200, 0), QPointF(-2317390, 7),
                             QPointF(-2317400, 7), QPointF(0, -2896410), QPointF(0, -2896430),
                             QPointF(0, 2896810), QPointF(0, 2896830), QPointF(std::nan(""), 0)}) {
        const std::string shown = refusal([&] { area("picture1")->checkChildPlace(at); });
        EXPECT_EQ(refusal([&] { reach::checkShownPlace(at.x(), at.y()); }), shown) << shown;
    }
}

} // namespace
