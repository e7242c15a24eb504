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
void Form1::commRun_Click()
{
    RunTexts texts;
    texts.poswt = txtPoswt->text().toStdString();
    texts.negwt = txtNegwt->text().toStdString();
    texts.iterations = txtIter->text().toStdString();
    for (int k = 0; k < kUnits; ++k)
        texts.units[k] = text1[k]->text().toStdString();
    const InhibitionRule rule
        = optRegLI->isChecked() ? InhibitionRule::Standard : InhibitionRule::Alternative;
    const RunSettings settings = checkedRunSettings(texts, host::checkValue(chkRamp) != 0, rule);

    startRun(m_sim, settings);
    if (!m_sim.graphOff)
        m_graph.plotHistory(m_sim.actHistory, m_sim.extipOff);
}

// Opens the graph window beside this one while it is closed, else closes it; the check box
// then shows whether the window is open. An empty or negative iteration count becomes 20 so
// that the time axis has a range.
void Form1::chkUpdate_Click()
{
    if (m_sim.graphOff) {
        m_sim.graphOff = false;
        host::setCheckValue(chkUpdate, 1);
        m_graph.placeBeside(this);
        m_graph.show();
        if (m_sim.niter <= 0)
            m_sim.niter = 20;
        m_graph.drawTimeAxes(m_sim.niter);
        m_graph.drawInputBars(m_sim.net.extip);
    } else {
        m_sim.graphOff = true;
        m_graph.unload();
        host::setCheckValue(chkUpdate, 0);
    }
}

} // namespace sidestop
