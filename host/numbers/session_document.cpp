// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/session_document.h"

#include "host/numbers/fault.h"
#include "host/numbers/json_text.h"
#include "host/numbers/random.h"
#include "host/numbers/round_trip_text.h"

#include <charconv>
#include <cmath>

namespace host {

namespace {

[[noreturn]] void refuse(const std::string &why) { throw Fault(Fault::Kind::File, why); }

JsonValue numberValue(StateType type, double number)
{
    switch (type) {
    case StateType::float32:
        return JsonValue::number(roundTripText(float(number)));
    case StateType::boolean:
        return JsonValue::fromBool(number != 0);
    case StateType::int16:
    case StateType::int32:
        return JsonValue::number(roundTripText(int32_t(number)));
    default:
        return JsonValue::number(roundTripText(number));
    }
}

JsonValue pieceValue(const StateEntry &entry)
{
    const StateValue value = entry.read();
    if (const auto *text = std::get_if<std::string>(&value))
        return JsonValue::string(*text);
    const auto &numbers = std::get<std::vector<double>>(value);
    for (double number : numbers)
        if (!std::isfinite(number))
            refuse(entry.name
                   + " holds a value that is no finite number, which a session "
                     "cannot hold");
    if (entry.shape.empty() && numbers.size() == 1)
        return numberValue(entry.type, numbers[0]);
    JsonValue array = JsonValue::array();
    for (double number : numbers)
        array.items.push_back(numberValue(entry.type, number));
    return array;
}

// One number of a piece, read from its text as the piece's type: a float32 from its own text.
double readNumber(const std::string &piece, StateType type, const JsonValue &item)
{
    if (type == StateType::boolean) {
        if (item.kind != JsonValue::Kind::boolean)
            refuse(piece + " holds something other than true or false");
        return item.boolean ? 1 : 0;
    }
    if (item.kind != JsonValue::Kind::number)
        refuse(piece + " holds something that is not a number");
    const char *begin = item.text.data();
    const char *end = begin + item.text.size();
    double number = 0;
    std::from_chars_result result {};
    if (type == StateType::float32) {
        float single = 0;
        result = std::from_chars(begin, end, single);
        number = single;
    } else {
        result = std::from_chars(begin, end, number);
    }
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(number))
        refuse(piece + " holds " + item.text + ", which is no finite number of its kind");
    return number;
}

StateValue readValue(const std::string &piece, const StateEntry &entry, const JsonValue &value)
{
    if (entry.type == StateType::text) {
        if (value.kind != JsonValue::Kind::string)
            refuse(piece + " holds something that is not a text");
        return value.text;
    }
    std::vector<double> numbers;
    if (value.kind == JsonValue::Kind::array) {
        for (const JsonValue &item : value.items)
            numbers.push_back(readNumber(piece, entry.type, item));
    } else {
        numbers.push_back(readNumber(piece, entry.type, value));
    }
    return numbers;
}

std::vector<std::pair<std::string, StateValue>> sectionValues(const SessionSection &section,
                                                              const JsonValue &saved)
{
    const std::string where = "the section \"" + section.name + "\"";
    if (saved.kind != JsonValue::Kind::object)
        refuse(where + " is no JSON object");
    for (const auto &[name, value] : saved.members) {
        const StateEntry *entry = section.registry->find(name);
        if (!entry || !entry->write)
            refuse(where + " holds \"" + name + "\", which this program does not have");
    }
    std::vector<std::pair<std::string, StateValue>> values;
    for (const StateEntry &entry : section.registry->entries()) {
        if (!entry.write)
            continue;
        const JsonValue *value = saved.find(entry.name);
        if (!value)
            refuse(where + " lacks \"" + entry.name + "\"");
        const std::string piece = "\"" + entry.name + "\" in " + where;
        StateValue read = readValue(piece, entry, *value);
        try {
            if (entry.check)
                entry.check(read);
        } catch (const Fault &fault) {
            refuse(piece + ": " + fault.what());
        }
        values.emplace_back(entry.name, std::move(read));
    }
    return values;
}

} // namespace

std::string sessionText(std::string_view program, const std::vector<SessionSection> &sections)
{
    JsonValue document = JsonValue::object();
    document.add("program", JsonValue::string(std::string(program)));
    document.add("format", JsonValue::number(std::to_string(sessionFormat)));
    for (const SessionSection &section : sections) {
        JsonValue pieces = JsonValue::object();
        for (const StateEntry &entry : section.registry->entries())
            if (entry.write)
                pieces.add(entry.name, pieceValue(entry));
        document.add(section.name, std::move(pieces));
    }
    return jsonText(document);
}

SessionValues readSession(std::string_view text, std::string_view program,
                          const std::vector<SessionSection> &sections, const SessionCheck &together)
{
    JsonValue document;
    try {
        document = parseJson(text);
    } catch (const std::invalid_argument &error) {
        refuse(std::string("it is no readable session (") + error.what() + ")");
    }
    if (document.kind != JsonValue::Kind::object)
        refuse("it is no session: its JSON is not an object");
    const JsonValue *owner = document.find("program");
    if (!owner || owner->kind != JsonValue::Kind::string)
        refuse("it is no session: it names no program");
    if (owner->text != program)
        refuse("it is a session of " + owner->text + ", not of " + std::string(program));
    const JsonValue *format = document.find("format");
    if (!format || format->kind != JsonValue::Kind::number)
        refuse("it gives no format number");
    if (format->text != std::to_string(sessionFormat))
        refuse("it has the format " + format->text + ", and this version reads format "
               + std::to_string(sessionFormat) + " only");
    for (const auto &[name, value] : document.members) {
        bool known = name == "program" || name == "format";
        for (const SessionSection &section : sections)
            known = known || section.name == name;
        if (!known)
            refuse("it holds a section \"" + name + "\", which this program does not have");
    }
    SessionValues values;
    for (const SessionSection &section : sections) {
        const JsonValue *saved = document.find(section.name);
        if (!saved)
            refuse("it lacks the section \"" + section.name + "\"");
        values.push_back(sectionValues(section, *saved));
    }
    if (together) {
        const SessionLookup lookup = [&values](std::string_view name) -> const StateValue * {
            for (const auto &section : values)
                for (const auto &[piece, value] : section)
                    if (piece == name)
                        return &value;
            return nullptr;
        };
        try {
            together(lookup);
        } catch (const Fault &fault) {
            refuse(std::string("its values do not fit together: ") + fault.what());
        }
    }
    return values;
}

void writeSession(const std::vector<SessionSection> &sections, const SessionValues &values)
{
    for (std::size_t i = 0; i < sections.size(); ++i)
        sections[i].registry->write(values[i]);
}

StateEntry randomStateEntry()
{
    StateEntry entry;
    entry.name = "random";
    entry.type = StateType::text;
    entry.read = [] { return StateValue(std::to_string(randomState().word)); };
    auto word = [](const StateValue &value) {
        const auto *text = std::get_if<std::string>(&value);
        uint64_t parsed = 0;
        if (!text || text->empty())
            throw Fault(Fault::Kind::Invalid, "The random state must be a whole number.");
        const auto [end, error]
            = std::from_chars(text->data(), text->data() + text->size(), parsed);
        if (error != std::errc() || end != text->data() + text->size())
            throw Fault(Fault::Kind::Invalid,
                        "The random state must be a whole number from 0 to 18446744073709551615.");
        return parsed;
    };
    entry.check = [word](const StateValue &value) { word(value); };
    entry.write = [word](const StateValue &value) { setRandomState({word(value)}); };
    return entry;
}

} // namespace host
