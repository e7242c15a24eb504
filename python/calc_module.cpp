// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/common.h"

#include "calc/model/core.h"
#include "calc/model/pattern_file.h"
#include "calc/model/state.h"

#include <pybind11/stl.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace neurosims {

namespace {

// Where a pattern file is looked for when none is named: the current folder, as the program
// looks first; then, as the program looks beside itself, share/neurosims/calc of the prefix
// the module is installed under (lib/python3/dist-packages), wherever the package is unpacked;
// and for the module of the build folder, the source tree's.
std::string defaultPatternFile()
{
    namespace fs = std::filesystem;
    const fs::path module = py::module_::import("neurosims").attr("__file__").cast<std::string>();
    std::vector<fs::path> places {calc::patternFileName,
                                  module.parent_path() / "../../../share/neurosims/calc"
                                      / calc::patternFileName};
    std::error_code unknown;
    if (fs::equivalent(module.parent_path(), NEUROSIMS_BUILD_MODULE_DIR, unknown))
        places.emplace_back(NEUROSIMS_CALC_SOURCE_PATTERNS);
    for (const fs::path &path : places)
        if (fs::is_regular_file(path))
            return path.lexically_normal().string();
    return calc::patternFileName;
}

struct CalcNetwork
{
    calc::Core core;
    host::StateRegistry state;
    Seeding seeding;
    bool busy = false;

    explicit CalcNetwork(const std::optional<std::string> &path)
        : state(calc::stateRegistry(core))
    {
        core.load(path.value_or(defaultPatternFile()));
    }

    void setRule(const std::string &rule)
    {
        core.options.rule = choice(rule, {"threshold", "sigmoid"}, "rule") == 0
            ? calc::OutputRule::Threshold
            : calc::OutputRule::Sigmoid;
    }
    std::string rule() const
    {
        return core.options.rule == calc::OutputRule::Threshold ? "threshold" : "sigmoid";
    }
    void setOrder(const std::string &order)
    {
        core.options.randomOrder = choice(order, {"fixed", "random"}, "order") == 1;
    }

    // LEARN (fresh) or ReStart: the per-epoch sum errors.
    py::array_t<float> learn(bool fresh, int epochs, double rate,
                             const std::optional<std::string> &rule,
                             const std::optional<std::string> &order, std::optional<double> seed,
                             const py::object &onStep)
    {
        BusyGuard guard(busy);
        inRange(epochs, 1, 32767, "The number of epochs");
        const std::string rateText = numberText(finiteFloat(rate, "The learning rate"));
        if (rule)
            setRule(*rule);
        if (order)
            setOrder(*order);
        if (seed)
            seeding = {seed};
        std::vector<float> errors;
        calc::RunCallbacks callbacks;
        bool stop = false;
        callbacks.epochEnded = [&](float sumError) {
            errors.push_back(sumError);
            if (!onStep.is_none()) {
                py::gil_scoped_acquire acquire;
                stop = bool(py::bool_(onStep(int(errors.size()), sumError)));
            }
        };
        callbacks.stopAsked = [&] { return stop; };
        try {
            py::gil_scoped_release release;
            RandomScope random(seeding);
            const std::string epochsText = std::to_string(epochs);
            if (fresh)
                core.learn(epochsText, rateText, callbacks);
            else
                core.restart(epochsText, rateText, callbacks);
        } catch (...) {
            core.halt();
            throw;
        }
        core.halt();
        return arrayOf(errors.data(), {py::ssize_t(errors.size())});
    }

    py::array_t<float> test(int numeral)
    {
        BusyGuard guard(busy);
        core.chooseNumeral(int16_t(inRange(numeral, 0, 15, "The numeral")));
        core.testShownNumeral();
        return units(core.net.outputs);
    }

    static py::array_t<float> units(const std::vector<float> &values)
    {
        return arrayOf(values.data(), {py::ssize_t(values.size())});
    }

