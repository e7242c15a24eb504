// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The numbers behind the graph window's two displays, saved from their menus as CSV: the
// activation of every unit after every iteration of the last run, and the input levels.

#include "host/forms/csv_table.h"
#include "host/forms/export_menu.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "sidestop/ui/form1.h"

#include <QLineEdit>

namespace sidestop {

void Form1::bindExports()
{
    host::setCsvData(m_graph.graph(), [this] { return historyCsv(); });
    host::setCsvData(m_graph.bargraph(), [this] { return inputLevelsCsv(); });
    host::setExportName(m_graph.graph(), "activations over time");
    host::setExportName(m_graph.bargraph(), "input levels");
}

// One row per iteration of the last run, in the order of `var actHistory`.
std::string Form1::historyCsv() const
{
    std::vector<std::string> header {"iteration"};
    for (int unit = 1; unit <= unitCount; ++unit)
        header.push_back(std::string("unit ").append(std::to_string(unit)));
    host::CsvTable table(header);
    int iteration = 0;
    for (const Units &act : m_sim.actHistory) {
        table.startRow();
        table.cell(int32_t(++iteration));
        for (double value : act)
            table.cell(value);
    }
    return table.text();
}

// One row per unit: its external input now (0 after a run has removed it), its default input
// and the level its text box shows, which the next run takes.
std::string Form1::inputLevelsCsv() const
{
    host::CsvTable table({"unit", "input now", "default input", "level in its box"});
    for (int unit = 1; unit <= unitCount; ++unit) {
        table.startRow();
        table.cell(int32_t(unit));
        table.cell(m_sim.net.extip[std::size_t(unit - 1)]);
        table.cell(m_sim.net.extipDef[std::size_t(unit - 1)]);
        table.textCell(text1[std::size_t(unit - 1)]->text().toStdString());
    }
    return table.text();
}

} // namespace sidestop
