// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/core.h"
#include "calc/model/state.h"
#include "host/numbers/fault.h"
#include "host/numbers/round_trip_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using calc::Core;
using calc::OutputRule;
using calc::RunCallbacks;

// The core with the shipped patterns, and what its runs report.
struct Runs
{
    Runs()
    {
        core.load(CALC_DATA_FILE);
        callbacks.epochStarted = [this](int epoch) { lastEpoch = epoch; };
        callbacks.epochEnded = [this](float sumError) { sums.push_back(sumError); };
        callbacks.learned = [this] { ++learned; };
    }
    std::string var(const char *name) { return host::stateText(*registry.find(name)); }

    Core core;
    host::StateRegistry registry = calc::stateRegistry(core);
    RunCallbacks callbacks;
    int lastEpoch = 0;
    std::vector<float> sums;
    int learned = 0;
};

TEST(CalcCore, ThresholdRunLearnsEveryNumeralAtTheSixteenthEpoch)
{
    Runs runs;
    runs.core.learn("20", "0.05", runs.callbacks);
    EXPECT_EQ(runs.lastEpoch, 16);
    EXPECT_EQ(runs.learned, 1);
    EXPECT_EQ(runs.sums.back(), 0.0f);
    EXPECT_EQ(runs.var("running"), "true") << "a learned run stays running, as the form shows";
    EXPECT_EQ(runs.var("order"), "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");
    for (int16_t numeral = 0; numeral < 16; ++numeral) {
        const int16_t pattern = runs.core.chooseNumeral(numeral);
        ASSERT_TRUE(runs.core.testShownNumeral());
        for (int k = 1; k <= 16; ++k)
            EXPECT_EQ(runs.core.net.outputs[size_t(k - 1)], k == pattern ? 1.0f : 0.0f)
                << "numeral " << numeral << ", unit " << k;
    }
}

TEST(CalcCore, SigmoidRunUsesAllItsEpochs)
{
    Runs runs;
    runs.core.options.rule = OutputRule::Sigmoid;
    runs.core.learn("30", "0.05", runs.callbacks);
    EXPECT_EQ(runs.lastEpoch, 30);
    EXPECT_EQ(runs.learned, 0);
    EXPECT_EQ(runs.var("sumError"), "12.092919");
    EXPECT_EQ(runs.var("outputs"),
              "1.1423247e-06 0.0136051485 7.055628e-05 0.0024467711 0.0038688479 0.077719495 "
              "0.0005538337 0.044156577 0.0035938032 0.0004858602 0.25383 0.0054956586 "
              "0.01206784 0.00017382194 0.17945488 0.81953686");
}

// Stopped after two epochs, ReStart goes on from the weights reached: in order, the run ends
// with the weights of a run never stopped, after as many epochs in all.
TEST(CalcCore, StopThenRestartContinuesFromTheWeightsReached)
{
    Runs whole;
    whole.core.learn("20", "0.05", whole.callbacks);

    Runs stopped;
    stopped.callbacks.stopAsked = [&stopped] { return stopped.lastEpoch == 2; };
    stopped.core.learn("20", "0.05", stopped.callbacks);
    EXPECT_EQ(stopped.var("running"), "false");
    stopped.callbacks.stopAsked = {};
    stopped.core.restart("20", "0.05", stopped.callbacks);
    EXPECT_EQ(stopped.lastEpoch, 14);
    EXPECT_EQ(stopped.var("weights"), whole.var("weights"));

    const int before = stopped.lastEpoch;
    stopped.core.restart("20", "0.05", stopped.callbacks);
    EXPECT_EQ(stopped.lastEpoch, before) << "ReStart is refused while running";
}

TEST(CalcCore, FaultsOfTheBoxesChangeNothingAndAFaultingStepEndsTheRun)
{
    Runs runs;
    runs.core.learn("3", "0.05", runs.callbacks);
    const std::string weights = runs.var("weights");
    bool started = false;
    runs.callbacks.started = [&started](bool) { started = true; };
    EXPECT_THROW(runs.core.learn("40000", "0.05", runs.callbacks), host::Fault);
    EXPECT_THROW(runs.core.learn("20", std::string(60, '9'), runs.callbacks), host::Fault);
    EXPECT_FALSE(started);
    EXPECT_EQ(runs.var("weights"), weights);

    runs.core.options.rule = OutputRule::Sigmoid;
    EXPECT_THROW(runs.core.learn("7", "300000000000000000000000000000000000000", runs.callbacks),
                 host::Fault);
    EXPECT_EQ(runs.var("running"), "false") << "ReStart works again";
}

TEST(CalcCore, RegistryDeclaresEveryPieceOnceAndRefusesWhatTheProgramCannotHold)
{
    Runs runs;
    std::vector<std::string> names;
    for (const host::StateEntry &entry : runs.registry.entries())
        names.push_back(entry.name);
    EXPECT_EQ(names,
              (std::vector<std::string> {"weights", "outputs", "netInputs", "errors", "sumError",
                                         "lrate", "order", "nPatterns", "nInputs", "nOutputs",
                                         "nActiveInputs", "running", "displayLearning",
                                         "learnSlowly", "shownNumeral", "shownPattern"}));
    EXPECT_THROW(runs.registry.write({{"shownNumeral", std::vector<double> {16}}}), host::Fault);
    EXPECT_THROW(runs.registry.write({{"weights", std::vector<double>(111, 0.0)}}), host::Fault);
    std::vector<double> weights(112, 0.0);
    weights[2] = 0.5;
    runs.registry.write({{"weights", weights}});
    EXPECT_EQ(runs.core.net.weights[0][2], 0.5f);
}

} // namespace

namespace {

// A saved network that does not fit the window's is refused before anything is written: one
// of another size, a pattern naming a unit the network lacks.
TEST(CalcCore, ASessionOfAnotherNetworkIsRefused)
{
    Runs runs;
    host::StateRegistry patterns;
    patterns.add("inPatterns", runs.core.net.inPatterns);
    patterns.add("targets", runs.core.net.targets);
    const std::vector<host::SessionSection> sections {{"state", &runs.registry},
                                                      {"displays", &patterns}};
    const host::SessionCheck together = [&runs](const host::SessionLookup &saved) {
        calc::checkSavedNetwork(runs.core.net, saved);
    };
    const std::string good = host::sessionText("calc", sections);
    EXPECT_NO_THROW(host::readSession(good, "calc", sections, together));
    for (const auto &[from, to, says] :
         {std::tuple {"\"nInputs\": 7", "\"nInputs\": 6", "6 inputs and 16 outputs"},
          std::tuple {"\"inPatterns\": [3,", "\"inPatterns\": [8,", "input unit 8"}}) {
        std::string text = good;
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, std::string(from).size(), to);
        try {
            host::readSession(text, "calc", sections, together);
            ADD_FAILURE() << to << " was accepted";
        } catch (const host::Fault &fault) {
            EXPECT_NE(std::string(fault.what()).find(says), std::string::npos) << fault.what();
        }
    }
}

} // namespace
