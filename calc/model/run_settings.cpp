// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/run_settings.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <cmath>
#include <limits>
#include <string>

namespace calc {

namespace {

constexpr int defaultEpochs = 20;

} // namespace

RunSettings readRunSettings(std::string_view epochsText, std::string_view lrateText)
{
    double epochs = host::boxValOrInfinity(epochsText, {"number of epochs", "10000"});
    if (epochs == 0)
        epochs = defaultEpochs;
    // The range of a 16-bit count, halves rounding to the even neighbour.
    if (epochs < -32768.5)
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The number of epochs " + host::quotedText(epochsText)
                              + " is too far below 0: type a whole number of epochs from 1 to "
                                "32767.");
    if (!(epochs < 32767.5))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The number of epochs " + host::quotedText(epochsText)
                              + " is too large: a run has at most 32767 epochs.");
    RunSettings settings;
    settings.epochs = host::nearestInt16(epochs);
    settings.lrate = lrateFromText(lrateText);
    return settings;
}

float lrateFromText(std::string_view text)
{
    const double value = host::boxValOrInfinity(text, {"learning rate", "0.001"});
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The learning rate " + host::quotedText(text) + " is too large.");
    return float(value);
}

} // namespace calc
