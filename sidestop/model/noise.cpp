// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/noise.h"

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"

#include <cmath>

namespace sidestop {

double gaussnoise(double mean, double stdev)
{
    if (stdev == 0)
        throw host::Fault(host::Fault::Kind::DivisionByZero,
                          "The noise level (standard deviation) must not be 0.");

    host::reseed(host::clockSeed());
    const double sign = host::floorValue(2.0 * host::nextRandom()) == 0 ? -1 : 1;
    const double x = stdev * host::nextRandom();
    const double a = 1 / (std::sqrt(2 * 3.1415) * stdev);
    const double z = (x - mean) / stdev;
    const double b = -0.5 * (z * z);
    return sign / (a * std::exp(b));
}

} // namespace sidestop
