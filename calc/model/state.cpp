// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/state.h"

#include "calc/model/pattern_file.h"

#include "host/numbers/fault.h"
#include "host/numbers/round_trip_text.h"

#include <cmath>
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

[[noreturn]] void disagree(const std::string &why)
{
    throw host::Fault(host::Fault::Kind::Invalid, why);
}

const std::vector<double> &numbers(const host::SessionLookup &saved, const char *name)
{
    const host::StateValue *value = saved(name);
    const auto *found = value ? std::get_if<std::vector<double>>(value) : nullptr;
    if (!found)
        disagree(std::string("it holds no ") + name + ".");
    return *found;
}

} // namespace

void checkSavedNetwork(const Network &net, const host::SessionLookup &saved)
{
    const double inputs = numbers(saved, "nInputs").at(0);
    const double outputs = numbers(saved, "nOutputs").at(0);
    if (inputs != net.nInputs || outputs != net.nOutputs)
        disagree("it holds a network of " + std::to_string(int(inputs)) + " inputs and "
                 + std::to_string(int(outputs)) + " outputs, and this one has "
                 + std::to_string(net.nInputs) + " and " + std::to_string(net.nOutputs) + ".");
    const auto &inPatterns = numbers(saved, "inPatterns");
    const auto &targets = numbers(saved, "targets");
    const std::size_t slots = inPatterns.size() / UnitList().size();
    const double patterns = numbers(saved, "nPatterns").at(0);
    if (targets.size() != inPatterns.size() || double(slots) < std::ceil(patterns))
        disagree("its patterns and targets are not the " + host::roundTripText(patterns)
                 + " patterns it names.");
    for (double unit : inPatterns)
        if (unit > inputs)
            disagree("a pattern names input unit " + host::roundTripText(unit) + ".");
    for (double unit : targets)
        if (unit > outputs)
            disagree("a target names output unit " + host::roundTripText(unit) + ".");
    const auto &order = numbers(saved, "order");
    for (std::size_t h = 0; double(h) < patterns && h < order.size(); ++h)
        if (order[h] > double(slots))
            disagree("its order names pattern " + host::roundTripText(order[h]) + ".");
    if (numbers(saved, "shownPattern").at(0) > double(slots))
        disagree("the pattern shown is not one of its patterns.");
}

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
    // 0 until the first run sets the order.
    registry.add("order", net.order, host::withinRange("order", 0, maxPatterns));
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
