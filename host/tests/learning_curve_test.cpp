#include "host/forms/learning_curve.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const host::CurveLabels labels {"Epoch", "Sum of errors", "epoch", "sumError"};

QImage shown(host::LearningCurveWindow &window) { return window.plot()->image().copy(); }

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
    EXPECT_EQ(
        host::csvData(live.plot()).rfind("epoch,sumError,previous sumError\n1,6,9\n2,5.5,7.5\n", 0),
        0u);
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
              "epoch,sumError,previous sumError\n1,4,\n2,nan,\n3,inf,\n4,2,\n");
}

} // namespace
