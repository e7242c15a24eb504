// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>

#include <sstream>
#include <string>
#include <vector>

namespace host::testing {

// A CSV file of numbers and plain labels as rows of cells (the header first).
inline std::vector<std::vector<std::string>> readCsv(const QString &path)
{
    QFile file(path);
    std::vector<std::vector<std::string>> rows;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    std::istringstream text(file.readAll().toStdString());
    for (std::string line; std::getline(text, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');)
            cells.push_back(cell);
        if (!line.empty() && line.back() == ',')
            cells.emplace_back();
        rows.push_back(cells);
    }
    return rows;
}

// The cells of the columns whose header starts with the prefix, row after row, joined by
// blanks: the order in which `var` lists an array. Empty cells are left out.
inline std::string csvValues(const std::vector<std::vector<std::string>> &rows,
                             const std::string &prefix)
{
    std::string values;
    if (rows.empty())
        return values;
    for (std::size_t row = 1; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[0].size(); ++column)
            if (rows[0][column].rfind(prefix, 0) == 0 && column < rows[row].size()
                && !rows[row][column].empty())
                values += (values.empty() ? "" : " ") + rows[row][column];
    return values;
}

// What a `var NAME` line printed after "NAME=", without its line break.
inline std::string varValues(const std::string &printed)
{
    const auto equals = printed.find('=');
    std::string values = equals == std::string::npos ? printed : printed.substr(equals + 1);
    while (!values.empty() && (values.back() == '\n' || values.back() == ' '))
        values.pop_back();
    return values;
}

} // namespace host::testing
