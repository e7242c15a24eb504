// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

// A JSON value that keeps each number as the text it was written with, so that a reader can
// take it as exactly the kind of number it stands for (a 32-bit float from its own text, not
// through a double). Objects keep their members in order.
struct JsonValue
{
    enum class Kind { null, boolean, number, string, array, object };

    Kind kind = Kind::null;
    bool boolean = false;
    std::string text; // a number's text, or a string's characters (UTF-8)
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    static JsonValue number(std::string text);
    static JsonValue string(std::string text);
    static JsonValue array(std::vector<JsonValue> items = {});
    static JsonValue object();
    static JsonValue fromBool(bool value);

    // The member of that name of an object, or nullptr.
    const JsonValue *find(std::string_view name) const;
    void add(std::string name, JsonValue value);
};

// Reads one JSON document. Text that is no JSON (also one cut short, one nested deeper than
// 64 levels, or one with the same member twice in an object) is refused with
// std::invalid_argument saying what is wrong and where (line and column).
JsonValue parseJson(std::string_view text);

// The document's text: objects one member a line, indented by two blanks a level; an array of
// numbers, booleans or strings on one line (wrapped after about 100 characters), numbers as
// their texts. Ends with a newline.
std::string jsonText(const JsonValue &value);

} // namespace host
