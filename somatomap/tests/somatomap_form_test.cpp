// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The somatomap window driven through its controls: its layout, the map's grid by its pixels,
// the hand-part colours drawn over the map, and learning and sharpening checked against the
// model's own figures with a frozen clock.

#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/clock.h"
#include "host/numbers/number_text.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"
#include "host/tests/support/keyboard_checks.h"
#include "somatomap/model/contrast.h"
#include "somatomap/model/learning.h"
#include "somatomap/model/learning_settings.h"
#include "somatomap/model/similarity.h"
#include "somatomap/ui/form1.h"
#include "somatomap/ui/form1_layout.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace somatomap {
namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);

class SomatomapForm : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host::freezeClock(3600);
        form.show();
        form.onResetWeights(); // the weights of the frozen clock
    }
    void TearDown() override { host::thawClock(); }

    template <typename Control> Control *control(const QString &name)
    {
        return form.control<Control>(name);
    }
    host::PictureArea *senseMap() { return control<host::PictureArea>("picSenseMap"); }
    void type(const QString &box, const QString &text) { control<QLineEdit>(box)->setText(text); }

    // A left click where a user makes it: an option or check box on its indicator.
    void click(const QString &name)
    {
        QWidget *widget = control<QWidget>(name);
        QPoint at = widget->rect().center();
        if (auto *option = qobject_cast<QRadioButton *>(widget)) {
            QStyleOptionButton style;
            style.initFrom(option);
            at = option->style()
                     ->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option)
                     .center();
        }
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    }

    // The colour runs along the image row through a user y, as (colour, length) pairs.
    std::vector<std::pair<QColor, int>> runsAlongRow(double userY)
    {
        const QImage &image = senseMap()->image();
        const int row
            = int(senseMap()->scale().toDevice(QPointF(0, userY)).y() * image.devicePixelRatio());
        std::vector<std::pair<QColor, int>> runs;
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, row);
            if (runs.empty() || runs.back().first != colour)
                runs.push_back({colour, 1});
            else
                ++runs.back().second;
        }
        return runs;
    }

    int runsOf(QColor colour, double userY)
    {
        int count = 0;
        for (const auto &[runColour, length] : runsAlongRow(userY))
            count += runColour == colour ? 1 : 0;
        return count;
    }

    Form1 form;
};

TEST_F(SomatomapForm, ControlsSitAtTheirTwips)
{
    EXPECT_EQ(form.windowTitle(), "somatomap");
    EXPECT_EQ(form.client()->size(),
              QSize(host::twipsToPixels(form1WidthTwips), host::twipsToPixels(form1HeightTwips)));
    int regionBoxes = 0;
    for (const host::ControlRow &row : form1Layout()) {
        QWidget *widget = control<QWidget>(row.name);
        if (row.kind == host::ControlKind::Line)
            continue;
        QWidget expected;
        host::placeTwips(&expected, row.twips);
        EXPECT_EQ(widget->geometry(), expected.geometry()) << row.name.toStdString();
        const QString container = row.container.isEmpty() ? "Form1.client" : row.container;
        EXPECT_EQ(widget->parentWidget()->objectName(), container) << row.name.toStdString();
        regionBoxes += row.name.startsWith("picHandF1(") ? 1 : 0;
    }
    EXPECT_EQ(regionBoxes, 24);
    EXPECT_EQ(control<QWidget>("picHandF1(18)")->geometry().size(),
              QSize(host::twipsToPixels(555), host::twipsToPixels(615)));
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(control<QRadioButton>(host::arrayName("optHandPart", k))->isChecked());
    auto *bar = control<host::ScrollBar>("hsbPeakrad");
    EXPECT_EQ(bar->minimumValue(), 1);
    EXPECT_EQ(bar->maximumValue(), 10);
    EXPECT_EQ(bar->value(), 3);
}

// A click on the hand at 250 % touches the region it touches at 100 % at the same user point.
TEST_F(SomatomapForm, AClickOnTheHandTouchesTheSameRegionAtEveryZoom)
{
    auto *hand = control<host::PictureArea>("Picture1");
    auto clickAt = [&](QPointF user) {
        const QPoint device = hand->scale().toDevice(user).toPoint();
        QWidget *region = hand->childAt(device);
        EXPECT_NE(region, nullptr);
        if (region)
            QTest::mouseClick(region, Qt::LeftButton, Qt::NoModifier,
                              region->mapFrom(hand, device));
        return form.core().partTouched;
    };
    std::vector<QPointF> centres;
    std::vector<int16_t> touched;
    for (int k = 0; k < regionCount; k += 5) {
        const QRect place = control<QWidget>(host::arrayName("picHandF1", k))->geometry();
        centres.push_back(hand->scale().toUser(QPointF(place.center())));
        touched.push_back(clickAt(centres.back()));
    }
    host::setProgramZoom(250);
    for (std::size_t c = 0; c < centres.size(); ++c)
        EXPECT_EQ(clickAt(centres[c]), touched[c]) << c;
    host::setProgramZoom(100);
}

