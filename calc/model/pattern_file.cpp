// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/model/pattern_file.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"
#include "host/numbers/text_file.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

namespace {

std::string_view trimmedBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class PatternFileReader
{
public:
    explicit PatternFileReader(const std::string &path)
        : m_file(path)
    {
    }

    [[noreturn]] void fail(int line, const std::string &problem) const
    {
        throw host::Fault(host::Fault::Kind::File,
                          "The pattern file \"" + m_file.path() + "\", line " + std::to_string(line)
                              + ": " + problem);
    }

    [[noreturn]] void failHere(const std::string &problem) const
    {
        fail(m_file.lineNumber(), problem);
    }

    std::string nextLine(const std::string &expected)
    {
        std::optional<std::string> line = m_file.readLine();
        if (!line)
            fail(m_file.lineNumber() + 1,
                 "The file ends here, but " + expected + " should follow.");
        return *line;
    }

    // The leading number of a size line.
    double leadingNumber(const std::string &line)
    {
        try {
            return host::leadingNumber(line);
        } catch (const host::Fault &) {
            failHere("This line starts with a number too large to read: " + host::quotedText(line)
                     + ".");
        }
    }

    // A size line: its leading number rounded to the nearest integer, within 1..max.
    int16_t size(const std::string &what, int max)
    {
        const double value = leadingNumber(nextLine("the number of " + what));
        // The range test before the rounding keeps huge numbers from overflowing it.
        const int16_t rounded = value >= 0.5 && value <= max + 0.5 ? host::nearestInt16(value) : 0;
        if (rounded < 1 || rounded > max)
            failHere("The number of " + what + " must lie between 1 and " + std::to_string(max)
                     + "; this line reads as " + host::doubleText(value) + ".");
        return rounded;
    }

    UnitList list(std::string_view text)
    {
        try {
            return strToArray(text);
        } catch (const host::Fault &fault) {
            failHere(fault.what());
        }
    }

    // Every unit named before the first 0 must exist in the network.
    void checkUnits(const UnitList &list, int count, const char *part)
    {
        for (int16_t unit : list) {
            if (unit == 0)
                return;
            if (unit < 1 || unit > count)
                failHere(std::string("The ") + part + " unit " + std::to_string(unit)
                         + " does not exist: the " + part + " units are 1 to "
                         + std::to_string(count) + ".");
        }
    }

private:
    host::TextFileReader m_file;
};

} // namespace

Network loadPatternFile(const std::string &path)
{
    PatternFileReader file(path);
    Network net;

    net.nPatterns = file.leadingNumber(file.nextLine("the number of patterns"));
    if (!(net.nPatterns >= 1 && net.nPatterns <= maxPatterns))
        file.failHere("The number of patterns must lie between 1 and " + std::to_string(maxPatterns)
                      + "; this line reads as " + host::doubleText(net.nPatterns) + ".");
    net.nInputs = file.size("input units", maxInputs);
    net.nOutputs = file.size("output units", maxOutputs);

    const size_t slots = size_t(host::nearestInt32(net.nPatterns));
    net.inPatterns.assign(slots, UnitList {});
    net.targets.assign(slots, UnitList {});
    for (int p = 1; p <= net.nPatterns; ++p) {
        const std::string line = file.nextLine("pattern " + std::to_string(p));
        const size_t comma = line.find(',');
        if (comma == std::string::npos)
            file.failHere("The pattern has no comma between its input units and its target units.");

        const UnitList input = file.list(std::string_view(line).substr(0, comma));
        if (std::find(input.begin(), input.end(), 0) == input.end())
            file.failHere("The input part names ten units; an input list holds at most nine.");
        file.checkUnits(input, net.nInputs, "input");

        const UnitList target = file.list(trimmedBlanks(std::string_view(line).substr(comma + 1)));
        file.checkUnits(target, net.nOutputs, "output");

        net.inPatterns[size_t(p - 1)] = input;
        net.targets[size_t(p - 1)] = target;
    }

    clearWeights(net);
    clearUnits(net);
    return net;
}

} // namespace calc
