// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/ui/map_display.h"

#include "host/forms/canvas.h"

namespace somatomap {

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);

void clearGrid(host::Canvas &canvas)
{
    canvas.cls();
    canvas.setForeColor(green);
    drawGrid(canvas);
}

} // namespace

void drawGrid(host::Canvas &canvas)
{
    for (int k = 1; k < mapSide; ++k) {
        canvas.line(QPointF(k, 0), QPointF(k, mapSide));
        canvas.line(QPointF(0, k), QPointF(mapSide, k));
    }
}

void clearMap(host::Canvas &canvas)
{
    host::Canvas::Batch batch(canvas);
    clearGrid(canvas);
}

void drawResponse(host::Canvas &canvas, const SensoryMap &map, bool overDrawing, QColor colour)
{
    host::Canvas::Batch batch(canvas);
    if (!overDrawing)
        clearGrid(canvas);
    canvas.setForeColor(colour);
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            const float a = map.act(i, j);
            if (a > 0) {
                const float h = float(0.5 - a / 2.0);
                const QPointF corner((i - 1) + double(h), (j - 1) + double(h));
                canvas.filledBox(corner, corner + QPointF(a, a));
            }
        }
    }
}

void drawWinner(host::Canvas &canvas, int maxi, int maxj)
{
    host::Canvas::Batch batch(canvas);
    clearGrid(canvas);
    canvas.setForeColor(red);
    canvas.filledBox(QPointF(maxi - 1, maxj - 1), QPointF(maxi, maxj));
}

} // namespace somatomap
