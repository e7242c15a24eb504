// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/ui/hand_display.h"

#include "host/forms/controls.h"

namespace somatomap {

void lightTouchedRegion(const HandRegions &regions, int region, int previous, QColor off)
{
    host::setColors(regions[region], QColor(255, 0, 0));
    if (previous > -1)
        host::setColors(regions[previous], off);
}

void clearHand(const HandRegions &regions, QColor off)
{
    for (QWidget *region : regions)
        host::setColors(region, off);
}

} // namespace somatomap
