// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/round_trip_text.h"

#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

namespace host {

// The numbers behind a display as CSV text: a header row, then one row per record. Numbers
// are written as automation's `var` prints them (the shortest text that reads back to the
// same number), so a spreadsheet and a script see the same values.
class CsvTable
{
public:
    explicit CsvTable(const std::vector<std::string> &header);

    // Starts the next row; its cells follow in the header's order.
    void startRow();
    // A number that is no finite number is written nan, inf or -inf.
    template <typename Number> void cell(Number value)
    {
        if constexpr (std::is_floating_point_v<Number>) {
            if (!std::isfinite(value)) {
                textCell(std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf");
                return;
            }
        }
        textCell(roundTripText(value));
    }
    // A cell of text (quoted when it holds a comma, a quote or a line break); "" leaves the
    // cell empty.
    void textCell(const std::string &text);

    // The rows, each ended by a line break.
    std::string text() const { return m_text + "\n"; }

private:
    std::string m_text;
    bool m_rowStarted = false;
    bool m_firstCell = true;
};

} // namespace host
