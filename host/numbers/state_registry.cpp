// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/state_registry.h"

#include "host/numbers/fault.h"
#include "host/numbers/round_trip_text.h"

#include <cmath>
#include <limits>

namespace host {

namespace {

[[noreturn]] void refuse(const std::string &name, const std::string &why)
{
    throw Fault(Fault::Kind::Invalid, "The value of " + name + " was refused: " + why + ".");
}

// A range may be open at either end, and no text reads back as infinity, so a bound is
// named in words where it is infinite.
std::string boundText(double bound)
{
    if (std::isinf(bound))
        return bound < 0 ? "minus infinity" : "infinity";
    return roundTripText(bound);
}

} // namespace

namespace stateDetail {

void checkNumbers(const std::string &name, StateType type, const std::vector<double> &numbers)
{
    for (double number : numbers) {
        if (!std::isfinite(number))
            refuse(name, "it holds a value that is not a finite number");
        switch (type) {
        case StateType::float32:
            if (std::abs(number) > std::numeric_limits<float>::max()
                || double(float(number)) != number)
                refuse(name, "it holds " + roundTripText(number) + ", which is no 32-bit float");
            break;
        case StateType::int16:
        case StateType::int32: {
            const double low = type == StateType::int16 ? -32768.0 : -2147483648.0;
            const double high = type == StateType::int16 ? 32767.0 : 2147483647.0;
            if (number != std::trunc(number) || number < low || number > high)
                refuse(name,
                       "it holds " + roundTripText(number) + ", which is no whole number from "
                           + roundTripText(low) + " to " + roundTripText(high));
            break;
        }
        case StateType::boolean:
            if (number != 0 && number != 1)
                refuse(name, "it holds " + roundTripText(number) + " where 0 or 1 belongs");
            break;
        case StateType::float64:
        case StateType::text:
            break;
        }
    }
}

const std::vector<double> &numbersOf(const std::string &name, const StateValue &value,
                                     std::size_t count, bool multiple)
{
    const auto *numbers = std::get_if<std::vector<double>>(&value);
    if (!numbers)
        refuse(name, "it is a text where numbers belong");
    if (multiple ? numbers->size() % count != 0 : numbers->size() != count)
        refuse(name,
               "it has " + std::to_string(numbers->size()) + " values where "
                   + (multiple ? "a multiple of " : "") + std::to_string(count) + " belong");
    return *numbers;
}

} // namespace stateDetail

std::function<void(const std::vector<double> &)> withinRange(std::string name, double low,
                                                             double high)
{
    return [name = std::move(name), low, high](const std::vector<double> &numbers) {
        for (double number : numbers)
            if (number < low || number > high)
                refuse(name,
                       "it holds " + roundTripText(number) + ", outside " + boundText(low) + " to "
                           + boundText(high));
    };
}

const std::vector<double> &checkedNumbers(const std::string &name, StateType type,
                                          const StateValue &value, std::size_t count, bool multiple)
{
    const auto &numbers = stateDetail::numbersOf(name, value, count, multiple);
    stateDetail::checkNumbers(name, type, numbers);
    return numbers;
}

std::string stateText(const StateEntry &entry)
{
    const StateValue value = entry.read();
    if (const auto *text = std::get_if<std::string>(&value))
        return *text;
    std::string text;
    for (double number : std::get<std::vector<double>>(value)) {
        if (!text.empty())
            text += ' ';
        switch (entry.type) {
        case StateType::float32:
            text += roundTripText(float(number));
            break;
        case StateType::boolean:
            text += roundTripText(number != 0);
            break;
        case StateType::int16:
        case StateType::int32:
            text += roundTripText(int32_t(number));
            break;
        case StateType::float64:
        case StateType::text:
            text += roundTripText(number);
            break;
        }
    }
    return text;
}

void StateRegistry::add(StateEntry entry) { m_entries.push_back(std::move(entry)); }

const StateEntry *StateRegistry::find(std::string_view name) const
{
    for (const StateEntry &entry : m_entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

void StateRegistry::write(const std::vector<std::pair<std::string, StateValue>> &values) const
{
    std::vector<const StateEntry *> targets;
    for (const auto &[name, value] : values) {
        const StateEntry *entry = find(name);
        if (!entry)
            throw Fault(Fault::Kind::Invalid, "There is no state named " + name + ".");
        if (!entry->write)
            refuse(name, "it is worked out from other values and cannot be set");
        if (entry->check)
            entry->check(value);
        targets.push_back(entry);
    }
    for (std::size_t i = 0; i < targets.size(); ++i)
        targets[i]->write(values[i].second);
}

} // namespace host
