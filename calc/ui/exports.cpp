// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the displays export as numbers, and the learning curve: the sum of errors of every
// epoch of the current run (a fresh LEARN starts a run, ReStart goes on with it) beside that
// of the run before, in a window of its own opened from the View menu.

#include "calc/ui/form1.h"
#include "calc/ui/form1_layout.h"
#include "calc/ui/segment_names.h"
#include "host/forms/controls.h"
#include "host/forms/csv_table.h"
#include "host/forms/events.h"
#include "host/forms/export_menu.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"

#include <QMenu>

namespace calc {

namespace {

std::string inputName(int j)
{
    const std::string number = std::to_string(j);
    return j <= 7 ? number + " " + segmentNames[j - 1] : std::string("input ").append(number);
}

} // namespace

void Form1::bindExports()
{
    // The weight diagram and the output boxes hold the same numbers: every weight by numeral
    // and segment, and the output of each numeral's unit after the last presentation.
    const auto weights = [this] { return weightsCsv(); };
    host::setCsvData(picWts, weights);
    host::setExportName(picWts, "weights");
    for (int v = 0; v < 16; ++v) {
        auto *box = control<host::PictureArea>(host::arrayName("picOpnode", v));
        host::setCsvData(box, weights);
        host::setExportName(box, "weights and outputs");
    }

    QMenu *view = addMenu("menView", "&View");
    host::onMenuClick(addMenuItem(view, "menLearningCurve", "Learning &Curve"),
                      [this] { m_curveWindow.open(); });
}

// One row per output unit in unit order (the order of `var weights`): its numeral, the weight
// from each segment, its output.
std::string Form1::weightsCsv() const
{
    const Network &net = m_core.net;
    std::vector<std::string> header {"unit", "numeral"};
    for (int j = 1; j <= net.nInputs; ++j)
        header.push_back(inputName(j));
    header.push_back("output");
    host::CsvTable table(header);
    for (int k = 1; k <= net.nOutputs; ++k) {
        table.startRow();
        table.cell(int16_t(k));
        table.textCell(k <= 16 ? numeralCaption(numeralOfPattern(int16_t(k))).toStdString()
                               : std::string());
        for (float w : net.weights.at(size_t(k - 1)))
            table.cell(w);
        table.cell(net.outputs.at(size_t(k - 1)));
    }
    return table.text();
}

// The curve's window goes with the main window, so that the program ends with it.
void Form1::formUnload() { m_curveWindow.close(); }

} // namespace calc
