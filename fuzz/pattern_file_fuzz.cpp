// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads the input as a pattern file and, when it loads, learns one epoch on it as a run does
// (every pattern presented once in order, under the threshold rule for an input of even length
// and the sigmoid otherwise). What must hold: the loader either gives a network whose every
// pattern names only units it has, or refuses with a fault whose message names the file; and a
// step the network refuses leaves its weights as they were.

#include "calc/model/network.h"
#include "calc/model/pattern_file.h"
#include "host/numbers/fault.h"
#include "host/numbers/rounding.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

[[noreturn]] void broken(const std::string &what)
{
    std::fprintf(stderr, "pattern file: %s\n", what.c_str());
    std::abort();
}

const std::string &inputPath()
{
    static const std::string path = "/tmp/neurosims-fuzz-" + std::to_string(getpid()) + ".dat";
    static const bool removedAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

void checkUnits(const calc::UnitList &list, int count)
{
    for (int16_t unit : list) {
        if (unit == 0)
            return;
        if (unit < 1 || unit > count)
            broken("a loaded pattern names unit " + std::to_string(unit) + " of "
                   + std::to_string(count));
    }
}

// One presentation as a run makes it; a refused step must leave the weights alone.
void present(calc::Network &net, int16_t pattern, calc::OutputRule rule)
{
    net.curInput = net.inPatterns.at(size_t(pattern - 1));
    net.curTarget = net.targets.at(size_t(pattern - 1));
    const auto weights = net.weights;
    try {
        calc::computeNet(net);
        calc::applyActivation(net, rule);
        calc::computeErrors(net);
        calc::updateWeights(net);
    } catch (const host::Fault &) {
        if (net.weights != weights)
            broken("a refused step changed the weights");
        throw;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        std::ofstream file(inputPath(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), std::streamsize(size));
    }
    calc::Network net;
    try {
        net = calc::loadPatternFile(inputPath());
    } catch (const host::Fault &fault) {
        if (fault.kind() != host::Fault::Kind::File
            || std::string(fault.what()).find(inputPath()) == std::string::npos)
            broken(std::string("a refusal that does not name the file: ") + fault.what());
        return 0;
    }
    if (net.nPatterns < 1 || net.nPatterns > 16 || net.nInputs < 1 || net.nInputs > 7
        || net.nOutputs < 1 || net.nOutputs > 16)
        broken("a network of sizes out of range was loaded");
    for (const auto &list : net.inPatterns)
        checkUnits(list, net.nInputs);
    for (const auto &list : net.targets)
        checkUnits(list, net.nOutputs);

    const auto rule = size % 2 == 0 ? calc::OutputRule::Threshold : calc::OutputRule::Sigmoid;
    net.lrate = 0.25f;
    net.sumError = 0;
    for (int16_t i = 0; i < int16_t(net.order.size()); ++i)
        net.order[size_t(i)] = int16_t(i + 1);
    try {
        const int16_t presentations = host::nearestInt16(net.nPatterns);
        for (int h = 1; h <= presentations; ++h)
            present(net, net.order[size_t(h - 1)], rule);
    } catch (const host::Fault &) {
        // A refused step ends the epoch, as it ends a run.
    }
    return 0;
}
