// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the four submodules share: the random generator a seeded object owns, the guard that
// keeps one object to one call at a time, the reading of a program's state as numpy arrays, and
// the checks of the numbers a caller passes.

#include "host/numbers/random.h"
#include "host/numbers/state_registry.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <mutex>
#include <optional>
#include <string>

namespace neurosims {

namespace py = pybind11;

// The random generator of one object: a seeded object re-seeds from its seed wherever the window
// re-seeds from the clock, starting from the generator's start-up state, so that its draws repeat
// as those of a window started with a frozen clock do. An object without a seed draws from the
// shared generator and the clock, as the window does.
struct Seeding
{
    std::optional<double> seed;
    host::RandomState state = host::startUpRandomState;
};

// Held for a call that draws random numbers or re-seeds: the generator is one for the process,
// so one such call runs at a time. Take it with the GIL released.
class RandomScope
{
public:
    explicit RandomScope(Seeding &seeding);
    ~RandomScope();
    RandomScope(const RandomScope &) = delete;
    RandomScope &operator=(const RandomScope &) = delete;

private:
    std::unique_lock<std::mutex> m_lock;
    Seeding &m_seeding;
};

// One call at a time on an object: a second one (from another thread, or from the object's own
// on_step) is refused with a ValueError. Taken with the GIL held.
class BusyGuard
{
public:
    explicit BusyGuard(bool &busy);
    ~BusyGuard() { m_busy = false; }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;

private:
    bool &m_busy;
};

// A piece of a program's state under its outside name: a numpy array of its type and shape
// (first index outermost), a Python number for a single value, or a text.
py::object stateValue(const host::StateRegistry &registry, const std::string &name);
// The text automation's var prints for it.
std::string stateText(const host::StateRegistry &registry, const std::string &name);
// Writes one number through the registry's checks (a refused one is a ValueError).
void writeNumber(const host::StateRegistry &registry, const std::string &name, double value);

// A ValueError unless value is a finite number; what names it in the message.
double finite(double value, const char *what);
// A ValueError unless value fits a 32-bit float as a finite number.
float finiteFloat(double value, const char *what);
// A ValueError unless low <= value <= high.
long long inRange(long long value, long long low, long long high, const char *what);

// The shortest text that reads back to value, as a number box would hold it.
std::string numberText(double value);

// A choice among names: the index of text in names, or a ValueError listing them.
int choice(const std::string &text, std::initializer_list<const char *> names, const char *what);

// Copies of contiguous storage as numpy arrays of the given shape.
template <typename T> py::array_t<T> arrayOf(const T *data, std::vector<py::ssize_t> shape)
{
    py::array_t<T> array(shape);
    std::copy(data, data + array.size(), array.mutable_data());
    return array;
}

// var(name) and var_text(name) on a class whose objects hold their program's registry as state.
template <typename Object> void addVariables(py::class_<Object> &objects)
{
    objects.def(
        "var",
        [](const Object &self, const std::string &name) { return stateValue(self.state, name); },
        py::arg("name"),
        "A variable under the name the window's automation gives it: a numpy array (first "
        "index outermost), a numpy scalar or a text.");
    objects.def(
        "var_text",
        [](const Object &self, const std::string &name) { return stateText(self.state, name); },
        py::arg("name"), "The text automation's var prints for a variable.");
}

void addReach(py::module_ &parent);
void addSidestop(py::module_ &parent);
void addCalc(py::module_ &parent);
void addSomatomap(py::module_ &parent);

} // namespace neurosims
