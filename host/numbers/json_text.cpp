// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/json_text.h"

#include <cstdint>
#include <stdexcept>

namespace host {

JsonValue JsonValue::number(std::string text)
{
    JsonValue value;
    value.kind = Kind::number;
    value.text = std::move(text);
    return value;
}

JsonValue JsonValue::string(std::string text)
{
    JsonValue value;
    value.kind = Kind::string;
    value.text = std::move(text);
    return value;
}

JsonValue JsonValue::array(std::vector<JsonValue> items)
{
    JsonValue value;
    value.kind = Kind::array;
    value.items = std::move(items);
    return value;
}

JsonValue JsonValue::object()
{
    JsonValue value;
    value.kind = Kind::object;
    return value;
}

JsonValue JsonValue::fromBool(bool on)
{
    JsonValue value;
    value.kind = Kind::boolean;
    value.boolean = on;
    return value;
}

const JsonValue *JsonValue::find(std::string_view name) const
{
    for (const auto &[key, value] : members)
        if (key == name)
            return &value;
    return nullptr;
}

void JsonValue::add(std::string name, JsonValue value)
{
    members.emplace_back(std::move(name), std::move(value));
}

namespace {

constexpr int deepest = 64;

class Reader
{
public:
    explicit Reader(std::string_view text)
        : m_text(text)
    {
    }

    JsonValue document()
    {
        JsonValue value = read(0);
        skipBlanks();
        if (m_at != m_text.size())
            fail("there is more after the end of the document");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string &why) const
    {
        int line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < m_at && i < m_text.size(); ++i)
            if (m_text[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        throw std::invalid_argument("line " + std::to_string(line) + ", column "
                                    + std::to_string(m_at - lineStart + 1) + ": " + why);
    }

    void skipBlanks()
    {
        while (m_at < m_text.size()
               && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\n'
                   || m_text[m_at] == '\r'))
            ++m_at;
    }

    char next()
    {
        if (m_at >= m_text.size())
            fail("the document ends too soon");
        return m_text[m_at++];
    }

    void expect(char wanted)
    {
        skipBlanks();
        if (next() != wanted) {
            --m_at;
            fail(std::string("a '") + wanted + "' belongs here");
        }
    }

    void word(std::string_view wanted)
    {
        if (m_text.substr(m_at, wanted.size()) != wanted)
            fail("this is no JSON value");
        m_at += wanted.size();
    }

    JsonValue read(int depth)
    {
        if (depth > deepest)
            fail("the document is nested too deeply");
        skipBlanks();
        if (m_at >= m_text.size())
            fail("the document ends too soon");
        switch (m_text[m_at]) {
        case '{':
            return object(depth);
        case '[':
            return array(depth);
        case '"':
            return JsonValue::string(string());
        case 't':
            word("true");
            return JsonValue::fromBool(true);
        case 'f':
            word("false");
            return JsonValue::fromBool(false);
        case 'n':
            word("null");
            return JsonValue();
        default:
            return JsonValue::number(number());
        }
    }

    JsonValue object(int depth)
    {
        JsonValue value = JsonValue::object();
        ++m_at;
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == '}') {
            ++m_at;
            return value;
        }
        for (;;) {
            skipBlanks();
            if (m_at >= m_text.size() || m_text[m_at] != '"')
                fail(m_at >= m_text.size() ? "the document ends too soon"
                                           : "a member's name in quotes belongs here");
            const std::size_t nameAt = m_at;
            std::string name = string();
            if (value.find(name)) {
                m_at = nameAt;
                fail("\"" + name + "\" appears twice");
            }
            expect(':');
            value.add(std::move(name), read(depth + 1));
            skipBlanks();
            const char after = next();
            if (after == '}')
                return value;
            if (after != ',') {
                --m_at;
                fail("a ',' or '}' belongs here");
            }
        }
    }

    JsonValue array(int depth)
    {
        JsonValue value = JsonValue::array();
        ++m_at;
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == ']') {
            ++m_at;
            return value;
        }
        for (;;) {
            value.items.push_back(read(depth + 1));
            skipBlanks();
            const char after = next();
            if (after == ']')
                return value;
            if (after != ',') {
                --m_at;
                fail("a ',' or ']' belongs here");
            }
        }
    }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    std::string number()
    {
        const std::size_t start = m_at;
        auto digits = [this] {
            const std::size_t from = m_at;
            while (m_at < m_text.size() && isDigit(m_text[m_at]))
                ++m_at;
            return m_at > from;
        };
        if (m_at < m_text.size() && m_text[m_at] == '-')
            ++m_at;
        const std::size_t intStart = m_at;
        if (!digits())
            fail("this is no JSON value");
        if (m_text[intStart] == '0' && m_at - intStart > 1)
            fail("a number does not start with 0");
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            if (!digits())
                fail("a digit belongs after the point");
        }
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (m_at < m_text.size() && (m_text[m_at] == '+' || m_text[m_at] == '-'))
                ++m_at;
            if (!digits())
                fail("a digit belongs in the exponent");
        }
        return std::string(m_text.substr(start, m_at - start));
    }

    unsigned hexDigits()
    {
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = next();
            code <<= 4;
            if (isDigit(c))
                code |= unsigned(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= unsigned(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= unsigned(c - 'A' + 10);
            else
                fail("four hex digits belong after \\u");
        }
        return code;
    }

    static void appendUtf8(std::string &out, unsigned code)
    {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }

    std::string string()
    {
        ++m_at; // the opening quote
        std::string out;
        for (;;) {
            const char c = next();
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20) {
                --m_at;
                fail("a string holds a control character");
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            switch (const char escaped = next()) {
            case '"':
            case '\\':
            case '/':
                out += escaped;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned code = hexDigits();
                if (code >= 0xD800 && code < 0xDC00) {
                    if (next() != '\\' || next() != 'u')
                        fail("a surrogate pair is cut in half");
                    const unsigned low = hexDigits();
                    if (low < 0xDC00 || low >= 0xE000)
                        fail("a surrogate pair is cut in half");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code < 0xE000) {
                    fail("a surrogate pair is cut in half");
                }
                appendUtf8(out, code);
                break;
            }
            default:
                --m_at;
                fail("this escape is no JSON escape");
            }
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

JsonValue parseJson(std::string_view text) { return Reader(text).document(); }

} // namespace host
