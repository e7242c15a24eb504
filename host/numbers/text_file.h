// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fstream>
#include <optional>
#include <string>

namespace host {

// Reads a text file line by line, each line without its line end: LF, CR LF or a lone CR
// (files saved by old Macintosh editors). A UTF-8 byte-order mark at the start of the file is
// skipped. Opening a file that does not exist, cannot be read or is a folder is a file fault
// naming it.
class TextFileReader
{
public:
    explicit TextFileReader(const std::string &path);

    // The next line, or nothing at the end of the file.
    std::optional<std::string> readLine();
    // 1-based number of the line readLine returned last.
    int lineNumber() const { return m_lineNumber; }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    std::ifstream m_stream;
    int m_lineNumber = 0;
};

} // namespace host
