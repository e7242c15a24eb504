// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace host {

// What a piece of state holds: numbers of one kind, or a text.
enum class StateType { float32, float64, int16, int32, boolean, text };

// A piece of state as it leaves or enters the registry: its numbers flattened first index
// outermost (every float, int16, int32 and bool is exact as a double), or its text.
using StateValue = std::variant<std::vector<double>, std::string>;

// One piece of a program's state, declared once under its outside name. read gives the value;
// check refuses (with a host::Fault) a value the piece cannot take; write stores a checked value.
// A piece without write is derived from others: it is read, never written.
struct StateEntry
{
    std::string name;
    StateType type = StateType::float32;
    // The extent of each index, first index outermost; empty for one value. A piece whose number
    // of values varies (a history) has the extent 0 for its outermost index.
    std::vector<std::size_t> shape;
    std::function<StateValue()> read;
    std::function<void(const StateValue &)> check;
    std::function<void(const StateValue &)> write;
};

// The value as automation's `var` prints it: the numbers as the shortest texts that read back
// to them, blank-separated (bools as true or false), or the text.
std::string stateText(const StateEntry &entry);

// Every piece of a program's state, in the order of declaration. The windows' `var`, the
// session files, undo and the Python module's parity tests all go through this one list.
class StateRegistry
{
public:
    // An extra check of a value the type and the shape already allow: throws a host::Fault.
    using Check = std::function<void(const std::vector<double> &)>;

    // A piece stored in a number, a bool, or a (nested) std::array or std::vector of them. The
    // type and the shape come from the storage; a value must fit them (a number of that type,
    // as many values as the storage holds; any count for a vector of numbers) and pass check.
    // The storage must outlive the registry.
    template <typename Storage> void add(std::string name, Storage &storage, Check check = {});

    // A piece derived from others: read only.
    template <typename Storage> void addDerived(std::string name, const Storage &storage);

    void add(StateEntry entry);

    const std::vector<StateEntry> &entries() const { return m_entries; }
    // nullptr when no piece has that name.
    const StateEntry *find(std::string_view name) const;

    // Writes several pieces at once: every value is checked before any is written, so a refused
    // one (a host::Fault naming the piece) leaves the whole state as it was. An unknown name and
    // a derived piece are refused too.
    void write(const std::vector<std::pair<std::string, StateValue>> &values) const;

private:
    std::vector<StateEntry> m_entries;
};

// The numbers of a value that a piece of that type and count can take (for a piece whose count
// varies, any multiple of count); any other value is refused with a host::Fault naming the piece.
// A check that refuses any number below low or above high, naming the piece.
std::function<void(const std::vector<double> &)> withinRange(std::string name, double low,
                                                             double high);

const std::vector<double> &checkedNumbers(const std::string &name, StateType type,
                                          const StateValue &value, std::size_t count,
                                          bool multiple = false);

namespace stateDetail {

template <typename T> struct Storage;

template <typename T>
requires std::is_arithmetic_v<T>
struct Storage<T>
{
    static constexpr StateType type = std::is_same_v<T, float> ? StateType::float32
        : std::is_same_v<T, double>                            ? StateType::float64
        : std::is_same_v<T, bool>                              ? StateType::boolean
        : std::is_same_v<T, int16_t>                           ? StateType::int16
                                                               : StateType::int32;
    static_assert(
        std::is_same_v<
            T,
            float> || std::is_same_v<T, double> || std::is_same_v<T, bool> || std::is_same_v<T, int16_t> || std::is_same_v<T, int32_t>,
        "a piece of state holds float, double, bool, int16_t or int32_t values");
    static void shape(const T &, std::vector<std::size_t> &) { }
    static void flatten(const T &value, std::vector<double> &out) { out.push_back(double(value)); }
    static void store(T &value, const double *&from) { value = T(*from++); }
    static std::size_t count(const T &) { return 1; }
};

template <typename T, std::size_t N> struct Storage<std::array<T, N>>
{
    static constexpr StateType type = Storage<T>::type;
    static void shape(const std::array<T, N> &values, std::vector<std::size_t> &out)
    {
        out.push_back(N);
        Storage<T>::shape(values[0], out);
    }
    static void flatten(const std::array<T, N> &values, std::vector<double> &out)
    {
        for (const T &value : values)
            Storage<T>::flatten(value, out);
    }
    static void store(std::array<T, N> &values, const double *&from)
    {
        for (T &value : values)
            Storage<T>::store(value, from);
    }
    static std::size_t count(const std::array<T, N> &values)
    {
        return N * Storage<T>::count(values[0]);
    }
};

// A vector of numbers grows or shrinks to the value written; a vector of arrays keeps the
// arrays' extent.
template <typename T> struct Storage<std::vector<T>>
{
    static constexpr StateType type = Storage<T>::type;
    static void shape(const std::vector<T> &, std::vector<std::size_t> &out)
    {
        out.push_back(0);
        Storage<T>::shape(T {}, out);
    }
    static void flatten(const std::vector<T> &values, std::vector<double> &out)
    {
        for (const T &value : values)
            Storage<T>::flatten(value, out);
    }
    static std::size_t elementCount() { return Storage<T>::count(T {}); }
    static void store(std::vector<T> &values, const double *&from, std::size_t count)
    {
        values.assign(count / elementCount(), T {});
        for (T &value : values)
            Storage<T>::store(value, from);
    }
};

template <typename T> struct IsVector : std::false_type
{
};
template <typename T> struct IsVector<std::vector<T>> : std::true_type
{
};

// Refuses numbers a piece of that type cannot hold: not finite, out of range, not whole.
void checkNumbers(const std::string &name, StateType type, const std::vector<double> &numbers);
// Refuses a value that is no list of numbers, or has a count other than the expected (for a
// vector, a count that is no multiple of its element's).
const std::vector<double> &numbersOf(const std::string &name, const StateValue &value,
                                     std::size_t count, bool multiple);

// A piece that reads its storage: name, type, shape and read.
template <typename Held> StateEntry readingEntry(std::string name, const Held &storage)
{
    using Traits = Storage<Held>;
    StateEntry entry;
    entry.name = std::move(name);
    entry.type = Traits::type;
    Traits::shape(storage, entry.shape);
    entry.read = [&storage] {
        std::vector<double> numbers;
        Traits::flatten(storage, numbers);
        return StateValue(std::move(numbers));
    };
    return entry;
}

} // namespace stateDetail

template <typename Storage> void StateRegistry::add(std::string name, Storage &storage, Check check)
{
    using Traits = stateDetail::Storage<Storage>;
    StateEntry entry = stateDetail::readingEntry(name, storage);
    constexpr bool isVector = stateDetail::IsVector<Storage>::value;
    std::size_t expected = 0; // the count of values, or for a vector that of one element
    if constexpr (isVector)
        expected = Traits::elementCount();
    else
        expected = Traits::count(storage);
    entry.check = [name, expected, check = std::move(check)](const StateValue &value) {
        const auto &numbers = checkedNumbers(name, Traits::type, value, expected, isVector);
        if (check)
            check(numbers);
    };
    entry.write = [&storage](const StateValue &value) {
        const auto &numbers = std::get<std::vector<double>>(value);
        const double *from = numbers.data();
        if constexpr (isVector)
            Traits::store(storage, from, numbers.size());
        else
            Traits::store(storage, from);
    };
    add(std::move(entry));
}

template <typename Storage> void StateRegistry::addDerived(std::string name, const Storage &storage)
{
    add(stateDetail::readingEntry(std::move(name), storage));
}

} // namespace host
