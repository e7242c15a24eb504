#pragma once

#include "host/forms/automation.h"

#include <string>
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
    template <typename Number> void cell(Number value) { textCell(automationText(value)); }
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
