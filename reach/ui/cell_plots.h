// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reach/model/population.h"

#include <QColor>

namespace host {
class Canvas;
}

namespace reach {

// A cell is drawn only when its response exceeds this.
inline constexpr float shownResponse = 0.02f;

// The colour of a drawn cell by the share f = min(1, targResp / cellResp) of its response that
// the target drives: RGB(red, 0, 255 - red) with red = floor(255 f). Purely target-driven
// responses are pure red; a large distractor share shades toward blue.
QColor targetShareColour(float targetPart, float response);

// The polar view: a spoke from (0, 0) along each cell's preferred direction, as long as its
// response. With the colour code each spoke takes its cell's colour, otherwise the canvas's
// fore colour.
void drawSpokes(host::Canvas &canvas, const Model &model, bool colourCode);

// The bar view: a vertical bar from y = 0 up to each response, cell 1 at right - spacing,
// each further cell one spacing to the left, so that directions read right to left as in the
// polar view.
void drawBars(host::Canvas &canvas, const Model &model, double right, float spacing,
              bool colourCode);

// The whole cell display, cleared first: the spokes in black, or the bars one spacing apart
// per cell with a spacing free at either end of the canvas.
void drawCellDisplay(host::Canvas &canvas, const Model &model, bool barChart, bool colourCode);

} // namespace reach
