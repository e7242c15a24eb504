// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/fault.h"
#include "host/numbers/state_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

namespace {

struct Model
{
    float rate = 0.1f;
    int16_t steps = 3;
    bool running = false;
    std::array<std::array<float, 3>, 2> weights {{{1, 2, 3}, {4, 5, -0.f}}};
    std::vector<std::array<int16_t, 2>> history {{1, 2}};
};

host::StateRegistry registryOf(Model &model)
{
    host::StateRegistry registry;
    registry.add("rate", model.rate, [](const std::vector<double> &v) {
        if (v[0] <= 0)
            throw host::Fault(host::Fault::Kind::Invalid, "The rate must be above 0.");
    });
    registry.add("steps", model.steps);
    registry.add("running", model.running);
    registry.add("weights", model.weights);
    registry.add("history", model.history);
    registry.addDerived("total", model.steps);
    return registry;
}

TEST(StateRegistry, ReadsEveryPieceAsVarPrintsIt)
{
    Model model;
    const host::StateRegistry registry = registryOf(model);
    EXPECT_EQ(stateText(*registry.find("rate")), "0.1");
    EXPECT_EQ(stateText(*registry.find("running")), "false");
    EXPECT_EQ(stateText(*registry.find("weights")), "1 2 3 4 5 -0");
    EXPECT_EQ(registry.find("weights")->shape, (std::vector<std::size_t> {2, 3}));
    EXPECT_EQ(registry.find("history")->shape, (std::vector<std::size_t> {0, 2}));
    EXPECT_EQ(registry.find("nothing"), nullptr);
}

TEST(StateRegistry, WritesExactlyAndGrowsAHistory)
{
    Model model;
    const host::StateRegistry registry = registryOf(model);
    registry.write({{"rate", std::vector<double> {double(0.3f)}},
                    {"history", std::vector<double> {5, 6, 7, 8}},
                    {"running", std::vector<double> {1}}});
    EXPECT_EQ(model.rate, 0.3f);
    EXPECT_TRUE(model.running);
    ASSERT_EQ(model.history.size(), 2u);
    EXPECT_EQ(model.history[1][1], 8);
}

// Any refused value leaves every piece as it was, the pieces before it included.
TEST(StateRegistry, RefusesBadValuesWithoutWritingAny)
{
    const std::vector<std::pair<std::string, host::StateValue>> bad[] = {
        {{"steps", std::vector<double> {40000}}},
        {{"steps", std::vector<double> {1.5}}},
        {{"rate", std::vector<double> {0.1}}}, // no float has this value
        {{"rate", std::vector<double> {-1}}}, // the piece's own check
        {{"rate", std::vector<double> {1e300}}},
        {{"running", std::vector<double> {2}}},
        {{"weights", std::vector<double> {1, 2, 3}}},
        {{"history", std::vector<double> {1, 2, 3}}},
        {{"weights", std::string("1 2")}},
        {{"total", std::vector<double> {1}}},
        {{"unknown", std::vector<double> {1}}},
    };
    for (const auto &values : bad) {
        Model model;
        const host::StateRegistry registry = registryOf(model);
        auto withGoodFirst = values;
        withGoodFirst.insert(withGoodFirst.begin(), {"steps", std::vector<double> {9}});
        EXPECT_THROW(registry.write(withGoodFirst), host::Fault) << values[0].first;
        EXPECT_EQ(model.steps, 3) << values[0].first;
        EXPECT_EQ(model.rate, 0.1f);
    }
}

// A range open at its top still names itself when it refuses, rather than failing to.
TEST(StateRegistry, RangeOpenAtOneEndRefusesWithAMessage)
{
    std::array<float, 2> weights {1, 2};
    host::StateRegistry registry;
    registry.add("weights", weights,
                 host::withinRange("weights", 0, std::numeric_limits<double>::infinity()));
    try {
        registry.write({{"weights", std::vector<double> {3, -1}}});
        FAIL() << "a negative weight was taken";
    } catch (const host::Fault &fault) {
        EXPECT_STREQ(fault.what(),
                     "The value of weights was refused: it holds -1, outside 0 to "
                     "infinity.");
    }
    EXPECT_EQ(weights[0], 1);
}

} // namespace
