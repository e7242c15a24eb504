// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/tests/support/test_support.h"
#include "sidestop/ui/form1.h"

#include "host/forms/colors.h"
#include "host/forms/event_loop.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/tests/support/keyboard_checks.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using host::testing::clickIndicator;

// Both windows as a student uses them, driven by real mouse and key events.
class SidestopForm : public host::testing::ShownForm<sidestop::Form1>
{
protected:
    void openGraph()
    {
        clickIndicator(control<QCheckBox>("chkUpdate"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.graphWindow()));
    }

    void typeAndEnter(const QString &name, const QString &text)
    {
        auto *box = control<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // Whether anything but the back colour is drawn inside a rectangle given in user units.
    static bool inkIn(const host::PictureArea *area, QPointF corner, QPointF opposite)
    {
        const QRect device
            = QRectF(area->scale().toDevice(corner), area->scale().toDevice(opposite))
                  .normalized()
                  .toRect();
        const QImage &image = area->image();
        const QColor back = area->backColor();
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x)
                if (image.valid(x, y) && QColor(image.pixel(x, y)) != back)
                    return true;
        return false;
    }
};

// Eleven x values 0..10 under the axis and eleven y values 0..1 left of it; the summed y
// value reaches 0.9999999999999999 at the last tick, which must still get its label.
TEST_F(SidestopForm, OpeningAtStartDrawsElevenLabelsPerAxisAndTenFlatBars)
{
    openGraph();
    const host::PictureArea *bars = form.graphWindow().bargraph();
    for (int x = 0; x <= 10; ++x)
        EXPECT_TRUE(inkIn(bars, {x - 0.25, -0.03}, {x + 0.2, -0.09})) << "x label " << x;
    for (int k = 0; k <= 10; ++k) {
        const double y = k / 10.0;
        EXPECT_TRUE(inkIn(bars, {-1, y + 0.02}, {-0.55, y - 0.03})) << "y label " << y;
    }
    EXPECT_FALSE(inkIn(bars, {-1, 1.09}, {-0.55, 1.06})) << "a twelfth y label";
    for (int unit = 1; unit <= 10; ++unit) {
        EXPECT_EQ(bars->pixelAt({unit + 0.2, 0}), QColor(Qt::black)) << "bar " << unit;
        EXPECT_FALSE(inkIn(bars, {unit - 0.2, 0.95}, {unit + 0.2, 0.02})) << "bar " << unit;
    }
    // The time axis runs to 20: its last label lies right of 19's.
    const host::PictureArea *time = form.graphWindow().graph();
    EXPECT_TRUE(inkIn(time, {19.8, -0.03}, {20.5, -0.09}));
    EXPECT_EQ(form.state().niter, 20);
    EXPECT_EQ(control<QLineEdit>("txtIter")->text(), "0");
}

TEST_F(SidestopForm, EnterCommitsCountsToTheNearestEvenWholeNumber)
{
    typeAndEnter("txtIter", "12.5");
    EXPECT_EQ(form.state().niter, 12);
    typeAndEnter("txtIter", "13.5");
    EXPECT_EQ(form.state().niter, 14);
    typeAndEnter("txtExtipoff", "-2.5");
    EXPECT_EQ(form.state().extipOff, -2);
    // Without Enter nothing is committed.
    QTest::keyClicks(control<QLineEdit>("txtIter"), "7");
    EXPECT_EQ(form.state().niter, 14);
    EXPECT_EQ(control<host::ScrollBar>("hsbNiterations")->value(), 0);
}

// A level bar has 100 at the top: its upper arrow raises the unit's input by 0.02.
TEST_F(SidestopForm, UpperArrowOfALevelBarRaisesTheInput)
{
    auto *bar = control<host::ScrollBar>("VScroll1(6)");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 2));
    EXPECT_EQ(bar->value(), 2);
    EXPECT_EQ(control<QLineEdit>("text1(6)")->text(), "0.02");
    EXPECT_EQ(form.state().net.extip[6], double(0.02f));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 2));
    EXPECT_EQ(control<QLineEdit>("text1(6)")->text(), "0");
}

