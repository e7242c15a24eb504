// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/model/network.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sidestop {

using Units = std::array<double, kUnits>;

// The program's state from load to end: the layer, the run settings and the last run.
struct Simulation
{
    Network net;
    int16_t niter = 0; // iterations of a run
    int16_t extipOff = 0; // the external input is removed after this iteration
    std::vector<Units> actHistory; // act after each iteration 1..niter of the last run
    bool graphOff = true; // the graph window is closed
};

// Everything RUN takes from the form, read and checked before anything changes.
struct RunSettings
{
    std::string poswtText;
    std::string negwtText;
    int16_t niter = 0;
    Units base {}; // the unramped input of each unit
    bool ramp = false;
    InhibitionRule rule = InhibitionRule::Standard;
};

// The texts of the RUN inputs as the form holds them.
struct RunTexts
{
    std::string poswt;
    std::string negwt;
    std::string iterations;
    std::array<std::string, kUnits> units;
};

// Reads the weight texts (each must be a number), the iteration count (a whole number from
// 1 to 32767) and the unit inputs (their leading numbers, 0 without one). A fault tells the
// student what to type instead; weights and inputs so large that an update could overflow
// into a result that is no number are refused the same way.
RunSettings checkedRunSettings(const RunTexts &texts, bool ramp, InhibitionRule rule);

// Stores the weight texts and the iteration count, then runs the layer.
void startRun(Simulation &sim, const RunSettings &settings);

// One run from zero activations: niter synchronous updates, the input ramped in over the first
// four when ramp is on, and removed after iteration extipOff; the activations after every
// update are kept in actHistory. niter must be at least 1 (a fault before anything changes).
void runNet(Simulation &sim, const Units &base, bool ramp, InhibitionRule rule);

} // namespace sidestop
