// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/network.h"

#include <array>
#include <cstdint>

namespace host {
class Canvas;
}

namespace calc {

// The seven segment boxes of the input figure and the sixteen output boxes, by index.
using SegmentBoxes = std::array<host::Canvas *, 7>;
using OutputBoxes = std::array<host::Canvas *, 16>;

// Every segment box white.
void clearSegments(const SegmentBoxes &segments);

// A click only toggles the box's colour: it changes no input list and not the network.
void toggleSegment(host::Canvas &segment);

// Clears the figure, then toggles the box of every segment the pattern names: a segment named
// twice ends switched off again.
void showInput(const SegmentBoxes &segments, const Network &net, int16_t pattern);

// An output above 0.1 (compared as floats, so the bound is 0.100000001) lights its numeral's
// box; under the threshold rule exactly the outputs of 1 do.
void showOutputs(const OutputBoxes &outputs, const Network &net);

// The 7 by 16 grid in the diagram's user scale (x -1..8, y -2..17), one row a numeral from 0
// at the top to F at the bottom, labelled in the band left of it.
void drawWeightGrid(host::Canvas &diagram);

// The diagram cleared and drawn again: the grid, and every weight w(k, j) as a square centred
// in the cell of column j and the row of numeral k, of side |w| / 0.55 cells (a weight of 0.55
// fills its cell), red for w >= 0 and blue below.
void showWeights(host::Canvas &diagram, const Network &net);

} // namespace calc
