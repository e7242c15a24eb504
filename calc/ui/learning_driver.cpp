// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning driver: LEARN starts a fresh run from zero weights, ReStart continues from the
// current weights, Stop ends a run after the epoch in progress. A run presents every pattern
// once per epoch and yields once at the end of each epoch, which is how Stop and the other
// controls reach the program. A LEARN pressed during that yield runs a whole fresh run inside
// it; the interrupted run then goes on with the state the inner run left.

#include "calc/ui/form1.h"
#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>
#include <utility>

namespace calc {

namespace {

// The pause before each displayed presentation of a slow run: one epoch of the sixteen
// standard patterns takes about a second.
constexpr int kSlowPauseMs = 60;
constexpr int kDefaultEpochs = 20;

// The text shows at once, also while the run does not yield.
void showNow(QLineEdit *box, const std::string &text)
{
    host::showText(box, QString::fromStdString(text));
}

} // namespace

// Both texts are read and checked before anything of the run changes, so that a count or a
// rate the run cannot use leaves the weights, captions and boxes as they were.
Form1::RunSettings Form1::readRunSettings() const
{
    const std::string epochsText = txtIpepoques->text().toStdString();
    double epochs = host::boxValOrInfinity(epochsText, {"number of epochs", "10000"});
    if (epochs == 0)
        epochs = kDefaultEpochs;
    // The range of a 16-bit count, halves rounding to the even neighbour.
    if (epochs < -32768.5)
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The number of epochs " + host::quotedText(epochsText)
                              + " is too far below 0: type a whole number of epochs from 1 to "
                                "32767.");
    if (!(epochs < 32767.5))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The number of epochs " + host::quotedText(epochsText)
                              + " is too large: a run has at most 32767 epochs.");
    RunSettings settings;
    settings.epochs = host::nearestInt16(epochs);
    settings.lrate = lrateFromText(txtLrate->text().toStdString());
    return settings;
}

void Form1::commLearn_Click() { learn(true, readRunSettings()); }

void Form1::CommandRestart_Click()
{
    if (m_running)
        return;
    const RunSettings settings = readRunSettings();
    m_running = true;
    learn(false, settings);
}

void Form1::CommandHalt_Click()
{
    if (m_running)
        m_running = false;
}

OutputRule Form1::outputRule() const
{
    return optThresh->isChecked() ? OutputRule::Threshold : OutputRule::Sigmoid;
}

// The run keeps nothing of the network across its yields (no reference, no size): a LEARN
// pressed inside the yield recreates the arrays, and the run reads them afresh afterwards.
void Form1::learn(bool fresh, RunSettings settings)
{
    commLearn->setText("LEARNING...");
    m_running = true;
    if (fresh) {
        clearWeights(m_net);
        m_net.sumError = 0;
        m_curveWindow.startRun();
    }
    clearUnits(m_net);
    m_net.lrate = settings.lrate;
    for (int16_t i = 0; i < int16_t(m_net.order.size()); ++i)
        m_net.order[size_t(i)] = int16_t(i + 1);
    m_displayLearning = true;
    m_learnSlowly = host::checkValue(chkGoSlow) == 1;

    for (int epoch = 1; epoch <= settings.epochs && m_running; ++epoch) {
        showNow(txtEpoques, host::intText(epoch));
        m_net.sumError = 0;
        if (host::checkValue(chkRandom) != 0)
            shuffle_order();
        const int16_t presentations = host::nearestInt16(m_net.nPatterns);
        try {
            for (int h = 1; h <= presentations; ++h)
                present(m_net.order[size_t(h - 1)]);
        } catch (const host::Fault &) {
            // A step the network refuses ends the run as Stop does, so ReStart works again.
            m_running = false;
            throw;
        }
        showNow(txtError, host::floatText(m_net.sumError));
        m_curveWindow.addStep(m_net.sumError);
        if (m_net.sumError == 0) {
            commLearn->setText("LEARN");
            return;
        }
        if (!host::yield())
            return;
    }
}

void Form1::present(int16_t pattern)
{
    m_net.curInput = m_net.inPatterns.at(size_t(pattern - 1));
    m_net.curTarget = m_net.targets.at(size_t(pattern - 1));
    compute_net(m_net);
    apply_activation(m_net, outputRule());
    if (m_displayLearning) {
        if (m_learnSlowly)
            host::pause(kSlowPauseMs);
        show_input(pattern);
        show_outputs();
    }
    compute_errors(m_net);
    update_weights(m_net);
    if (host::checkValue(chkShowWts) == 1)
        show_weights();
}

// Eight exchanges of two positions drawn at random among the first nPatterns (possibly the
// same one twice), the generator reseeded from the clock first. Each epoch shuffles the
// order the previous one left.
void Form1::shuffle_order()
{
    host::Randomize(host::clockSeed());
    auto draw = [this] { return host::intToInt16(double(host::Rnd()) * m_net.nPatterns + 1); };
    for (int n = 0; n < 8; ++n) {
        const int16_t b = draw();
        const int16_t c = draw();
        std::swap(m_net.order.at(size_t(b - 1)), m_net.order.at(size_t(c - 1)));
    }
}

} // namespace calc
