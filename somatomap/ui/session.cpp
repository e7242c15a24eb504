// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's sessions: beside the map's state, the learning curves; an opened session
// lights the region last touched and redraws the map and the curve.

#include "somatomap/ui/form1.h"
#include "somatomap/ui/hand_display.h"

#include "host/forms/control_helpers.h"
#include "host/forms/picture_area.h"
#include "host/forms/session_file.h"

namespace somatomap {

void Form1::bindSession()
{
    m_displays.add("curveCurrent", m_curve.current);
    m_displays.add("curvePrevious", m_curve.previous);
    new host::SessionFile(*this,
                          {.program = "somatomap",
                           .suffix = "somatomap-session",
                           .state = &m_state,
                           .displays = &m_displays,
                           .opened = [this] { onSessionOpened(); },
                           .together = {}});
}

void Form1::onSessionOpened()
{
    const QColor off = host::backColor(picOff);
    clearHand(picHandF1, off);
    if (m_core.partTouched >= 0)
        lightTouchedRegion(picHandF1, m_core.partTouched, -1, off);
    showSensoryMap(false);
    m_curve.restore(m_curve.previous, m_curve.current);
    m_curveWindow.curveReplaced();
}

} // namespace somatomap
