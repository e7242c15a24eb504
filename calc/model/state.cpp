// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/state.h"

#include "calc/model/pattern_file.h"

#include <string>
#include <vector>

namespace calc {

namespace {

// The weights, one row of nInputs per output unit: written whole, as many as the network has.
host::StateEntry weightsEntry(Network &net)
{
    host::StateEntry entry;
    entry.name = "weights";
    entry.type = host::StateType::float32;
    entry.shape = {0, 0};
    entry.read = [&net] {
        std::vector<double> numbers;
        for (const std::vector<float> &row : net.weights)
            numbers.insert(numbers.end(), row.begin(), row.end());
        return host::StateValue(std::move(numbers));
    };
    entry.check = [&net](const host::StateValue &value) {
        const size_t count = size_t(net.nOutputs) * size_t(net.nInputs);
        host::checkedNumbers("weights", host::StateType::float32, value, count);
    };
    entry.write = [&net](const host::StateValue &value) {
        const auto &numbers = std::get<std::vector<double>>(value);
        clearWeights(net);
        for (size_t i = 0; i < numbers.size(); ++i)
            net.weights[i / size_t(net.nInputs)][i % size_t(net.nInputs)] = float(numbers[i]);
    };
    return entry;
}

} // namespace

host::StateRegistry stateRegistry(Core &core)
{
    Network &net = core.net;
    RunState &run = core.run;
    host::StateRegistry registry;
    registry.add(weightsEntry(net));
    registry.add("outputs", net.outputs);
    registry.add("netInputs", net.netInputs);
    registry.add("errors", net.errors);
    registry.add("sumError", net.sumError);
    registry.add("lrate", net.lrate);
    registry.add("order", net.order, host::withinRange("order", 1, maxPatterns));
    registry.add("nPatterns", net.nPatterns, host::withinRange("nPatterns", 1, maxPatterns));
    registry.add("nInputs", net.nInputs, host::withinRange("nInputs", 1, maxInputs));
    registry.add("nOutputs", net.nOutputs, host::withinRange("nOutputs", 1, maxOutputs));
    registry.add("nActiveInputs", net.nActiveInputs,
                 host::withinRange("nActiveInputs", 0, double(net.curInput.size())));
    registry.add("running", run.running);
    registry.add("displayLearning", run.displayLearning);
    registry.add("learnSlowly", run.learnSlowly);
    registry.add("shownNumeral", run.shownNumeral, host::withinRange("shownNumeral", 0, 15));
    registry.add("shownPattern", run.shownPattern,
                 host::withinRange("shownPattern", 0, maxPatterns));
    return registry;
}

} // namespace calc