// Dragging a parameter's thumb writes its text and variable while it moves.
TEST_F(SidestopForm, DraggingAThumbScrolls)
{
    auto *bar = control<host::ScrollBar>("hsbPoswt");
    bar->setSliderDown(true);
    bar->setSliderPosition(37);
    EXPECT_EQ(control<QLineEdit>("txtPoswt")->text(), "0.37");
    EXPECT_EQ(std::get<double>(form.state().net.poswt), 0.37);
    bar->setSliderDown(false);
    EXPECT_EQ(control<QLineEdit>("txtPoswt")->text(), "0.37");
}

TEST_F(SidestopForm, EveryScrollBarAnswersItsKeys)
{
    EXPECT_EQ(host::testing::scrollBarKeyFaults(form), QStringList());
}

// The graph window is a tool window of the main one, opened beside it on its screen; the
// online check box follows it, also when its own close box closes it.
TEST_F(SidestopForm, GraphWindowOpensBesideTheMainWindowAndTheCheckBoxFollowsIt)
{
    sidestop::GraphWindow &graph = form.graphWindow();
    auto *online = control<QCheckBox>("chkUpdate");
    openGraph();
    EXPECT_EQ(graph.windowHandle()->transientParent(), form.windowHandle());
    EXPECT_TRUE(graph.windowFlags().testFlag(Qt::Tool));
    // The test screen is too narrow for the two side by side (host tests check the places).
    EXPECT_TRUE(form.screen()->availableGeometry().contains(graph.frameGeometry().topLeft()));
    EXPECT_TRUE(online->isChecked());
    graph.close();
    EXPECT_FALSE(online->isChecked());
    clickIndicator(online);
    EXPECT_TRUE(graph.isVisible());
    EXPECT_TRUE(online->isChecked());
    clickIndicator(online);
    EXPECT_FALSE(graph.isVisible());
    EXPECT_FALSE(online->isChecked());
}

TEST_F(SidestopForm, ClosingTheMainWindowClosesTheGraphWindow)
{
    openGraph();
    // The window asks about its unsaved changes first; a script's close lets them go.
    host::testing::runScriptLines("close Form1");
    EXPECT_FALSE(form.graphWindow().isLoaded());
    EXPECT_FALSE(form.graphWindow().isVisible());
    EXPECT_TRUE(host::programEnding());
}

// A level change with the window closed loads it hidden (it restores the bar colours); that
// hidden window must not keep the program running after the main window closes.
TEST_F(SidestopForm, ClosingTheMainWindowUnloadsAHiddenGraphWindow)
{
    control<host::ScrollBar>("VScroll1(3)")->setValue(50);
    EXPECT_TRUE(form.graphWindow().isLoaded());
    EXPECT_FALSE(form.graphWindow().isVisible());
    host::testing::runScriptLines("close Form1");
    EXPECT_FALSE(form.graphWindow().isLoaded());
    EXPECT_TRUE(host::programEnding());
}

// The graph keeps its drawing when the window is covered or hidden and shown again.
TEST_F(SidestopForm, HistorySurvivesHidingTheWindow)
{
    openGraph();
    QTest::mouseClick(control<QPushButton>("comPardef"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("commExtipdef"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("commRun"), Qt::LeftButton);
    host::PictureArea *time = form.graphWindow().graph();
    const QColor unitSix = host::QBColor(9);
    ASSERT_EQ(time->pixelAt({10, 1}), unitSix);

    form.graphWindow().hide();
    form.graphWindow().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.graphWindow()));
    const QImage shown = time->grab().toImage();
    const QPoint at = time->scale().toDevice({10, 1}).toPoint();
    EXPECT_EQ(QColor(shown.pixel(at)), unitSix);
    EXPECT_FALSE(form.state().graphOff);
}

} // namespace
