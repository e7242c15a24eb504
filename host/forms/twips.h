// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace host {

// Places a widget at (left, top, width, height) in twips of its container: 15 twips make a
// pixel (Qt scales pixels for HiDPI screens).
void placeTwips(QWidget *widget, QRect twips);
int twipsToPixels(double twips);

} // namespace host
