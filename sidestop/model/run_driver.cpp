// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/model/run_driver.h"

namespace sidestop {

void run(Simulation &sim, const RunTexts &texts, bool ramp, InhibitionRule rule,
         const RunCallbacks &callbacks)
{
    startRun(sim, checkedRunSettings(texts, ramp, rule));
    if (!sim.graphOff && callbacks.drawHistory)
        callbacks.drawHistory(sim);
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
    checkIterations(niter);
    Network &net = sim.net;
    net.act.fill(0);
    net.extip = base;
    sim.actHistory.assign(std::size_t(niter), Units {});
    for (int t = 1; t <= niter; ++t) {
        if (ramp && t <= 4) {
            const float f = float(t / 4.0);
            for (int k = 0; k < unitCount; ++k)
                net.extip[k] = base[k] * f;
        }
        iterateNet(net, rule);
        sim.actHistory[std::size_t(t - 1)] = net.act;
        if (t == sim.extipOff)
            net.extip.fill(0);
    }
}

void resetForLoad(Simulation &sim)
{
    sim.graphOff = true;
    sim.net.extip.fill(0);
}

void useDefaultParameters(Simulation &sim)
{
    sim.niter = 20;
    sim.extipOff = int16_t(sim.niter - 4);
    sim.net.poswt = 0.1;
    sim.net.negwt = 0.5;
    sim.net.noiseSD = 0;
}

void useDefaultInput(Simulation &sim)
{
    setDefaultInput(sim.net);
    for (int i = 0; i < unitCount; ++i)
        sim.net.extip[i] = float(sim.net.extipDef[i]);
}

void openGraph(Simulation &sim)
{
    sim.graphOff = false;
    if (sim.niter <= 0)
        sim.niter = 20;
}

} // namespace sidestop