TEST_F(SomatomapForm, TheScrollBarAnswersItsKeys)
{
    EXPECT_EQ(host::testing::scrollBarKeyFaults(form), QStringList());
}

TEST_F(SomatomapForm, StartUpGridIsDrawnInTheDefaultColourAndRedrawsInGreen)
{
    // Between two horizontal lines, a row crosses the 19 vertical lines.
    EXPECT_EQ(runsOf(Qt::black, 10.5), 19);
    EXPECT_EQ(runsOf(green, 10.5), 0);
    form.onCleanHand();
    EXPECT_EQ(runsOf(green, 10.5), 19);
    EXPECT_EQ(runsOf(Qt::black, 10.5), 0);
}

TEST_F(SomatomapForm, HandPartDrawsItsBubblesOverTheTouchedResponse)
{
    click("picHandF1(9)");
    const SensoryMap touched = form.map();
    click("optHandPart(1)");

    // The six enhanced responses of finger 2, as the model computes them.
    SensoryMap model = touched;
    std::array<std::array<float, mapSide>, mapSide> largest {};
    for (int16_t k = 6; k < 12; ++k) {
        activateSensoryMap(model, k, Similarity::NormalisedDotProduct);
        for (int step = 0; step < 6; ++step)
            enhanceContrast(model, 3);
        for (int i = 1; i <= mapSide; ++i)
            for (int j = 1; j <= mapSide; ++j)
                largest[i - 1][j - 1] = std::max(largest[i - 1][j - 1], model.act(i, j));
    }
    EXPECT_EQ(form.map().smapAct, model.smapAct);
    // Squares of a tenth of a cell or more show their colour at the cell's centre; the
    // bubbles are checked where they are at least a fifth.
    int bubbles = 0, keptFromTouch = 0;
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            const QColor centre = senseMap()->pixelAt(QPointF(i - 0.5, j - 0.5));
            if (largest[i - 1][j - 1] >= 0.2f) {
                EXPECT_EQ(centre, QColor(192, 192, 0)) << i << ", " << j;
                ++bubbles;
            } else if (largest[i - 1][j - 1] == 0 && touched.act(i, j) >= 0.1f) {
                EXPECT_EQ(centre, red) << i << ", " << j;
                ++keptFromTouch;
            }
        }
    }
    EXPECT_GT(bubbles, 0);
    EXPECT_GT(keptFromTouch, 0);
    for (int k = 6; k < 12; ++k)
        EXPECT_EQ(host::backColor(control<QWidget>(host::arrayName("picHandF1", k))),
                  QColor(192, 192, 0));
    EXPECT_EQ(host::backColor(control<QWidget>("picHandF1(9)")), QColor(192, 192, 0));
    EXPECT_EQ(form.partTouched(), 9);
}

TEST_F(SomatomapForm, ColoursAreReadFromTheSwatchesWhenUsed)
{
    host::setColors(control<QWidget>("picActivityCol(3)"), QColor(10, 20, 30));
    host::setColors(control<QWidget>("picOff"), QColor(40, 50, 60));
    click("optHandPart(3)");
    EXPECT_EQ(host::backColor(control<QWidget>("picHandF1(21)")), QColor(10, 20, 30));
    form.onCleanHand();
    EXPECT_EQ(host::backColor(control<QWidget>("picHandF1(21)")), QColor(40, 50, 60));
}

TEST_F(SomatomapForm, LearnStimulusAfterStartUpOnlyRenormalises)
{
    SensoryMap model = form.map();
    click("commLrn");
    const SensoryMap &learnt = form.map();
    // Region 0 with strength 0: the weights move only by the rounding of their rescaling.
    for (int i = 1; i <= mapSide; ++i)
        for (int j = 1; j <= mapSide; ++j)
            for (int k = 0; k < inputLength; ++k)
                ASSERT_NEAR(learnt.node(i, j)[k], model.node(i, j)[k], 1e-6);
    const Winner winner = findWinner(model, 0, Similarity::NormalisedDotProduct);
    ASSERT_TRUE(winner.found);
    updateSmapWts(model, 0, 3, winner.i, winner.j, 0.2);
    EXPECT_EQ(learnt.smapWts, model.smapWts);
    EXPECT_EQ(learnt.error, model.error);
    EXPECT_GT(learnt.error, 0);
}

