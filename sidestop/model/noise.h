// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace sidestop {

// The layer's noise: re-seeds the random generator from the clock at every call, draws a sign
// with one uniform number r1 and a magnitude with another, r2:
//     x = stdev * r2,   a = 1 / (sqrt(2 * 3.1415) * stdev),   b = -0.5 * ((x - mean) / stdev)^2,
//     result = sign / (a * e^b)
// With mean 0 the magnitude is stdev * sqrt(6.283) * e^(r2^2 / 2), between 2.50659 * stdev and
// just below 4.13267 * stdev: never near 0, and not normally distributed. A stdev of 0 is a
// division-by-zero fault raised before the generator is touched.
double gaussnoise(double mean, double stdev);

} // namespace sidestop
