// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/core.h"

#include "calc/model/pattern_file.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"

#include <string>
#include <utility>

namespace calc {

namespace {

// The pause before each displayed presentation of a slow run: one epoch of the sixteen
// standard patterns takes about a second.
constexpr int slowPauseMs = 60;

template <typename Callback, typename... Args> void notify(const Callback &callback, Args... args)
{
    if (callback)
        callback(args...);
}

} // namespace

void Core::load(const std::string &path)
{
    run.shownNumeral = 0;
    run.displayLearning = false;
    run.learnSlowly = false;
    // The loader hands back a whole network or faults, so a bad file leaves no half-loaded
    // network behind.
    net = loadPatternFile(path);
}

void Core::learn(std::string_view epochsText, std::string_view lrateText,
                 const RunCallbacks &callbacks)
{
    runEpochs(true, readRunSettings(epochsText, lrateText), callbacks);
}

void Core::restart(std::string_view epochsText, std::string_view lrateText,
                   const RunCallbacks &callbacks)
{
    if (run.running)
        return;
    const RunSettings settings = readRunSettings(epochsText, lrateText);
    run.running = true;
    runEpochs(false, settings, callbacks);
}

// The run keeps nothing of the network across its yields (no reference, no size): a LEARN
// pressed inside the yield recreates the arrays, and the run reads them afresh afterwards.
void Core::runEpochs(bool fresh, RunSettings settings, const RunCallbacks &callbacks)
{
    notify(callbacks.started, fresh);
    run.running = true;
    if (fresh) {
        clearWeights(net);
        net.sumError = 0;
    }
    clearUnits(net);
    net.lrate = settings.lrate;
    for (int16_t i = 0; i < int16_t(net.order.size()); ++i)
        net.order[size_t(i)] = int16_t(i + 1);
    run.displayLearning = true;
    run.learnSlowly = options.runSlowly;

    for (int epoch = 1; epoch <= settings.epochs && run.running; ++epoch) {
        notify(callbacks.epochStarted, epoch);
        net.sumError = 0;
        if (options.randomOrder)
            shuffleOrder();
        const int16_t presentations = host::nearestInt16(net.nPatterns);
        try {
            for (int h = 1; h <= presentations; ++h)
                present(net.order[size_t(h - 1)], callbacks);
        } catch (const host::Fault &) {
            // A step the network refuses ends the run as Stop does, so ReStart works again.
            run.running = false;
            throw;
        }
        notify(callbacks.epochEnded, net.sumError);
        if (net.sumError == 0) {
            notify(callbacks.learned);
            return;
        }
        if (callbacks.yield && !callbacks.yield())
            return;
        if (callbacks.stopAsked && callbacks.stopAsked())
            halt();
    }
}

void Core::present(int16_t pattern, const RunCallbacks &callbacks)
{
    net.curInput = net.inPatterns.at(size_t(pattern - 1));
    net.curTarget = net.targets.at(size_t(pattern - 1));
    computeNet(net);
    applyActivation(net, options.rule);
    if (run.displayLearning) {
        if (run.learnSlowly)
            notify(callbacks.pause, slowPauseMs);
        notify(callbacks.presented, pattern);
    }
    computeErrors(net);
    updateWeights(net);
    if (options.showWeights)
        notify(callbacks.weightsChanged);
}

// Eight exchanges of two positions drawn at random among the first nPatterns (possibly the
// same one twice), the generator reseeded from the clock first. Each epoch shuffles the
// order the previous one left.
void Core::shuffleOrder()
{
    host::reseed(host::clockSeed());
    auto draw = [this] { return host::intToInt16(double(host::nextRandom()) * net.nPatterns + 1); };
    for (int n = 0; n < 8; ++n) {
        const int16_t b = draw();
        const int16_t c = draw();
        std::swap(net.order.at(size_t(b - 1)), net.order.at(size_t(c - 1)));
    }
}

int16_t Core::chooseNumeral(int16_t numeral)
{
    const int16_t pattern = patternOfNumeral(numeral);
    if (size_t(pattern) > net.inPatterns.size())
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "The numeral " + numeralText(numeral)
                              + " has no pattern: the pattern file holds "
                              + std::to_string(net.inPatterns.size()) + " patterns.");
    run.shownNumeral = numeral;
    run.shownPattern = pattern;
    return pattern;
}

bool Core::testShownNumeral()
{
    if (run.shownPattern == 0)
        return false;
    net.curInput = net.inPatterns.at(size_t(run.shownPattern - 1));
    computeNet(net);
    applyActivation(net, options.rule);
    return true;
}

int16_t Core::nextNumeral(int step) const
{
    int numeral = run.shownNumeral;
    for (int tries = 0; tries < 16; ++tries) {
        numeral = (numeral + step + 16) % 16;
        if (size_t(patternOfNumeral(int16_t(numeral))) <= net.inPatterns.size())
            break;
    }
    return int16_t(numeral);
}

} // namespace calc