TEST_F(SomatomapForm, FractionalRadiusEnhancesWithItAndLearnsWithItsNearestInteger)
{
    click("picHandF1(14)");
    type("txtPeakrad", "2.5");
    SensoryMap model = form.map();
    click("CommFindWinner");
    for (int step = 0; step < 6; ++step)
        enhanceContrast(model, 2.5);
    EXPECT_EQ(form.map().smapAct, model.smapAct);

    click("commLrn");
    const Winner winner = findWinner(model, 14, Similarity::NormalisedDotProduct);
    updateSmapWts(model, 14, 2, winner.i, winner.j, 0.2);
    EXPECT_EQ(form.map().smapWts, model.smapWts);
    EXPECT_EQ(control<host::ScrollBar>("hsbPeakrad")->value(), 3);
}

TEST_F(SomatomapForm, ScrollBarShowsItsRadiusAndSharpensSixTimes)
{
    click("picHandF1(20)");
    SensoryMap model = form.map();
    control<host::ScrollBar>("hsbPeakrad")->setValue(5);
    EXPECT_EQ(control<QLineEdit>("txtPeakrad")->text(), "5");
    for (int step = 0; step < 6; ++step)
        enhanceContrast(model, 5);
    EXPECT_EQ(form.map().smapAct, model.smapAct);
}

TEST_F(SomatomapForm, ReceptiveFieldChoiceActsOnTheNextResponseOnly)
{
    click("picHandF1(2)");
    const QImage before = senseMap()->image();
    const SensoryMap touched = form.map();
    click("optRadBas");
    ASSERT_TRUE(control<QRadioButton>("optRadBas")->isChecked());
    EXPECT_EQ(senseMap()->image(), before);
    EXPECT_EQ(form.map(), touched);

    click("picHandF1(2)");
    SensoryMap model = touched;
    activateSensoryMap(model, 2, Similarity::RadialBasis);
    EXPECT_EQ(form.map().smapAct, model.smapAct);
}

// A whole-hand run replayed on the model: the run's stimuli come from the generator seeded
// from the (frozen) clock, the radius follows the plan, and with Map Active off during the
// run the activation map keeps its values.
SensoryMap replayWholeHand(SensoryMap map, const WholeHandPlan &plan, double lrate)
{
    host::reseed(host::clockSeconds());
    map.error = 0;
    for (int t = 1; t <= plan.trials; ++t) {
        map.error = 0;
        const int16_t radius = stepRadius(plan.scheduledRadius(t));
        for (int s = 0; s < 24; ++s) {
            const int16_t r = host::intToInt16(double(host::nextRandom()) * 24);
            const Winner winner = findWinner(map, r, Similarity::NormalisedDotProduct);
            if (winner.found)
                updateSmapWts(map, r, radius, winner.i, winner.j, lrate);
        }
    }
    return map;
}

TEST_F(SomatomapForm, WholeHandRunMatchesTheModelAndRepeatsWithTheSameClock)
{
    click("picHandF1(12)"); // every node active, so that every step has some strength
    type("txtNumTrials", "3");
    type("txtPeakrad", "2");
    const SensoryMap start = form.map();
    const host::RandomState generator = host::randomState();
    click("commLrnHand");

    host::setRandomState(generator);
    const SensoryMap expected = replayWholeHand(start, planWholeHand("2", "3"), 0.2);
    EXPECT_EQ(form.map().smapWts, expected.smapWts);
    EXPECT_EQ(form.map().error, expected.error);
    EXPECT_EQ(form.map().smapAct, start.smapAct);
    EXPECT_NE(form.map().smapWts, start.smapWts);
    EXPECT_EQ(control<QLineEdit>("txtTrialNum")->text(), "3");
    EXPECT_EQ(control<QLineEdit>("txtCurrentRad")->text(), "-1"); // step 1: 2 - 3
    EXPECT_EQ(control<QLineEdit>("txtError")->text().toStdString(),
              host::floatText(float(double(expected.error) / 24)));
    EXPECT_EQ(host::checkValue(control<QCheckBox>("chkMapOn")), 1);

    // The same start, generator state and frozen clock give the same weights, also without
    // the pause that paces the run for the eye.
    form.map() = start;
    host::setRandomState(generator);
    form.setStimulusPause(0);
    click("commLrnHand");
    EXPECT_EQ(form.map().smapWts, expected.smapWts);
}

} // namespace
} // namespace somatomap
