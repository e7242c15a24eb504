// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/hand_display.h"

#include "host/forms/canvas.h"

namespace reach {

void drawBaseline(host::Canvas &canvas) { canvas.line(QPointF(-100, 0), QPointF(100, 0)); }

void drawLatestStep(host::Canvas &canvas, const ReachCore &core)
{
    if (core.handPath.empty())
        return;
    const PathPoint &latest = core.handPath.back();
    canvas.lineTo(QPointF(latest.x, latest.y));
}

} // namespace reach
