// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/common.h"

#include "host/numbers/fault.h"
#include "somatomap/model/core.h"
#include "somatomap/model/state.h"

#include <pybind11/stl.h>

namespace neurosims {

namespace {

using somatomap::mapSide;

struct SomatoMap
{
    somatomap::Core core;
    host::StateRegistry state;
    Seeding seeding;
    somatomap::Similarity similarity = somatomap::Similarity::NormalisedDotProduct;
    bool busy = false;

    explicit SomatoMap(std::optional<double> seed)
        : state(somatomap::stateRegistry(core))
        , seeding {seed}
    {
        core.settings.similarity = [this] { return similarity; };
        py::gil_scoped_release release;
        RandomScope random(seeding);
        core.load();
    }

    // The boxes hold the numbers as their texts, so the core reads and refuses them as it
    // reads and refuses the window's.
    void useBoxes(double radius, double rate, int trials)
    {
        const std::string peakrad = numberText(finite(radius, "The radius"));
        const std::string lrate = numberText(finite(rate, "The learning rate"));
        core.settings.peakradText = [peakrad] { return peakrad; };
        core.settings.lrateText = [lrate] { return lrate; };
        core.settings.numTrialsText = [trials] { return std::to_string(trials); };
    }

    void touch(int region)
    {
        BusyGuard guard(busy);
        core.touch(int16_t(inRange(region, 0, somatomap::regionCount - 1, "The region")));
    }

    bool learnStimulus(double radius, double rate)
    {
        BusyGuard guard(busy);
        useBoxes(radius, rate, 10);
        return core.learnStimulus();
    }

    py::array_t<float> learnHand(int trials, double radius, double rate, bool mapActive,
                                 const py::object &onStep)
    {
        BusyGuard guard(busy);
        useBoxes(radius, rate, int(inRange(trials, -32768, 32767, "The number of trials")));
        std::vector<float> errors;
        std::optional<host::Fault> refused;
        core.settings.mapActive = [mapActive] { return mapActive; };
        core.hooks.trialEnded = [&](float error) {
            errors.push_back(error);
            if (!onStep.is_none()) {
                py::gil_scoped_acquire acquire;
                if (bool(py::bool_(onStep(int(errors.size()), error))))
                    core.abort();
            }
        };
        core.hooks.reportFault = [&](const host::Fault &fault) { refused = fault; };
        try {
            py::gil_scoped_release release;
            RandomScope random(seeding);
            core.learnWholeHand();
        } catch (...) {
            core.hooks = {};
            core.settings.mapActive = [] { return true; };
            throw;
        }
        core.hooks = {};
        core.settings.mapActive = [] { return true; };
        if (refused)
            throw *refused;
        return arrayOf(errors.data(), {py::ssize_t(errors.size())});
    }

    void enhance(int steps, double radius)
    {
        BusyGuard guard(busy);
        useBoxes(radius, 0.2, 10);
        core.enhance(int(inRange(steps, 0, 1000000, "The number of steps")));
    }

    void resetWeights()
    {
        BusyGuard guard(busy);
        py::gil_scoped_release release;
        RandomScope random(seeding);
        core.resetWeights();
    }

    py::object winner(int region) const
    {
        const somatomap::Winner found = core.findWinner(
            int16_t(inRange(region, 0, somatomap::regionCount - 1, "The region")));
        if (!found.found)
            return py::none();
        return py::make_tuple(found.i, found.j);
    }
};

} // namespace

void addSomatomap(py::module_ &parent)
{
    py::module_ module = parent.def_submodule(
        "somatomap",
        "A self-organising map of 20 x 20 nodes that learns the layout of a hand.\n\n"
        "The hand has 24 regions: three fingers of six (0 to 17, fingertip first) and a palm of "
        "two rows of three (18 to 23). Each region has an input vector of 32 components, 0 or "
        "1; each node a weight vector of 32 components that sum to 4. Node (i, j), i and j "
        "from 1 to 20, is at index [i - 1, j - 1] of the arrays.");
    py::class_<SomatoMap> map(
        module, "Map",
        "The map as the window loads it: the regions encoded and random weights. The window "
        "re-seeds its generator from the clock; seed fixes that number (a window started with "
        "its clock frozen at seed seconds draws the same weights and runs).");
    map.def(py::init<std::optional<double>>(), py::arg("seed") = py::none());
    map.def_property(
        "similarity",
        [](const SomatoMap &self) {
            switch (self.similarity) {
            case somatomap::Similarity::NormalisedDotProduct:
                return "dot";
            case somatomap::Similarity::RadialBasis:
                return "radial";
            case somatomap::Similarity::None:
                break;
            }
            return "none";
        },
        [](SomatoMap &self, const std::string &name) {
            static const somatomap::Similarity chosen[]
                = {somatomap::Similarity::NormalisedDotProduct, somatomap::Similarity::RadialBasis,
                   somatomap::Similarity::None};
            self.similarity = chosen[choice(name, {"dot", "radial", "none"}, "similarity")];
        },
        "How a node's weights are compared with a region's input: 'dot' (the normalised dot "
        "product), 'radial' (radial basis) or 'none'.");
    map.def("touch", &SomatoMap::touch, py::arg("region"),
            "Touches a region (0 to 23) in isolation: the map responds (activation).");
    map.def("learn_stimulus", &SomatoMap::learnStimulus, py::kw_only(), py::arg("radius") = 3.0,
            py::arg("rate") = 0.2,
            "Learn Stimulus: one learning step on the region touched last, around its winner. "
            "False (nothing learnt) when no node responds to it.");
    map.def("learn_hand", &SomatoMap::learnHand, py::arg("trials") = 10, py::kw_only(),
            py::arg("radius") = 3.0, py::arg("rate") = 0.2, py::arg("map_active") = true,
            py::arg("on_step") = py::none(),
            "Map Whole Hand: every trial touches 24 regions drawn at random and learns each "
            "around its winner; the neighbourhood shrinks from radius to 0 over the trials. "
            "The window switches Map Active off for the run, so that nothing learns unless it "
            "is ticked again; map_active=False runs as that. on_step(trial, error), when "
            "given, is called after every trial; a true result ends the run as Abort does. "
            "Returns every trial's mean error per stimulus (float32).");
    map.def("enhance", &SomatoMap::enhance, py::arg("steps") = 1, py::kw_only(),
            py::arg("radius") = 3.0,
            "Stepwise Enhance: contrast enhancement of the activation with the bubble radius.");
    map.def("reset_weights", &SomatoMap::resetWeights, "Reset Weights: new random weights.");
    map.def("winner", &SomatoMap::winner, py::arg("region"),
            "The node (i, j) that answers a region best, or None when none responds.");
    map.def_property_readonly(
        "weights",
        [](const SomatoMap &self) {
            return arrayOf(self.core.map.smapWts[0][0].data(),
                           {mapSide, mapSide, somatomap::inputLength});
        },
        "A copy of the weights, (20, 20, 32) float32.");
    map.def_property_readonly(
        "activation",
        [](const SomatoMap &self) {
            return arrayOf(self.core.map.smapAct[0].data(), {mapSide, mapSide});
        },
        "A copy of the activation map, (20, 20) float32.");
    map.def_property_readonly(
        "inputs",
        [](const SomatoMap &self) {
            return arrayOf(self.core.map.ipVectors[0].data(),
                           {somatomap::regionCount, somatomap::inputLength});
        },
        "The regions' input vectors, (24, 32) int16.");
    addVariables(map);
}

} // namespace neurosims
