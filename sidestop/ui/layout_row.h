// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/controls.h"

namespace sidestop {

// A row of a layout table whose every field has a default, so that a row written with
// designated initializers names only what differs.
struct Row
{
    QString container {};
    QString name {};
    host::ControlKind kind {};
    QString caption {};
    QRect twips {};
    host::FontChoice font {};
    int value = 0;
    host::ScrollBar::Range range {};
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    QColor backColor {};
    QColor foreColor {};
    QLine lineTwips {};

    operator host::ControlRow() const
    {
        return {container, name,  kind,  caption,   twips,     font,
                value,     range, align, backColor, foreColor, lineTwips};
    }
};

} // namespace sidestop
