// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Learning and sharpening from the buttons: Learn Stimulus, Map Whole Hand with its
// shrinking neighbourhood, Abort, Reset Weights, Stepwise Enhance and Find Peak Activity, and
// the touches of the hand that make the map respond.

#include "somatomap/model/core.h"

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"
#include "somatomap/model/contrast.h"
#include "somatomap/model/hand_inputs.h"
#include "somatomap/model/learning.h"

namespace somatomap {

namespace {

template <typename Hook, typename... Args> void call(const Hook &hook, const Args &...args)
{
    if (hook)
        hook(args...);
}

} // namespace

void Core::load()
{
    encodeHandRegions(map);
    randomMapWts(map);
}

void Core::touch(int16_t region)
{
    const int16_t previous = partTouched;
    partTouched = region;
    call(hooks.touched, region, previous);
    if (settings.mapActive()) {
        activateSensoryMap(map, region, settings.similarity());
        call(hooks.showMap);
    }
}

void Core::touchHandPart(int part, const std::function<void(int16_t region)> &lit,
                         const std::function<void(int16_t region)> &responded)
{
    const bool mapping = settings.mapActive();
    const double rad = mapping ? bubbleRadius(settings.peakradText()) : 0;
    for (int k = regionsPerPart * part; k < regionsPerPart * (part + 1); ++k) {
        const auto region = int16_t(k);
        call(lit, region);
        if (mapping) {
            activateSensoryMap(map, region, settings.similarity());
            for (int step = 0; step < enhancementsPerRegion; ++step)
                enhanceContrast(map, rad);
            call(responded, region);
        }
    }
}

void Core::enhance(int steps)
{
    const double rad = bubbleRadius(settings.peakradText());
    for (int step = 0; step < steps; ++step) {
        enhanceContrast(map, rad);
        call(hooks.showMap);
    }
}

// Nothing is redrawn and the error is neither reset nor shown.
bool Core::learnStimulus()
{
    const int16_t peakrad = learningRadius(settings.peakradText());
    const double lrate = learningRate(settings.lrateText());
    const Winner winner = findWinner(partTouched);
    if (!winner.found)
        return false;
    updateSmapWts(map, partTouched, peakrad, winner.i, winner.j, lrate);
    return true;
}

// The run yields once a trial, where Abort and every other control act. A fault that ends
// the run still ends it as its own end does (runEnds).
void Core::learnWholeHand()
{
    const WholeHandPlan plan = planWholeHand(settings.peakradText(), settings.numTrialsText());
    // Every step reads the learning rate again (it may be changed during the run); a rate the
    // steps cannot use is refused before the run begins.
    learningRate(settings.lrateText());
    stopLearning = false;
    map.error = 0;
    call(hooks.runStarts);
    bool ended = true;
    try {
        ended = runTrials(plan);
    } catch (const host::Fault &) {
        call(hooks.runEnds);
        throw;
    }
    if (ended)
        call(hooks.runEnds);
}

bool Core::runTrials(const WholeHandPlan &plan)
{
    host::reseed(host::clockSeed());
    for (int t = 1; t <= plan.trials; ++t) {
        call(hooks.showTrial, t);
        map.error = 0;
        if (hooks.yield && !hooks.yield())
            return false;
        if (stopLearning)
            break;
        if (host::modulo(t, plan.step) == 0)
            call(hooks.showRadius, int(plan.scheduledRadius(t)));
        if (!presentStimuli(stepRadius(plan.scheduledRadius(t))))
            break;
        const float trialError = float(double(map.error) / stimuliPerTrial);
        call(hooks.trialEnded, trialError);
    }
    return true;
}

// A stimulus to which no node responds is touched but not learnt. A step the model refuses
// (a learning rate that empties or overflows a node) is reported once and ends the run as
// Abort does.
bool Core::presentStimuli(int16_t radius)
{
    for (int s = 0; s < stimuliPerTrial; ++s) {
        const int16_t r = host::intToInt16(double(host::nextRandom()) * stimuliPerTrial);
        touch(r);
        if (const Winner winner = findWinner(r); winner.found) {
            try {
                updateSmapWts(map, r, radius, winner.i, winner.j,
                              learningRate(settings.lrateText()));
            } catch (const host::Fault &fault) {
                call(hooks.reportFault, fault);
                stopLearning = true;
                return false;
            }
            call(hooks.showWinner, int(winner.i), int(winner.j));
        }
        call(hooks.pause);
    }
    return true;
}

void Core::resetWeights() { randomMapWts(map); }

} // namespace somatomap
