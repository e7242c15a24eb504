// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/fault.h"
#include "somatomap/model/learning_settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace somatomap {
namespace {

std::vector<int> radii(const WholeHandPlan &plan)
{
    std::vector<int> scheduled;
    for (int t = 1; t <= plan.trials; ++t)
        scheduled.push_back(plan.scheduledRadius(t));
    return scheduled;
}

std::string refusal(const std::function<void()> &call)
{
    try {
        call();
    } catch (const host::Fault &fault) {
        return fault.what();
    }
    return "(accepted)";
}

TEST(SomatomapRunPlan, DefaultsDropTheRadiusAtTrialsThreeSixAndNine)
{
    const WholeHandPlan plan = planWholeHand("3", "10");
    EXPECT_EQ(plan.trials, 10);
    EXPECT_EQ(plan.step, 3);
    EXPECT_EQ(plan.startRadius, 3);
    EXPECT_EQ(radii(plan), (std::vector<int> {3, 3, 2, 2, 2, 1, 1, 1, 0, 0}));
}

TEST(SomatomapRunPlan, ScheduleCanEndBelowZero)
{
    EXPECT_EQ(radii(planWholeHand("4", "10")), (std::vector<int> {4, 3, 3, 2, 2, 1, 1, 0, 0, -1}));
    const WholeHandPlan fromSix = planWholeHand("6", "10");
    EXPECT_EQ(fromSix.step, 1);
    EXPECT_EQ(fromSix.scheduledRadius(10), -4);
    // Below -1 a step acts as at -1, where the neighbourhood's slope is still defined.
    EXPECT_EQ(stepRadius(-4), -1);
    EXPECT_EQ(stepRadius(-2), -1);
    EXPECT_EQ(stepRadius(-1), -1);
    EXPECT_EQ(stepRadius(0), 0);
    EXPECT_EQ(stepRadius(2), 2);
}

TEST(SomatomapRunPlan, FractionalAndNegativeRadii)
{
    // 2.5 rounds to 2 (a half to the even neighbour); the step is floorValue(10 / 2.5) = 4.
    const WholeHandPlan half = planWholeHand("2.5", "10");
    EXPECT_EQ(half.startRadius, 2);
    EXPECT_EQ(half.step, 4);
    // A negative radius makes a negative step; the radius still drops every |step| trials.
    const WholeHandPlan negative = planWholeHand("-3", "7");
    EXPECT_EQ(negative.step, -3);
    EXPECT_EQ(radii(negative), (std::vector<int> {-3, -3, -4, -4, -4, -5, -5}));
}

TEST(SomatomapRunPlan, NoTrialsOrNegativeCountsPlanAnEmptyRun)
{
    EXPECT_EQ(planWholeHand("3", "0").trials, 0);
    EXPECT_EQ(planWholeHand("3", "-3").trials, -3);
    EXPECT_EQ(planWholeHand("3", "abc").trials, 0);
}

TEST(SomatomapRunPlan, ReadsTheLeadingNumberOfEachBox)
{
    const WholeHandPlan plan = planWholeHand(" 2 nodes", "12 trials");
    EXPECT_EQ(plan.startRadius, 2);
    EXPECT_EQ(plan.trials, 12);
    EXPECT_EQ(plan.step, 6);
}

struct RefusedPlan
{
    const char *name;
    const char *peakrad;
    const char *numTrials;
    const char *namedBox; // the box the message tells the user to change
};

class SomatomapRefusedPlans : public ::testing::TestWithParam<RefusedPlan>
{
};

TEST_P(SomatomapRefusedPlans, MessageNamesTheBoxToChange)
{
    const RefusedPlan &plan = GetParam();
    const std::string message = refusal([&] { planWholeHand(plan.peakrad, plan.numTrials); });
    EXPECT_NE(message.find(plan.namedBox), std::string::npos) << message;
}

const std::string hugeNumber(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Somatomap, SomatomapRefusedPlans,
    ::testing::Values(RefusedPlan {"RadiusZero", "0", "10", "Bubble Radius box"},
                      RefusedPlan {"RadiusZeroNoTrials", "abc", "0", "Bubble Radius box"},
                      RefusedPlan {"FewerTrialsThanRadius", "3", "2", "Number of Trials"},
                      RefusedPlan {"StepBeyond16Bits", "0.0001", "10", "Bubble Radius box"},
                      RefusedPlan {"RadiusBeyond16Bits", "40000", "10", "Bubble Radius box"},
                      RefusedPlan {"RadiusInfinite", hugeNumber.c_str(), "10", "Bubble Radius box"},
                      RefusedPlan {"TrialsBeyond16Bits", "3", "32767.5", "Number of Trials box"},
                      RefusedPlan {"ScheduleBelow16Bits", "-32768", "1", "Bubble Radius box"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SomatomapBoxNumbers, LearningRadiusRoundsHalvesToEven)
{
    EXPECT_EQ(learningRadius("2.5"), 2);
    EXPECT_EQ(learningRadius("3.5"), 4);
    EXPECT_EQ(learningRadius("0.5"), 0);
    EXPECT_EQ(learningRadius("-3.5"), -4);
}

TEST(SomatomapBoxNumbers, MinusTwoIsRefusedForEnhancementAndLearning)
{
    EXPECT_NE(refusal([] { bubbleRadius("-2"); }).find("Bubble Radius box"), std::string::npos);
    EXPECT_NE(refusal([] { learningRadius("-2"); }).find("Bubble Radius box"), std::string::npos);
    // -1.5 and -2.4 round to -2 for learning but are usable bubble radii.
    EXPECT_NE(refusal([] { learningRadius("-1.5"); }).find("Bubble Radius box"), std::string::npos);
    EXPECT_NE(refusal([] { learningRadius("-2.4"); }).find("Bubble Radius box"), std::string::npos);
    EXPECT_EQ(bubbleRadius("-2.4"), -2.4);
    EXPECT_EQ(bubbleRadius("2.5"), 2.5);
}

TEST(SomatomapBoxNumbers, NumbersBeyondTheirRangeNameTheirBox)
{
    EXPECT_NE(refusal([] { bubbleRadius(hugeNumber); }).find("Bubble Radius box"),
              std::string::npos);
    EXPECT_NE(refusal([] { learningRadius("32768"); }).find("Bubble Radius box"),
              std::string::npos);
    EXPECT_NE(refusal([] { learningRate(std::string(40, '9')); }).find("Learning Rate box"),
              std::string::npos);
    // A number with an exponent is refused, not read as its leading digits.
    EXPECT_NE(refusal([] { learningRate("1e39"); }).find("plain decimal number"),
              std::string::npos);
    EXPECT_EQ(learningRate("0.2abc"), 0.2);
}

} // namespace
} // namespace somatomap
