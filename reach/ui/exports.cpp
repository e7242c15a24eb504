// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The numbers behind the two displays, saved from their menus as CSV: the direction cells
// (preferred direction, response and response to the target alone) and the hand's path in
// the reaches the hand display shows.

#include "host/forms/csv_table.h"
#include "host/forms/export_menu.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "reach/ui/form1.h"

namespace reach {

namespace {

// One row per cell, in the order of `var prefDir`.
std::string cellsCsv(const Model &model)
{
    host::CsvTable table(
        {"cell", "preferred direction (rad)", "response", "response to the target alone"});
    for (int i = 1; i <= model.ncells; ++i) {
        const auto at = std::size_t(i - 1);
        table.startRow();
        table.cell(int16_t(i));
        table.cell(model.prefDir.at(at));
        table.cell(model.cellResp.at(at));
        table.cell(model.targResp.at(at));
    }
    return table.text();
}

std::string handPathCsv(const ReachCore &core)
{
    host::CsvTable table({"reach", "step", "hand x", "hand y"});
    for (const PathPoint &point : core.handPath) {
        table.startRow();
        table.cell(int32_t(point.reach));
        table.cell(int32_t(point.step));
        table.cell(point.x);
        table.cell(point.y);
    }
    return table.text();
}

} // namespace

void Form1::bindExports()
{
    host::setCsvData(cell1, [this] { return cellsCsv(m_core.model); });
    host::setCsvData(picture1, [this] { return handPathCsv(m_core); });
    host::setExportName(cell1, "cell display");
    host::setExportName(picture1, "hand display");
}

} // namespace reach
