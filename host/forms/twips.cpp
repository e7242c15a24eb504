// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/twips.h"

#include "host/forms/zoom.h"

#include <QWidget>

#include <cmath>

namespace host {

int twipsToPixels(double twips, double zoom) { return int(std::lround(twips / 15 * zoom)); }

void placeTwips(QWidget *widget, QRect twips)
{
    keepTwips(widget, twips);
    const double zoom = zoomOf(widget);
    widget->setGeometry(twipsToPixels(twips.x(), zoom), twipsToPixels(twips.y(), zoom),
                        twipsToPixels(twips.width(), zoom), twipsToPixels(twips.height(), zoom));
}

} // namespace host