    py::array_t<float> weights() const
    {
        const calc::Network &net = core.net;
        py::array_t<float> array({py::ssize_t(net.nOutputs), py::ssize_t(net.nInputs)});
        float *out = array.mutable_data();
        for (const std::vector<float> &row : net.weights)
            out = std::copy(row.begin(), row.end(), out);
        return array;
    }
};

} // namespace

void addCalc(py::module_ &parent)
{
    py::module_ module = parent.def_submodule(
        "calc",
        "A one-layer network that learns to name the numerals of a seven-segment display.\n\n"
        "Every output unit k sums the weights from the active segments j, net(k), and "
        "answers out(k) = 1 when net(k) > 1 (threshold) or 1 / (1 + e^(-10 (net(k) - "
        "0.5))) (sigmoid); the delta rule then adds rate * (target(k) - out(k)) to each "
        "of those weights.");
    py::class_<CalcNetwork> network(
        module, "Network",
        "The network of a pattern file, with every weight 0. Without a path, calc2.dat is "
        "looked for as the program looks for it: in the current folder first.\n\n"
        "Output units, and the rows of weights, count the numerals 1, 2, ..., 9, 0, A, b, C, d, "
        "E, F; the columns of weights are the input segments.");
    network.def(py::init<const std::optional<std::string> &>(), py::arg("path") = py::none());
    network.def_static(
        "from_file", [](const std::optional<std::string> &path) { return new CalcNetwork(path); },
        py::arg("path") = py::none(), "The network of a pattern file (see Network).");
    const char *learnDoc
        = "LEARN: from zero weights, up to epochs presentations of every pattern, ending at the "
          "first epoch without an error. rule ('threshold' or 'sigmoid') and order ('fixed' or "
          "'random', reshuffled every epoch) stay for later calls when given. seed fixes the "
          "number the window re-seeds its shuffle with from the clock, so that a random order "
          "repeats. on_step(epoch, sum_error), when given, is called after every epoch; a true "
          "result stops the run there. Returns every epoch's sum of |error| (float32).";
    network.def(
        "learn",
        [](CalcNetwork &self, int epochs, double rate, std::optional<std::string> rule,
           std::optional<std::string> order, std::optional<double> seed,
           py::object onStep) { return self.learn(true, epochs, rate, rule, order, seed, onStep); },
        py::arg("epochs") = 20, py::kw_only(), py::arg("rate") = 0.05, py::arg("rule") = py::none(),
        py::arg("order") = py::none(), py::arg("seed") = py::none(),
        py::arg("on_step") = py::none(), learnDoc);
    network.def(
        "restart",
        [](CalcNetwork &self, int epochs, double rate, std::optional<std::string> rule,
           std::optional<std::string> order, std::optional<double> seed, py::object onStep) {
            return self.learn(false, epochs, rate, rule, order, seed, onStep);
        },
        py::arg("epochs") = 20, py::kw_only(), py::arg("rate") = 0.05, py::arg("rule") = py::none(),
        py::arg("order") = py::none(), py::arg("seed") = py::none(),
        py::arg("on_step") = py::none(), "ReStart: as learn, from the current weights.");
    network.def("test", &CalcNetwork::test, py::arg("numeral"),
                "Presents the pattern of a numeral (0 to 15) without learning; returns the "
                "outputs (float32), one per output unit.");
    network.def_property("rule", &CalcNetwork::rule, &CalcNetwork::setRule,
                         "How outputs are computed: 'threshold' or 'sigmoid'.");
    network.def_property_readonly("weights", &CalcNetwork::weights,
                                  "A copy of the weights, (outputs, inputs) float32.");
    network.def_property_readonly(
        "outputs",
        [](const CalcNetwork &self) { return CalcNetwork::units(self.core.net.outputs); },
        "The outputs of the latest presentation or test.");
    network.def_property_readonly(
        "net_inputs",
        [](const CalcNetwork &self) { return CalcNetwork::units(self.core.net.netInputs); },
        "The net inputs of the latest presentation or test.");
    addVariables(network);
}

} // namespace neurosims
