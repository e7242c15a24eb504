// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/twips.h"

#include <QWidget>

#include <cmath>

namespace host {

int twipsToPixels(double twips) { return int(std::lround(twips / 15)); }

void placeTwips(QWidget *widget, QRect twips)
{
    widget->setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                        twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

} // namespace host
