// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/common.h"

#include "sidestop/model/run_driver.h"
#include "sidestop/model/state.h"

#include <pybind11/stl.h>

namespace neurosims {

namespace {

// RUN with the window's settings typed into its boxes: the numbers go in as the texts a box
// would hold, so they are read and refused exactly as the window reads and refuses them.
py::array_t<double> run(double poswt, double negwt, const std::string &rule, bool ramp,
                        std::optional<std::vector<double>> inputs, int iterations,
                        std::optional<int> removal, double noise, std::optional<double> seed)
{
    sidestop::Simulation sim;
    const host::StateRegistry state = sidestop::stateRegistry(sim);
    sidestop::useDefaultParameters(sim);
    sidestop::setDefaultInput(sim.net);

    sidestop::RunTexts texts;
    texts.poswt = numberText(finite(poswt, "The positive feedback weight"));
    texts.negwt = numberText(finite(negwt, "The lateral inhibitory weight"));
    texts.iterations = std::to_string(iterations);
    const std::vector<double> levels
        = inputs.value_or(std::vector<double>(sim.net.extipDef.begin(), sim.net.extipDef.end()));
    if (levels.size() != std::size_t(sidestop::unitCount))
        throw py::value_error("inputs must hold 10 levels, one per unit, not "
                              + std::to_string(levels.size()) + ".");
    for (int k = 0; k < sidestop::unitCount; ++k)
        texts.units[std::size_t(k)] = numberText(finite(levels[std::size_t(k)], "An input level"));
    const auto inhibition = choice(rule, {"standard", "alternative"}, "rule") == 0
        ? sidestop::InhibitionRule::Standard
        : sidestop::InhibitionRule::Alternative;
    state.write(
        {{"noiseSD", host::StateValue(std::vector<double> {finiteFloat(noise, "noise")})},
         {"extipOff",
          host::StateValue(std::vector<double> {double(removal.value_or(iterations - 4))})}});

    Seeding seeding {seed};
    {
        py::gil_scoped_release release;
        RandomScope random(seeding);
        sidestop::run(sim, texts, ramp, inhibition);
    }
    return arrayOf(sim.actHistory.empty() ? nullptr : sim.actHistory[0].data(),
                   {py::ssize_t(sim.actHistory.size()), sidestop::unitCount});
}

} // namespace

void addSidestop(py::module_ &parent)
{
    py::module_ module = parent.def_submodule(
        "sidestop",
        "A layer of ten units that excite themselves and inhibit each other.\n\n"
        "Every update computes, for unit i from the previous activations old,\n"
        "    v = old[i] * poswt + input[i] - inhibition(i) [+ noise],  act[i] = "
        "clamp(v, 0, 1)\n"
        "with inhibition(i) = negwt * (sum of the other units' old activations) "
        "under the standard rule, and negwt * (sum of how far the more active "
        "units lie above unit i) under the alternative rule.");
    sidestop::Network defaults;
    sidestop::setDefaultInput(defaults);
    module.attr("DEFAULT_INPUT") = py::tuple(py::cast(defaults.extipDef));
    module.def("run", &run, py::kw_only(), py::arg("poswt") = 0.1, py::arg("negwt") = 0.5,
               py::arg("rule") = "standard", py::arg("ramp") = false,
               py::arg("inputs") = py::none(), py::arg("iterations") = 20,
               py::arg("removal") = py::none(), py::arg("noise") = 0.0,
               py::arg("seed") = py::none(),
               "RUN: iterations synchronous updates from zero activations, with the window's "
               "parameters (the defaults are those of its Default Parameters button and Default "
               "Input, DEFAULT_INPUT). rule is 'standard' or 'alternative'; ramp brings the input "
               "in over the first four updates; the input is removed after update removal "
               "(iterations - 4 unless given). noise is the noise level, 0 to 0.2; the window "
               "re-seeds its generator from the clock at every draw, and seed fixes that number "
               "so that a noisy run repeats. Returns the activations after every update, an "
               "(iterations, 10) float64 array, unit 1 first.");
}

} // namespace neurosims
