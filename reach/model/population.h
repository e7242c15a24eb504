// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace reach {

// The six switches, read by the caller from the form's controls at the moment of the call.
struct Switches
{
    bool exponential = true; // optExp selected (else Gaussian)
    bool distanceDependent = false; // chkDisteffect
    bool respondToDistractor = false; // chkSeeDistractor
    bool suppressDistractor = false; // chkSuppDist
    bool colourCode = false; // chkColCode
    bool lateralInhibition = false; // chkSidestop
};

// The whole population and geometry state, named as the program names it. Angles are in
// radians, 0 along +x of the hand display and growing toward +y; the half-turn is 3.147.
// Start-up sizes cellResp and targResp to ncells entries after mkcells.
struct Model
{
    int16_t ncells = 0;
    std::vector<float> prefDir, cellResp, targResp; // cell i (1..ncells) at index i-1
    float tuningWidth = 5.0f;
    float targetx = 0, targety = 0, distractorx = 0, distractory = 0;
    float handx = 0, handy = 0;
    float txdist = 0, tydist = 0, targdist = 0, targdir = 0;
    float dxdist = 0, dydist = 0, tractordist = 0, distdir = 0;
    float attnBoost = 1.0f, inhibLevel = 1.0f;
};

// ncells = 100 and prefDir(i) = i steps of 0.03147, summed in float: the cells cover
// (0, 3.147], cell 50 pointing straight up.
void mkcells(Model &model);

// Geometry of target (and distractor) as seen from the hand, then every cell's response
//   targPart = e^(-k d(targdir - p)) x targFactor x attnBoost
//   distPart = e^(-k d(distdir - p)) x distFactor, negated and scaled by inhibLevel when
//              the distractor is suppressed
//   cellResp = max(0, targPart + distPart)
// with k = tuningWidth, d(a) = |a| (exponential) or a^2 (Gaussian) and the distance factor
// falling linearly from 1 at distance 0 to 0.25 at 100 and beyond. Runs lateralInhibition
// last when that switch is on. A cell array shorter than ncells is an IndexOutOfRange fault,
// raised before anything changes.
void cellResponse(Model &model, const Switches &switches);

// One synchronous pass: each cell adds a tenth of the summed old responses of itself and its
// four neighbours on each side, and loses 0.05 x (all old responses - that local sum); the
// result is kept within [0, 2]. Takes at most 100 cells (IndexOutOfRange fault beyond).
void lateralInhibition(Model &model);

// Direction of the population vector, the sum of cellResp(i) x (cos, sin)(prefDir(i)) over
// the cells responding above 0.05: the arctangent of sy / sx, plus the half-turn when the
// vector points left or the arctangent is below 0, so it lies in [0, 3.1524] (cell 100 alone,
// pointing left and slightly down, gives 3.152411); straight up (1.5735) when sx is 0.
float resultant(const Model &model);

float max(float a, float b); // a when a > b, else b
float min(float a, float b); // a when a < b, else b

} // namespace reach
