// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace somatomap {

// The numbers that learning and contrast enhancement read from the user's boxes at the
// moment they need them. Each is the box's leading number (host::leadingNumber: 0 when the text
// does not begin with one); a number the map cannot use is refused with a host::Fault whose message
// names the box, before anything changes.

// The bubble radius of an enhancement step (Bubble Radius box): any finite number but -2.
double bubbleRadius(std::string_view peakradText);
// The neighbourhood radius of Learn Stimulus: the bubble radius rounded to the nearest
// 16-bit integer (a half to the even neighbour), any but -2.
int16_t learningRadius(std::string_view peakradText);
// The learning rate (Learning Rate box), a number that fits a 32-bit float.
double learningRate(std::string_view lrateText);

// The trials and the shrinking neighbourhood of a whole-hand run. The radius starts at the
// bubble radius rounded to a whole number and drops by 1 at the start of every trial whose
// number is a multiple of step = floorValue(trials / bubble radius): with 10 trials from radius 3,
// trials 1-2 use 3, 3-5 use 2, 6-8 use 1 and 9-10 use 0.
struct WholeHandPlan
{
    int16_t trials = 0; // 0 or fewer: the run presents nothing
    int16_t step = 0;
    int16_t startRadius = 0;

    // The radius trial t (1..trials) shows and is scheduled to use.
    int16_t scheduledRadius(int trial) const;
};

// Reads a run's plan from the Bubble Radius and Number of Trials boxes. A run that cannot
// keep its schedule is refused with a message that says which box to change: a radius of 0,
// fewer trials than the radius (step 0), or numbers whose schedule leaves the 16-bit range.
WholeHandPlan planWholeHand(std::string_view peakradText, std::string_view numTrialsText);

// The radius a learning step of the run uses. A schedule can drop below -1, where the
// neighbourhood's slope, which divides by the radius plus 2, would divide by 0 or turn over;
// such a step acts as at -1, and the radius box still shows the scheduled value.
constexpr int16_t stepRadius(int16_t scheduled) { return scheduled < -1 ? int16_t(-1) : scheduled; }

} // namespace somatomap
