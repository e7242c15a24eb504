// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the sensory map exports as numbers, and the learning curve: the error shown after
// every trial of the current whole-hand run beside that of the run before, in a window of
// its own opened from the View menu.

#include "host/forms/csv_table.h"
#include "host/forms/events.h"
#include "host/forms/export_menu.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "somatomap/ui/form1.h"

#include <QMenu>

namespace somatomap {

void Form1::bindExports()
{
    host::setCsvData(picSenseMap, [this] { return mapCsv(); });
    host::setExportName(picSenseMap, "sensory map");
    host::setExportName(picture1, "hand");

    QMenu *view = addMenu("menView", "&View");
    host::onMenuClick(addMenuItem(view, "menLearningCurve", "Learning &Curve"),
                      [this] { m_curveWindow.open(); });
}

// One row per node in node order (i outer, j inner, as `var smapAct` and `var smapWts` list
// them): its coordinates, its activation and its 32 weights.
std::string Form1::mapCsv() const
{
    std::vector<std::string> header {"node i", "node j", "activation"};
    for (int k = 1; k <= inputLength; ++k)
        header.push_back(std::string("weight ").append(std::to_string(k)));
    host::CsvTable table(header);
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            table.startRow();
            table.cell(int16_t(i));
            table.cell(int16_t(j));
            table.cell(m_core.map.act(i, j));
            for (float w : m_core.map.node(i, j))
                table.cell(w);
        }
    }
    return table.text();
}

// The curve's window goes with the main window, so that the program ends with it.
void Form1::formUnload() { m_curveWindow.close(); }

} // namespace somatomap
