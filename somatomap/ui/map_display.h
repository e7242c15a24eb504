// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "somatomap/model/sensory_map.h"

#include <QColor>

namespace host {
class Canvas;
}

namespace somatomap {

// The sensory map on a canvas scaled to 20 x 20 unit cells, node (i, j) owning (i - 1, j - 1)
// to (i, j): every node's activation shows as a filled square of that side, centred in its
// cell, or the winner of a learning step fills its whole cell in red. The canvas keeps its
// drawing between operations; each function holds a batch open around its drawing.

// The grid's 19 inner lines each way, in the canvas's fore colour.
void drawGrid(host::Canvas &canvas);
// Clears the canvas to an empty green grid.
void clearMap(host::Canvas &canvas);
// The activation map in the given colour, over what the canvas shows when overDrawing is
// true, else on a cleared grid. Nodes at 0 or below show nothing.
void drawResponse(host::Canvas &canvas, const SensoryMap &map, bool overDrawing, QColor colour);
// The winner's cell in red on a cleared grid.
void drawWinner(host::Canvas &canvas, int maxi, int maxj);

} // namespace somatomap
