// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/csv_table.h"

namespace host {

namespace {

std::string quoted(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

} // namespace

CsvTable::CsvTable(const std::vector<std::string> &header)
{
    startRow();
    for (const std::string &name : header)
        textCell(name);
}

void CsvTable::startRow()
{
    if (m_rowStarted)
        m_text += '\n';
    m_rowStarted = true;
    m_firstCell = true;
}

void CsvTable::textCell(const std::string &text)
{
    if (!m_firstCell)
        m_text += ',';
    m_firstCell = false;
    m_text += quoted(text);
}

} // namespace host
