// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/learning_settings.h"
#include "somatomap/model/sensory_map.h"
#include "somatomap/model/similarity.h"

#include <cstdint>
#include <functional>
#include <string>

namespace host {
class Fault;
}

namespace somatomap {

// What the user's boxes and options hold at the moment the core asks: the core reads them
// when it needs them, as a run reads the learning rate again at every step. The defaults are
// the window's start values.
struct Settings
{
    std::function<std::string()> peakradText = [] { return std::string("3"); }; // Bubble Radius
    std::function<std::string()> lrateText = [] { return std::string("0.2"); }; // Learning Rate
    std::function<std::string()> numTrialsText = [] { return std::string("10"); };
    std::function<Similarity()> similarity = [] { return Similarity::NormalisedDotProduct; };
    std::function<bool()> mapActive = [] { return true; };
};

// What a run shows and how it gives way to the rest of the program. Every member may be left
// empty: nothing is shown, yield goes on at once, there is no pause.
struct RunHooks
{
    // A stimulus touched region in isolation; previous was the region touched before it.
    std::function<void(int16_t region, int16_t previous)> touched;
    // The map responded to a touch or was sharpened: draw it on a cleared grid.
    std::function<void()> showMap;
    std::function<void(int i, int j)> showWinner;
    std::function<void(int trial)> showTrial;
    std::function<void(int radius)> showRadius;
    // A trial ended with this mean error per stimulus.
    std::function<void(float error)> trialEnded;
    // A whole-hand run begins (after its checks) and ends: Map Active goes off and on again.
    std::function<void()> runStarts;
    std::function<void()> runEnds;
    // Once a trial: false when the window is closing, so the run ends at once and leaves
    // the window alone (runEnds is not called).
    std::function<bool()> yield;
    std::function<void()> pause; // after each stimulus
    // A learning step the model refused, reported once before the run ends.
    std::function<void(const host::Fault &)> reportFault;
};

// The program's model and run state, and the operations of its buttons. A window or a test
// supplies the settings and the hooks; everything here is plain C++.
class Core
{
public:
    static constexpr int stimuliPerTrial = 24;
    static constexpr int peakSteps = 6;
    static constexpr int regionsPerPart = 6;
    static constexpr int enhancementsPerRegion = 6;

    SensoryMap map;
    int16_t partTouched = 0; // the region last touched in isolation
    bool stopLearning = false; // Abort asks the running whole-hand learning to stop

    Settings settings;
    RunHooks hooks;

    // The regions encoded and random weights: the map as the window loads it.
    void load();

    // A touch of a region in isolation: it becomes the touched region (touched hook) and, with
    // the map active, the map responds to it and is shown.
    void touch(int16_t region);
    // A finger (0..2) or the palm (3): its six regions in turn, each lit by lit(region) and,
    // with the map active, answered by its sharpened response drawn by responded(region).
    void touchHandPart(int part, const std::function<void(int16_t region)> &lit,
                       const std::function<void(int16_t region)> &responded);

    // Contrast enhancement with the bubble radius, the map shown after every step.
    void enhance(int steps);

    // The winner for a region with the similarity chosen now.
    Winner findWinner(int16_t region) const
    {
        return somatomap::findWinner(map, region, settings.similarity());
    }

    // Learn Stimulus: one step on the touched region with the activation the map now holds at
    // the winner. false (nothing learnt) when no node responds to the region.
    bool learnStimulus();

    // Map Whole Hand: every trial presents 24 regions drawn at random, each touched as a click
    // touches it and learnt around its winner with the trial's radius. The plan and the
    // learning rate are checked before anything changes.
    void learnWholeHand();

    void abort() { stopLearning = true; }
    void resetWeights();

private:
    // false when the window is closing.
    bool runTrials(const WholeHandPlan &plan);
    // false when a refused step ended the run.
    bool presentStimuli(int16_t radius);
};

} // namespace somatomap
