// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/common.h"

#include "reach/model/reach_core.h"
#include "reach/model/state.h"

namespace neurosims {

namespace {

// The reach program's core as its window holds it, with the switches the window's check boxes
// and options give.
struct ReachModel
{
    reach::ReachCore core;
    host::StateRegistry state;
    reach::Switches switches;
    bool busy = false;

    ReachModel()
        : state(reach::stateRegistry(core))
    {
        core.startUp();
        core.cellResponse(switches);
    }

    void place(bool isTarget, double x, double y)
    {
        BusyGuard guard(busy);
        const float cornerX = finiteFloat(x, "x");
        const float cornerY = finiteFloat(y, "y");
        reach::checkShownPlace(x, y);
        core.placeThing(isTarget, cornerX, cornerY);
    }

    py::array_t<float> cellResponse()
    {
        BusyGuard guard(busy);
        core.cellResponse(switches);
        return arrayOf(core.model.cellResp.data(), {py::ssize_t(core.model.cellResp.size())});
    }

    py::array_t<float> reach(int speed, const py::object &onStep)
    {
        BusyGuard guard(busy);
        inRange(speed, 10, 40, "The speed");
        core.clearPath();
        reach::ReachCallbacks callbacks;
        bool stop = false;
        if (!onStep.is_none()) {
            callbacks.drawStep = [&] {
                py::gil_scoped_acquire acquire;
                stop = bool(py::bool_(onStep(core.model.handx, core.model.handy)));
            };
            callbacks.stopAsked = [&] { return stop; };
        }
        {
            py::gil_scoped_release release;
            core.reach(int16_t(speed), switches, callbacks);
        }
        std::vector<float> path;
        path.reserve(2 * core.handPath.size());
        for (const reach::PathPoint &point : core.handPath) {
            path.push_back(point.x);
            path.push_back(point.y);
        }
        core.clearPath();
        return arrayOf(path.data(), {py::ssize_t(path.size() / 2), 2});
    }

    void restart()
    {
        BusyGuard guard(busy);
        core.putHandAtOrigin();
        core.cellResponse(switches);
    }

