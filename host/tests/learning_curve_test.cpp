// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/learning_curve.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const host::CurveLabels labels {"Epoch", "Sum of errors", "epoch", "sum of errors", {}};

QImage shown(host::LearningCurveWindow &window) { return window.plot()->image().copy(); }

// The pixels drawn (not white) at the top right, above the error axis, where the legend is.
int legendPixels(const host::LearningCurveWindow &window)
{
    const host::UserScale &scale = window.plot()->scale();
    const double steps = (scale.left() + scale.width()) / 1.05;
    const double axisEnd = scale.top() / 1.1;
    const QImage &image = window.plot()->image();
    const QRect band = QRectF(scale.toDevice(QPointF(0.5 * steps, scale.top())),
                              scale.toDevice(QPointF(steps, axisEnd)))
                           .toRect()
                           .adjusted(0, 0, 0, -2);
    int count = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            count += image.pixelColor(x, y) != QColor(Qt::white);
    return count;
}

// Drawn step by step while open, the plot is the same as drawn whole when it opens: the
// steps that fit the axes are added as lines, one beyond them redraws everything.
TEST(LearningCurveWindow, LiveStepsDrawWhatAWholeRedrawDraws)
{
    host::LearningCurve curve;
    for (float error : {9.0f, 7.5f, 8.0f, 3.0f})
        curve.add(error);
    curve.startRun();

    host::LearningCurveWindow live("frmLive", "Live", labels, curve);
    live.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&live));
    // Past 10 steps the step axis grows, past 10 the error axis does.
    const std::vector<float> errors {6, 5.5f, 5, 4, 4.5f, 3, 2, 1.5f, 1, 0.5f, 0.25f, 12, 0};
    for (float error : errors) {
        curve.add(error);
        live.curveChanged();
    }

    host::LearningCurveWindow whole("frmWhole", "Whole", labels, curve);
    whole.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&whole));
    EXPECT_EQ(shown(live), shown(whole));
    EXPECT_EQ(host::csvData(live.plot())
                  .rfind("epoch,sum of errors,previous sum of errors\n1,6,9\n2,5.5,7.5\n", 0),
              0u);
}

// Resized, the window draws the whole curve again at the new size: the same picture as a
// window that opens at that size, not the old one stretched.
TEST(LearningCurveWindow, ResizedItDrawsTheCurveAtTheNewSize)
{
    host::LearningCurve curve;
    host::LearningCurveWindow window("frmSized", "Sized", labels, curve);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.client()->size(), QSize(440, 320));
    for (float error : {6.0f, 4.0f, 3.0f, 2.5f})
        window.addStep(error);
    for (QSize size : {QSize(700, 450), QSize(250, 180)}) {
        window.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(window.plot()->size(), window.client()->size() - QSize(16, 16));
        host::LearningCurveWindow fresh("frmFresh", "Fresh", labels, curve);
        fresh.resize(size);
        fresh.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
        EXPECT_EQ(fresh.plot()->size(), window.plot()->size());
        EXPECT_EQ(shown(window), shown(fresh)) << size.width();
    }
}

// The legend names the grey run before only once there is one.
TEST(LearningCurveWindow, LegendNamesTheRunBeforeOnlyWhenThereIsOne)
{
    host::LearningCurve curve;
    host::LearningCurveWindow window("frmLegend", "Legend", labels, curve);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.startRun();
    for (float error : {3.0f, 2.0f})
        window.addStep(error);
    EXPECT_EQ(legendPixels(window), 0);
    window.startRun();
    window.addStep(2.5f);
    EXPECT_GT(legendPixels(window), 20);
}

// A run whose last step jumps past twice the largest error before it (somatomap's radius
// drop) keeps its fall readable: the error axis leaves the jump out, the line is cut at the
// top of the axis, and the legend gives the jump's value. Without a name for the jump the
// axis holds every error.
TEST(LearningCurveWindow, AFinalJumpTheLabelsNameStaysOffTheScale)
{
    host::CurveLabels jumping = labels;
    jumping.finalJump = "radius drops";
    for (const bool named : {true, false}) {
        host::LearningCurve curve;
        host::LearningCurveWindow window("frmJump", "Jump", named ? jumping : labels, curve);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (float error : {0.34f, 0.3f, 0.25f, 0.2f, 0.17f})
            window.addStep(error);
        EXPECT_EQ(legendPixels(window), 0);
        window.addStep(3.3f);
        EXPECT_DOUBLE_EQ(window.plot()->scale().top(), 1.1 * (named ? 0.5 : 5)) << named;
        EXPECT_EQ(legendPixels(window) > 20, named);
        EXPECT_EQ(curve.largestBelowFinalJumps(), 0.34f);
        // One more step after the jump makes it no final jump: the axis holds it again.
        window.addStep(3.0f);
        EXPECT_DOUBLE_EQ(window.plot()->scale().top(), 1.1 * 5);
    }
}

// The error axis holds the largest finite error of the current run and the one before, and
// no longer the run before that.
TEST(LearningCurve, LargestErrorCoversTheTwoRunsShown)
{
    host::LearningCurve curve;
    EXPECT_EQ(curve.largest(), 0);
    for (float error : {3.0f, std::numeric_limits<float>::infinity(), 8.0f, 2.0f})
        curve.add(error);
    EXPECT_EQ(curve.largest(), 8);
    curve.startRun();
    curve.add(5);
    EXPECT_EQ(curve.largest(), 8) << "the run before is still shown";
    curve.startRun();
    curve.add(1);
    EXPECT_EQ(curve.largest(), 5) << "the run before that is not";
}

// An error that is no number leaves a gap in the line instead of a fault or a broken plot.
TEST(LearningCurveWindow, AnErrorThatIsNoNumberLeavesAGap)
{
    host::LearningCurve curve;
    host::LearningCurveWindow window("frmGap", "Gap", labels, curve);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (float error : {4.0f, std::numeric_limits<float>::quiet_NaN(),
                        std::numeric_limits<float>::infinity(), 2.0f}) {
        curve.add(error);
        EXPECT_NO_THROW(window.curveChanged());
    }
    EXPECT_EQ(host::csvData(window.plot()),
              "epoch,sum of errors,previous sum of errors\n1,4,\n2,nan,\n3,inf,\n4,2,\n");
}

} // namespace
