// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/sensory_map.h"

#include <QColor>

#include <array>

class QWidget;

namespace somatomap {

// The drawn hand: one box per region, lit by its colour. The off colour and the hand-part
// colours are read from their swatches each time they are used.
using HandRegions = std::array<QWidget *, regionCount>;

// A touch in isolation lights the region in red and turns the previously touched one (-1:
// none) off, so it stays the only lit one of the isolated touches, even when it is the same
// region (which then goes off again).
void lightTouchedRegion(const HandRegions &regions, int region, int previous, QColor off);
// Every region off.
void clearHand(const HandRegions &regions, QColor off);

} // namespace somatomap
