// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace host {

// Places a widget at (left, top, width, height) in twips of its container: 15 twips make a
// pixel at zoom 1 (Qt scales pixels for HiDPI screens), times the zoom of the widget's form.
// The twips are kept on the widget, so that a zoom step places it again.
void placeTwips(QWidget *widget, QRect twips);
int twipsToPixels(double twips, double zoom = 1);

} // namespace host
