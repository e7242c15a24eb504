// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/controls.h"

#include <QColor>
#include <QLine>
#include <QString>

#include <vector>

namespace calc {

// The window's layout table, containers before the controls they hold.
std::vector<host::ControlRow> form1Layout();

// One bar of the small seven-segment figures above the weight diagram's columns: figure j
// draws its segment j lit and the others grey, at fixed twips of the diagram.
struct SegmentIcon
{
    QString name;
    QColor color;
    QLine ends; // twips from the diagram's top-left corner
};
std::vector<SegmentIcon> segmentIcons();

// "0" ... "9", "A", "b", "C", "d", "E", "F".
QString numeralCaption(int numeral);

} // namespace calc
