// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reach/model/population.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace reach {

// Where the hand went in the reaches drawn since the hand display was last cleared: the start
// of each reach (step 0) and the hand after every step.
struct PathPoint
{
    int reach;
    int step;
    float x;
    float y;
};

// A corner of the target or distractor picture in display units.
struct Corner
{
    float x;
    float y;
};

// The preset places ("Near Right", "Near Left", "Far Right", "Far Left") as the top-left
// corner of the target or distractor picture.
inline constexpr std::array<Corner, 4> presets {Corner {30, 50}, Corner {-30, 50}, Corner {30, 100},
                                                Corner {-30, 100}};

// Where start-up puts the target's and the distractor's corner.
inline constexpr Corner startTargetCorner {20, 100};
inline constexpr Corner startDistractorCorner {-20, 100};

// The hand display's scale: x from left to right across it, y from top down to bottom, over a
// square of `pixels` device pixels as the window first shows it (at 100% zoom).
struct DisplayArea
{
    double left;
    double top;
    double right;
    double bottom;
    double pixels;
};
inline constexpr DisplayArea handDisplay {-100, 200, 100, -50, 362};

// Refuses a picture's top-left corner that the hand display could not draw at its first size,
// as the window refuses a press or a drag that far: more than 2^22 pixels from the display's
// origin (about 2.3 million display units), or not a finite number. An Invalid host::Fault.
void checkShownPlace(double x, double y);

// What a reach asks of whoever shows it. Every member may be left empty.
struct ReachCallbacks
{
    // A reach begins: the path starts again from (0, 0).
    std::function<void()> reachStarts;
    // The hand has made a step: show it where the model now has it, and the cells.
    std::function<void()> drawStep;
    // After each drawn step; steps counts the steps before it (0 after the first).
    std::function<void(int steps)> pause;
    // Checked after each pause: true ends the reach where the hand is.
    std::function<bool()> stopAsked;
    // Target (true) or distractor moved to a corner by a series of reaches.
    std::function<void(bool isTarget, Corner corner)> placed;
    // The hand went back to (0, 0) between the reaches of a series.
    std::function<void()> handAtOrigin;
};

// The reach program without its window: the population and geometry, the step length of the
// latest reach, whether a press on the hand display is carrying the target or distractor,
// and the path record of the hand display.
struct ReachCore
{
    // A reach gives up after this many steps: far more than crossing the display at the
    // slowest speed takes.
    static constexpr int maxReachSteps = 10000;

    Model model;
    int16_t step = 0;
    bool movingThings = false;
    std::vector<PathPoint> handPath;
    int pathReaches = 0;

    // The state the program starts in: 100 cells with no response yet, tuning width 5, no
    // boost or suppression beyond 1, the hand at (0, 0), the target and the distractor at their
    // start-up corners.
    void startUp();

    // Puts the target (or distractor) picture's top-left corner at (x, y); the point the model
    // uses lies 2 units in from that corner.
    void placeThing(bool isTarget, float x, float y);
    void placePreset(bool isTarget, int index);

    void cellResponse(const Switches &switches) { reach::cellResponse(model, switches); }
    void putHandAtOrigin();
    void clearPath();

    // One reach from wherever the hand is, at the step length the speed slider's value gives:
    // step after step along the population vector until the hand has come within 2 units of
    // the target (one step more, as the distance tested is the one before the latest move) or
    // has risen more than 10 units above it. After maxReachSteps steps it stops with a fault.
    // Returns the number of steps.
    int reach(int16_t speedSliderValue, const Switches &switches,
              const ReachCallbacks &callbacks = {});

    // Three reaches to the target at preset index, with the distractor at each other preset,
    // the hand back at (0, 0) after each.
    void reachSeries(int index, int16_t speedSliderValue, const Switches &switches,
                     const ReachCallbacks &callbacks = {});
};

} // namespace reach
