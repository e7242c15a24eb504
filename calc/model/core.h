// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/network.h"
#include "calc/model/run_settings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace calc {

// The choices a run consults while it goes: the window keeps them equal to its controls.
struct RunOptions
{
    bool randomOrder = false; // shuffles the order at the start of every epoch
    bool showWeights = true; // the weights are shown again after every presentation
    bool runSlowly = false; // read when a run starts: a pause before every shown presentation
    OutputRule rule = OutputRule::Threshold; // read at every presentation and test
};

// The state of the runs and of the numeral shown, apart from the network.
struct RunState
{
    bool running = false;
    bool displayLearning = false; // a run shows every presentation's inputs and outputs
    bool learnSlowly = false;
    int16_t shownNumeral = 0; // 0..15
    int16_t shownPattern = 0; // its pattern, 0 before a numeral is chosen
};

// How a run is seen and how it lets the rest of the program in. Every member may be empty:
// nothing is shown, there is no pause, and the run never yields.
struct RunCallbacks
{
    std::function<void(bool fresh)> started; // before anything of the run changes
    std::function<void(int epoch)> epochStarted;
    std::function<void(int16_t pattern)> presented; // a shown presentation, before its errors
    std::function<void()> weightsChanged; // after every presentation, while showWeights
    std::function<void(float sumError)> epochEnded;
    std::function<void()> learned; // an epoch without any error ended the run
    std::function<void(int milliseconds)> pause;
    // Lets other events in at the end of every epoch; false when the program is ending.
    std::function<bool()> yield;
    // Asked after every yield: true ends the run as Stop does.
    std::function<bool()> stopAsked;
};

// The numeral identifier without its window: the network, the runs that teach it and the
// tests of single numerals. LEARN starts a fresh run from zero weights, ReStart continues
// from the current weights, Stop ends a run after the epoch in progress. A run presents every
// pattern once per epoch and yields once at the end of each epoch, which is how Stop and the
// other controls reach it. A LEARN pressed during that yield runs a whole fresh run inside it;
// the interrupted run then goes on with the state the inner run left.
class Core
{
public:
    Network net;
    RunState run;
    RunOptions options;

    // Reads the pattern file into a fresh network (a fault leaves the old one) and resets the
    // run flags and the numeral shown.
    void load(const std::string &path);

    // LEARN and ReStart: both texts are read and checked before anything changes. ReStart does
    // nothing while a run is going on.
    void learn(std::string_view epochsText, std::string_view lrateText,
               const RunCallbacks &callbacks);
    void restart(std::string_view epochsText, std::string_view lrateText,
                 const RunCallbacks &callbacks);
    // Stop: the run ends after the epoch in progress.
    void halt() { run.running = false; }
    // Display I/O: each click inverts whether runs show their presentations.
    void toggleDisplayLearning() { run.displayLearning = !run.displayLearning; }

    // Chooses the numeral to show and test; returns its pattern. A numeral the pattern file has
    // no pattern for is an index fault.
    int16_t chooseNumeral(int16_t numeral);
    // Tests the stored pattern of the numeral chosen last: net inputs and outputs, no error and
    // no change of weights. False (and nothing changes) before a numeral is chosen.
    bool testShownNumeral();
    // The numeral one step from the shown one, round from F to 0 and back, stepping over the
    // numerals the pattern file has no pattern for.
    int16_t nextNumeral(int step) const;

private:
    void runEpochs(bool fresh, RunSettings settings, const RunCallbacks &callbacks);
    void present(int16_t pattern, const RunCallbacks &callbacks);
    void shuffleOrder();
};

} // namespace calc
