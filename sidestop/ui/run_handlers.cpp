// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// RUN and the switch that opens and closes the graph window.

#include "sidestop/ui/form1.h"

#include "host/forms/controls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace sidestop {

// Reads the weight texts (without Enter), the iteration count and the unit inputs, checks
// them all, then runs; the history is plotted when the graph window is open. A fault leaves
// the layer, the history, the graph and every text as they were.
void Form1::onRun()
{
    RunTexts texts;
    texts.poswt = txtPoswt->text().toStdString();
    texts.negwt = txtNegwt->text().toStdString();
    texts.iterations = txtIter->text().toStdString();
    for (int k = 0; k < unitCount; ++k)
        texts.units[k] = text1[k]->text().toStdString();
    const InhibitionRule rule
        = optRegLI->isChecked() ? InhibitionRule::Standard : InhibitionRule::Alternative;
    run(m_sim, texts, host::checkValue(chkRamp) != 0, rule,
        {.drawHistory = [this](const Simulation &sim) { m_graph.showHistory(sim); }});
}

// Opens the graph window beside this one while it is closed, else closes it; the check box
// then shows whether the window is open.
void Form1::onGraphSwitch()
{
    if (m_sim.graphOff) {
        openGraph(m_sim);
        host::setCheckValue(chkUpdate, 1);
        m_graph.placeBeside(this);
        m_graph.show();
        m_graph.showTimeAxes(m_sim);
        m_graph.showInputBars(m_sim);
    } else {
        m_sim.graphOff = true;
        m_graph.unload();
        host::setCheckValue(chkUpdate, 0);
    }
}

} // namespace sidestop
