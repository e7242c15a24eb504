// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's sessions: the state and the controls say everything, the last run's history
// included; an opened session shows the graph window as it was, its history redrawn.

#include "sidestop/ui/form1.h"

#include "host/forms/control_helpers.h"
#include "host/forms/session_file.h"

#include <QCheckBox>

namespace sidestop {

void Form1::bindSession()
{
    new host::SessionFile(*this,
                          {.program = "sidestop",
                           .suffix = "sidestop-session",
                           .state = &m_state,
                           .displays = nullptr,
                           .opened = [this] { onSessionOpened(); },
                           .together = {}});
}

void Form1::onSessionOpened()
{
    if (m_sim.graphOff) {
        if (m_graph.isLoaded())
            m_graph.unload();
        m_sim.graphOff = true;
        host::setCheckValue(chkUpdate, 0);
        return;
    }
    host::setCheckValue(chkUpdate, 1);
    if (!m_graph.isVisible()) {
        m_graph.placeBeside(this);
        m_graph.show();
    }
    m_graph.showInputBars(m_sim);
    if (m_sim.actHistory.empty())
        m_graph.showTimeAxes(m_sim);
    else
        m_graph.showHistory(m_sim);
}

} // namespace sidestop
