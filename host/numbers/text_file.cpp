// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/numbers/text_file.h"

#include "host/numbers/fault.h"

#include <filesystem>
#include <system_error>

namespace host {

namespace {

// What the start of a file shows it to be when it is no plain text, or null. UTF-16 text
// (as some editors save on Windows) starts with its byte-order mark or has a 0 byte beside
// each ASCII letter; a 0 byte is in no text file.
const char *encodingOtherThanText(const std::string &start)
{
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF"))
        return "UTF-16";
    const size_t zero = start.find('\0');
    if (zero == std::string::npos)
        return nullptr;
    return start.find('\0', zero + 1) == zero + 2 ? "UTF-16" : "a binary file";
}

} // namespace

TextFileReader::TextFileReader(const std::string &path)
    : m_path(path)
{
    // A folder opens as a stream on some systems and reads as an empty file.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw Fault(Fault::Kind::File,
                    "\"" + path + "\" is a folder, not a file, and cannot be read.");
    m_stream.open(path, std::ios::binary);
    if (!m_stream)
        throw Fault(Fault::Kind::File, "The file \"" + path + "\" cannot be opened for reading.");
    std::string start(512, '\0');
    m_stream.read(start.data(), std::streamsize(start.size()));
    start.resize(size_t(m_stream.gcount()));
    m_stream.clear();
    if (const char *kind = encodingOtherThanText(start))
        throw Fault(Fault::Kind::File,
                    "The file \"" + path + "\" is not a plain text file: it looks like " + kind
                        + ". Save it as plain text (ASCII or UTF-8).");
    m_stream.seekg(start.starts_with("\xEF\xBB\xBF") ? 3 : 0);
}

std::optional<std::string> TextFileReader::readLine()
{
    std::streambuf *buffer = m_stream.rdbuf();
    using Traits = std::char_traits<char>;
    if (Traits::eq_int_type(buffer->sgetc(), Traits::eof()))
        return std::nullopt;
    std::string line;
    for (auto c = buffer->sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = buffer->sbumpc()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (buffer->sgetc() == '\n')
                buffer->sbumpc();
            break;
        }
        line.push_back(Traits::to_char_type(c));
    }
    ++m_lineNumber;
    return line;
}

} // namespace host
