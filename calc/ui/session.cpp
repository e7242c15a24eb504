// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's sessions: beside the core's state, the patterns the network learned (so that
// a session stands alone) and the learning curves; an opened session redraws the weights,
// the input figure, the outputs and the curve.

#include "calc/ui/form1.h"

#include "calc/model/pattern_file.h"
#include "host/forms/picture_area.h"
#include "host/forms/session_file.h"

namespace calc {

void Form1::bindSession()
{
    Network &net = m_core.net;
    // Unit numbers, 0 where a list ends; no net has more than 16 units a layer.
    m_displays.add("inPatterns", net.inPatterns, host::withinRange("inPatterns", 0, maxOutputs));
    m_displays.add("targets", net.targets, host::withinRange("targets", 0, maxOutputs));
    m_displays.add("curveCurrent", m_curve.current);
    m_displays.add("curvePrevious", m_curve.previous);
    new host::SessionFile(
        *this,
        {.program = "calc",
         .suffix = "calc-session",
         .state = &m_state,
         .displays = &m_displays,
         .opened = [this] { onSessionOpened(); },
         .together
         = [this](const host::SessionLookup &saved) { checkSavedNetwork(m_core.net, saved); }});
}

void Form1::onSessionOpened()
{
    m_syncOptions();
    m_curve.restore(m_curve.previous, m_curve.current);
    m_curveWindow.curveReplaced();
    showWeights();
    showOutputs(picOpnode, m_core.net);
    if (m_core.run.shownPattern > 0)
        showInput(picture1, m_core.net, m_core.run.shownPattern);
}

} // namespace calc
