// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "python/common.h"

#include "host/numbers/clock.h"
#include "host/numbers/round_trip_text.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace neurosims {

namespace {

std::mutex &randomMutex()
{
    static std::mutex mutex;
    return mutex;
}

const host::StateEntry &entryNamed(const host::StateRegistry &registry, const std::string &name)
{
    const host::StateEntry *entry = registry.find(name);
    if (!entry)
        throw py::value_error("There is no variable named " + name + ".");
    return *entry;
}

template <typename T>
py::object numbersAs(const std::vector<double> &numbers, const std::vector<py::ssize_t> &shape)
{
    // A single value is a numpy scalar of its type.
    py::array_t<T> array(shape.empty() ? std::vector<py::ssize_t> {1} : shape);
    T *out = array.mutable_data();
    for (std::size_t i = 0; i < numbers.size(); ++i)
        out[i] = T(numbers[i]);
    if (shape.empty())
        return array[py::int_(0)];
    return array;
}

} // namespace

RandomScope::RandomScope(Seeding &seeding)
    : m_lock(randomMutex())
    , m_seeding(seeding)
{
    if (m_seeding.seed) {
        host::setRandomState(m_seeding.state);
        host::fixSeed(m_seeding.seed);
    }
}

RandomScope::~RandomScope()
{
    if (m_seeding.seed) {
        m_seeding.state = host::randomState();
        host::fixSeed(std::nullopt);
    }
}

BusyGuard::BusyGuard(bool &busy)
    : m_busy(busy)
{
    if (busy)
        throw py::value_error("The object is busy with another call; wait until it returns.");
    busy = true;
}

py::object stateValue(const host::StateRegistry &registry, const std::string &name)
{
    const host::StateEntry &entry = entryNamed(registry, name);
    const host::StateValue value = entry.read();
    if (const auto *text = std::get_if<std::string>(&value))
        return py::str(*text);
    const auto &numbers = std::get<std::vector<double>>(value);
    // A piece whose count varies has the extent 0 outermost: it is what the values fill.
    // A piece whose inner extents vary too is given flat.
    std::vector<py::ssize_t> shape(entry.shape.begin(), entry.shape.end());
    if (!shape.empty() && shape[0] == 0) {
        const py::ssize_t inner = std::accumulate(shape.begin() + 1, shape.end(), py::ssize_t(1),
                                                  std::multiplies<py::ssize_t>());
        if (inner > 0)
            shape[0] = py::ssize_t(numbers.size()) / inner;
        else
            shape = {py::ssize_t(numbers.size())};
    }
    switch (entry.type) {
    case host::StateType::float32:
        return numbersAs<float>(numbers, shape);
    case host::StateType::float64:
        return numbersAs<double>(numbers, shape);
    case host::StateType::int16:
        return numbersAs<int16_t>(numbers, shape);
    case host::StateType::int32:
        return numbersAs<int32_t>(numbers, shape);
    case host::StateType::boolean:
        return numbersAs<bool>(numbers, shape);
    case host::StateType::text:
        break;
    }
    return py::none();
}

std::string stateText(const host::StateRegistry &registry, const std::string &name)
{
    return host::stateText(entryNamed(registry, name));
}

void writeNumber(const host::StateRegistry &registry, const std::string &name, double value)
{
    registry.write({{name, host::StateValue(std::vector<double> {value})}});
}

double finite(double value, const char *what)
{
    if (std::isnan(value))
        throw py::value_error(std::string(what) + " must be a number, not nan.");
    if (std::isinf(value))
        throw py::value_error(std::string(what) + " must be a finite number, not "
                              + (value > 0 ? "inf." : "-inf."));
    return value;
}

float finiteFloat(double value, const char *what)
{
    finite(value, what);
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        throw py::value_error(std::string(what) + " " + host::roundTripText(value)
                              + " is beyond the range of a 32-bit float.");
    return float(value);
}

long long inRange(long long value, long long low, long long high, const char *what)
{
    if (value < low || value > high)
        throw py::value_error(std::string(what) + " must be from " + std::to_string(low) + " to "
                              + std::to_string(high) + ", not " + std::to_string(value) + ".");
    return value;
}

std::string numberText(double value) { return host::roundTripText(value); }

int choice(const std::string &text, std::initializer_list<const char *> names, const char *what)
{
    int index = 0;
    std::string list;
    for (const char *name : names) {
        if (text == name)
            return index;
        list += (index ? ", '" : "'") + std::string(name) + "'";
        ++index;
    }
    throw py::value_error(std::string(what) + " must be one of " + list + ", not '" + text + "'.");
}

} // namespace neurosims