    float number(const char *name) const { return py::cast<float>(stateValue(state, name)); }
    void setNumber(const char *name, double value)
    {
        BusyGuard guard(busy);
        writeNumber(state, name, finiteFloat(value, name));
    }
};

template <bool reach::Switches::*member>
void addSwitch(py::class_<ReachModel> &model, const char *name, const char *doc)
{
    model.def_property(
        name, [](const ReachModel &self) { return self.switches.*member; },
        [](ReachModel &self, bool on) { self.switches.*member = on; }, doc);
}

} // namespace

void addReach(py::module_ &parent)
{
    py::module_ module = parent.def_submodule(
        "reach",
        "Reaching guided by a population of direction-tuned cells.\n\n"
        "A hundred cells prefer directions from just above 0 to 3.147 radians. Each "
        "responds to the target's direction as seen from the hand, and, when asked, to "
        "the distractor's; the hand steps along the population vector until it reaches "
        "the target.");

    py::list presets;
    for (const reach::Corner &corner : reach::presets)
        presets.append(py::make_tuple(corner.x, corner.y));
    module.attr("PRESETS") = py::tuple(presets);

    py::class_<ReachModel> model(
        module, "Model",
        "The reach model as the window starts it: the hand at (0, 0), the target's corner at "
        "(20, 100) and the distractor's at (-20, 100), tuning width 5.0, attention and inhibition "
        "levels 1, the exponential tuning curve and every other switch off.\n\n"
        "Places are the top-left corners of the target and distractor pictures in display units "
        "(x from -100 to 100, y from -50 to 200); the point the cells see lies 2 units in from "
        "the corner. PRESETS holds the corners of the window's preset places: Near Right, Near "
        "Left, Far Right, Far Left.");
    model.def(py::init<>());
    addSwitch<&reach::Switches::exponential>(
        model, "exponential", "The exponential tuning curve (True) or the Gaussian one (False).");
    addSwitch<&reach::Switches::distanceDependent>(
        model, "distance_dependent",
        "Responses fall with distance, from 1 at the hand to 0.25 at 100 units and beyond.");
    addSwitch<&reach::Switches::respondToDistractor>(
        model, "respond_to_distractor", "The cells respond to the distractor as well.");
    addSwitch<&reach::Switches::suppressDistractor>(
        model, "suppress_distractor",
        "The distractor's part of each response is negated and scaled by the inhibition level.");
    addSwitch<&reach::Switches::lateralInhibition>(
        model, "lateral_inhibition", "One pass of lateral inhibition among the cells.");
    model.def_property(
        "tuning_width", [](const ReachModel &self) { return self.number("tuningWidth"); },
        [](ReachModel &self, double value) { self.setNumber("tuningWidth", value); },
        "How sharply the cells are tuned, from 0.2 to 20 (the window's slider / 5).");
    model.def_property(
        "attention", [](const ReachModel &self) { return self.number("attnBoost"); },
        [](ReachModel &self, double value) { self.setNumber("attnBoost", value); },
        "The attention boost of the target's part of each response, from 1 to 2.");
    model.def_property(
        "inhibition", [](const ReachModel &self) { return self.number("inhibLevel"); },
        [](ReachModel &self, double value) { self.setNumber("inhibLevel", value); },
        "How strongly a suppressed distractor inhibits, from 0 to 1.");
    model.def_property_readonly(
        "hand",
        [](const ReachModel &self) {
            return py::make_tuple(self.core.model.handx, self.core.model.handy);
        },
        "Where the hand is, (x, y).");
    model.def_property_readonly(
        "target",
        [](const ReachModel &self) {
            return py::make_tuple(self.core.model.targetx, self.core.model.targety);
        },
        "The target's point, 2 units in from its picture's corner.");
    model.def_property_readonly(
        "distractor",
        [](const ReachModel &self) {
            return py::make_tuple(self.core.model.distractorx, self.core.model.distractory);
        },
        "The distractor's point, 2 units in from its picture's corner.");
    model.def(
        "place_target", [](ReachModel &self, double x, double y) { self.place(true, x, y); },
        py::arg("x"), py::arg("y"),
        "Puts the target picture's top-left corner at (x, y). A place the window's hand "
        "display could not draw (about 2.3 million units out) is refused with a ValueError, as "
        "the window refuses it.");
    model.def(
        "place_distractor", [](ReachModel &self, double x, double y) { self.place(false, x, y); },
        py::arg("x"), py::arg("y"),
        "Puts the distractor picture's top-left corner at (x, y), refused as "
        "place_target refuses.");
    model.def("cell_response", &ReachModel::cellResponse,
              "The cells' responses to the target (and distractor) from where the hand is now, "
              "a float32 array of 100, cell 1 first.");
    model.def(
        "resultant",
        [](ReachModel &self) {
            BusyGuard guard(self.busy);
            return reach::resultant(self.core.model);
        },
        "The direction of the population vector of the latest responses, in radians.");
    model.def("reach", &ReachModel::reach, py::arg("speed") = 20, py::arg("on_step") = py::none(),
              "One reach from where the hand is, as REACH makes it: step after step along the "
              "population vector until the hand is within 2 units of the target (and one step "
              "more) or has risen 10 units above it. speed is the speed slider's value, 10 to "
              "40 (step length speed / 10, rounded). Returns the path as an (n, 2) float32 "
              "array, the start first, and leaves the hand at its end. on_step(x, y), when "
              "given, is called after every step; a true result stops the reach there. A reach "
              "that has not arrived after 10000 steps stops with a ValueError.");
    model.def("restart", &ReachModel::restart,
              "RESTART: the hand back to (0, 0) and the cells' responses from there.");
    addVariables(model);
}

} // namespace neurosims
