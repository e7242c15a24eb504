// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/model/input_checks.h"
#include "sidestop/model/network.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace sidestop {

// The program's state from load to end: the layer, the run settings and the last run.
struct Simulation
{
    Network net;
    int16_t niter = 0; // iterations of a run
    int16_t extipOff = 0; // the external input is removed after this iteration
    std::vector<Units> actHistory; // act after each iteration 1..niter of the last run
    bool graphOff = true; // the graph window is closed
};

// What a run asks of the window it runs in. A run neither pauses nor can be stopped: it only
// has its history drawn, once it is complete, while the graph is open.
struct RunCallbacks
{
    std::function<void(const Simulation &)> drawHistory;
};

// RUN: reads and checks the texts, stores the weight texts and the iteration count, runs the
// layer and has the history drawn. A fault leaves everything as it was.
void run(Simulation &sim, const RunTexts &texts, bool ramp, InhibitionRule rule,
         const RunCallbacks &callbacks = {});

// Stores the weight texts and the iteration count, then runs the layer.
void startRun(Simulation &sim, const RunSettings &settings);

// One run from zero activations: niter synchronous updates, the input ramped in over the first
// four when ramp is on, and removed after iteration extipOff; the activations after every
// update are kept in actHistory. niter must be at least 1 (a fault before anything changes).
void runNet(Simulation &sim, const Units &base, bool ramp, InhibitionRule rule);

// At load the graph is closed and every input is 0.
void resetForLoad(Simulation &sim);

// The default run settings and weights, without noise: 20 iterations, the input removed
// after 16, poswt 0.1, negwt 0.5. The inhibition rule, the ramp and the inputs stay.
void useDefaultParameters(Simulation &sim);

// Every unit's input becomes its default input (as a 32-bit float).
void useDefaultInput(Simulation &sim);

// The graph opens: an iteration count below 1 becomes 20, so that its time axis has a range.
void openGraph(Simulation &sim);

} // namespace sidestop
