// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/run_driver.h"

#include "sidestop/ui/input_checks.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <algorithm>
#include <cmath>

namespace sidestop {

namespace {

constexpr const char *iterationsHint = "a whole number of iterations from 1 to 32767, such as 20";

int16_t iterationsOfText(std::string_view text)
{
    int16_t niter = 0;
    try {
        niter = host::toInt16(text);
    } catch (const host::Fault &fault) {
        throw host::Fault(fault.kind(),
                          "The number of iterations " + quoted(text) + " cannot be used: type "
                              + iterationsHint + ".");
    }
    if (niter < 1)
        throw host::Fault(host::Fault::Kind::Invalid,
                          "A run needs at least one iteration: type " + std::string(iterationsHint)
                              + ".");
    return niter;
}

[[noreturn]] void tooLargeToCompute()
{
    throw host::Fault(host::Fault::Kind::Overflow,
                      "The weights and unit inputs are too large to compute with: type "
                      "numbers below 1E+300.");
}

// A unit's input: the leading number of its text, which may be too large for a double.
double unitInput(std::string_view text, int unit)
{
    const std::string name = "input of unit " + std::to_string(unit + 1);
    const double input = host::boxValOrInfinity(text, {name, "0.5"});
    if (std::isinf(input))
        tooLargeToCompute();
    return input;
}

// Every activation lies in 0..1, so the excitation of a unit is at most |poswt| + |input| and
// its inhibition at most 9 |negwt| under either rule; when their sum is finite, no update can
// produce an infinite difference or a result that is no number.
void checkMagnitudes(double poswt, double negwt, const Units &base)
{
    double largestInput = 0;
    for (double input : base)
        largestInput = std::max(largestInput, std::fabs(input));
    if (!std::isfinite(std::fabs(poswt) + 9 * std::fabs(negwt) + largestInput))
        tooLargeToCompute();
}

} // namespace

RunSettings checkedRunSettings(const RunTexts &texts, bool ramp, InhibitionRule rule)
{
    RunSettings settings;
    const double poswt = weightOfText(texts.poswt, "positive feedback weight", "0.1");
    const double negwt = weightOfText(texts.negwt, "lateral inhibitory weight", "0.5");
    settings.poswtText = texts.poswt;
    settings.negwtText = texts.negwt;
    settings.niter = iterationsOfText(texts.iterations);
    for (int k = 0; k < kUnits; ++k)
        settings.base[k] = unitInput(texts.units[k], k);
    checkMagnitudes(poswt, negwt, settings.base);
    settings.ramp = ramp;
    settings.rule = rule;
    return settings;
}

void startRun(Simulation &sim, const RunSettings &settings)
{
    sim.net.poswt = settings.poswtText;
    sim.net.negwt = settings.negwtText;
    sim.niter = settings.niter;
    runNet(sim, settings.base, settings.ramp, settings.rule);
}

void runNet(Simulation &sim, const Units &base, bool ramp, InhibitionRule rule)
{
    const int16_t niter = sim.niter;
    if (niter < 1)
        throw host::Fault(host::Fault::Kind::Invalid,
                          "A run needs at least one iteration: type " + std::string(iterationsHint)
                              + ".");
    Network &net = sim.net;
    net.act.fill(0);
    net.extip = base;
    sim.actHistory.assign(std::size_t(niter), Units {});
    for (int t = 1; t <= niter; ++t) {
        if (ramp && t <= 4) {
            const float f = float(t / 4.0);
            for (int k = 0; k < kUnits; ++k)
                net.extip[k] = base[k] * f;
        }
        iterateNet(net, rule);
        sim.actHistory[std::size_t(t - 1)] = net.act;
        if (t == sim.extipOff)
            net.extip.fill(0);
    }
}

} // namespace sidestop
