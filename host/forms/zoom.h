// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include <array>

class QWidget;

namespace host {

// The zoom of a form: one factor for every control's place and size (pixels = twips / 15 x
// zoom), its fonts, its displays and the lines and markers drawn in them. A form's layout stays
// its own at every step; nothing reflows.
constexpr std::array<int, 8> zoomSteps {50, 75, 100, 125, 150, 200, 250, 300};

bool isZoomStep(int percent);
// The next step up or down from a percentage (the same at either end).
int zoomStepAbove(int percent);
int zoomStepBelow(int percent);
// The largest step, at most the one wanted, at which a form of the given size at 100 % fits
// the room (the smallest step when none does).
int fittingZoom(int wantedPercent, QSizeF sizeAt100, QSize room);

// The zoom factor of the form a widget lies on (1 outside a zoomed form).
double zoomOf(const QWidget *widget);

// What a control was made with at zoom 1, kept on it so that every zoom step places it anew:
// its place in twips of its container, and its font.
void keepTwips(QWidget *control, QRect twips);
void keepFont(QWidget *control, const QFont &font);
// A label that takes the size of its caption: placed at its twips' top-left corner.
void keepAutoSize(QWidget *control, QPoint topLeftTwips);
QFont zoomedFont(const QFont &font, double zoom);

// Places and sizes every control under a root widget at a zoom: from what keepTwips and
// keepFont kept, picture areas and decorations by their own zoom, child pictures at their
// places in user units.
void applyZoom(QWidget *root, double zoom);

} // namespace host
