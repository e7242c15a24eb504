// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The writing half of json_text.h.

#include "host/numbers/json_text.h"

namespace host {

namespace {

void quoted(std::string &out, const std::string &text)
{
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void write(std::string &out, const JsonValue &value, int indent)
{
    const std::string inner(std::size_t(indent + 2), ' ');
    switch (value.kind) {
    case JsonValue::Kind::null:
        out += "null";
        break;
    case JsonValue::Kind::boolean:
        out += value.boolean ? "true" : "false";
        break;
    case JsonValue::Kind::number:
        out += value.text;
        break;
    case JsonValue::Kind::string:
        quoted(out, value.text);
        break;
    case JsonValue::Kind::array: {
        bool flat = true;
        for (const JsonValue &item : value.items)
            flat = flat && item.kind != JsonValue::Kind::array
                && item.kind != JsonValue::Kind::object;
        out += '[';
        std::size_t lineStart = out.rfind('\n') == std::string::npos ? 0 : out.rfind('\n') + 1;
        for (std::size_t i = 0; i < value.items.size(); ++i) {
            if (i)
                out += ',';
            if (!flat || out.size() - lineStart > 100) {
                out += '\n';
                lineStart = out.size();
                out += inner;
            } else if (i) {
                out += ' ';
            }
            write(out, value.items[i], indent + 2);
        }
        if (!flat && !value.items.empty())
            out += '\n' + std::string(std::size_t(indent), ' ');
        out += ']';
        break;
    }
    case JsonValue::Kind::object:
        out += '{';
        for (std::size_t i = 0; i < value.members.size(); ++i) {
            out += i ? ",\n" : "\n";
            out += inner;
            quoted(out, value.members[i].first);
            out += ": ";
            write(out, value.members[i].second, indent + 2);
        }
        if (!value.members.empty())
            out += '\n' + std::string(std::size_t(indent), ' ');
        out += '}';
        break;
    }
}

} // namespace

std::string jsonText(const JsonValue &value)
{
    std::string out;
    write(out, value, 0);
    out += '\n';
    return out;
}

} // namespace host
