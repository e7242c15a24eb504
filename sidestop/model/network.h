// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <variant>

namespace sidestop {

inline constexpr int unitCount = 10;

// One number per unit.
using Units = std::array<double, unitCount>;

// Which units inhibit a unit: all others in proportion to their activation (standard), or
// only the more active ones in proportion to the difference (the alternative rule).
enum class InhibitionRule { Standard, Alternative };

// A weight as the form holds it: the number a scroll bar or the Enter key set, or the text of
// the weight box that RUN stores, which is read as a number each time an update uses it.
using Weight = std::variant<double, std::string>;

// A layer of ten units (0..9; the user counts them 1..10) that excite themselves and inhibit
// each other. One synchronous update computes, for every unit i from the previous
// activations old,
//     v = (old[i] * poswt + extip[i]) - inhibition(i) [+ noise],   act[i] = clamp(v, 0, 1)
// with inhibition(i) = (sum of old[j], j != i) * negwt under the standard rule and
// (sum of max(0, old[j] - old[i]), j != i) * negwt under the alternative rule.
struct Network
{
    Units act {};
    Units extip {};
    Units extipDef {};
    Weight poswt = 0.0;
    Weight negwt = 0.0;
    float noiseSD = 0; // 0 switches the noise off
};

// One synchronous update of all ten units. A weight text that is no number is a fault raised
// before any activation changes.
void iterateNet(Network &net, InhibitionRule rule);

// excitation - inhibition, narrowed to a 32-bit float.
float netInput(double excitation, double inhibition);

// The larger of a and b (a when they are equal), narrowed to a 32-bit float.
float maxVal(double a, double b);

// The default input pattern: units 2, 3, 6, 8 and 9 receive input, unit 6 the most.
void setDefaultInput(Network &net);

} // namespace sidestop
