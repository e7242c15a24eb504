// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Learning and sharpening from the buttons: Learn Stimulus, Map Whole Hand with its
// shrinking neighbourhood, Abort, Reset Weights, Stepwise Enhance and Find Peak Activity.

#include "somatomap/ui/form1.h"

#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/forms/messages.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"
#include "somatomap/model/contrast.h"
#include "somatomap/model/learning.h"
#include "somatomap/ui/learning_settings.h"

#include <QCheckBox>
#include <QLineEdit>

namespace somatomap {

namespace {

constexpr int StimuliPerTrial = 24;
constexpr int PeakSteps = 6;

void showNow(QLineEdit *box, const std::string &text)
{
    host::showText(box, QString::fromStdString(text));
    box->repaint();
}

QString noWinnerText(int region)
{
    return QString("No node of the map responds to hand region %1 (every similarity is 0), "
                   "so there is no winner to learn from.")
        .arg(region);
}

} // namespace

// The first node in node order with the largest similarity above 0 to the region's input,
// searched with the similarity itself rather than the activation map.
Form1::Winner Form1::findWinner(int16_t region) const
{
    Winner winner;
    float best = 0;
    const Similarity measure = similarity();
    for (int i = 1; i <= MapSide; ++i) {
        for (int j = 1; j <= MapSide; ++j) {
            const float m = match(m_map, region, m_map.node(i, j), measure);
            if (m > best) {
                best = m;
                winner = {true, int16_t(i), int16_t(j)};
            }
        }
    }
    return winner;
}

// One learning step on the region last touched, with the strength the activation map now
// holds at the winner. Nothing is redrawn and the error is neither reset nor shown.
void Form1::commLrn_Click()
{
    const int16_t peakrad = learningRadius(txtPeakrad->text().toStdString());
    const double lrate = learningRate();
    const Winner winner = findWinner(m_partTouched);
    if (!winner.found) {
        host::showMessage(noWinnerText(m_partTouched));
        return;
    }
    updateSmapWts(m_map, m_partTouched, peakrad, winner.i, winner.j, lrate);
}

void Form1::commLrnHand_Click()
{
    const WholeHandPlan plan
        = planWholeHand(txtPeakrad->text().toStdString(), txtNumTrials->text().toStdString());
    // Every step reads the learning rate again (it may be changed during the run); a rate the
    // steps cannot use is refused before the run begins.
    learningRate();
    m_stopLearning = false;
    m_map.error = 0;
    m_curveWindow.startRun();
    learnWholeHand(plan);
}

// Learns the whole hand: every trial presents 24 regions drawn at random, each touched as a
// click touches it and learnt around its winner with the trial's radius. The run yields once
// a trial, where Abort and every other control act; Map Active is off while it runs so that
// its touches only light the hand.
void Form1::learnWholeHand(const WholeHandPlan &plan)
{
    host::setCheckValue(chkMapOn, 0);
    try {
        runTrials(plan);
    } catch (const host::Fault &) {
        // A fault that ends the run leaves Map Active on, as the run's own end does.
        host::setCheckValue(chkMapOn, 1);
        throw;
    }
}

// The trials of a whole-hand run; Map Active on again at their end, unless the window is
// closing.
void Form1::runTrials(const WholeHandPlan &plan)
{
    host::Randomize(host::clockSeed());
    for (int t = 1; t <= plan.trials; ++t) {
        showNow(txtTrialNum, host::intText(t));
        m_map.error = 0;
        if (!host::yield())
            return; // the window is closing: leave its controls alone
        if (m_stopLearning)
            break;
        if (host::Mod(t, plan.step) == 0)
            showNow(txtCurrentRad, host::intText(plan.scheduledRadius(t)));
        if (!presentStimuli(stepRadius(plan.scheduledRadius(t))))
            break;
        const float trialError = float(double(m_map.error) / StimuliPerTrial);
        showNow(txtError, host::floatText(trialError));
        m_curveWindow.addStep(trialError);
    }
    host::setCheckValue(chkMapOn, 1);
}

// The 24 stimuli of one trial. A stimulus to which no node responds is lit but not learnt.
// A step the model refuses (a learning rate that empties or overflows a node) is reported
// once and ends the run as Abort does; false then.
bool Form1::presentStimuli(int16_t radius)
{
    for (int s = 0; s < StimuliPerTrial; ++s) {
        const int16_t r = host::intToInt16(double(host::Rnd()) * StimuliPerTrial);
        picHandF1_Click(r);
        if (const Winner winner = findWinner(r); winner.found) {
            try {
                updateSmapWts(m_map, r, radius, winner.i, winner.j, learningRate());
            } catch (const host::Fault &fault) {
                host::reportFault(QString::fromStdString(fault.what()));
                m_stopLearning = true;
                return false;
            }
            showWinner(winner.i, winner.j);
        }
        if (m_stimulusPauseMs > 0)
            host::pause(m_stimulusPauseMs);
    }
    return true;
}

void Form1::commAbort_Click() { m_stopLearning = true; }

void Form1::commReset_Click() { RandomMapWts(m_map); }

void Form1::enhance(int steps)
{
    const double rad = bubbleRadius();
    for (int step = 0; step < steps; ++step) {
        enhanceContrast(m_map, rad);
        showSensoryMap(false);
    }
}

void Form1::commIncCont_Click() { enhance(1); }

void Form1::CommFindWinner_Click() { enhance(PeakSteps); }

} // namespace somatomap
