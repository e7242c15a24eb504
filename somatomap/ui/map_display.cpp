// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sensory map: a 20 x 20 grid of unit cells in which every node's activation shows as a
// filled square of that side, centred in its cell, or the winner of a learning step fills
// its whole cell in red. The area keeps its drawing between operations.

#include "somatomap/ui/form1.h"

#include "host/forms/picture_area.h"

namespace somatomap {

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);

} // namespace

void Form1::drawGrid()
{
    for (int k = 1; k < MapSide; ++k) {
        picSenseMap->line(QPointF(k, 0), QPointF(k, MapSide));
        picSenseMap->line(QPointF(0, k), QPointF(MapSide, k));
    }
}

// Clears the map to an empty green grid; callers hold a batch of the area open around it.
void Form1::clearMap()
{
    picSenseMap->cls();
    picSenseMap->setForeColor(green);
    drawGrid();
}

// Draws the activation map in the given colour (red by default), over what the map shows
// when noRefresh is true, else on a cleared grid. Nodes at 0 or below show nothing.
void Form1::showSensoryMap(bool noRefresh, std::optional<QColor> col)
{
    {
        host::Canvas::Batch batch(*picSenseMap);
        if (!noRefresh)
            clearMap();
        picSenseMap->setForeColor(col.value_or(red));
        for (int i = 1; i <= MapSide; ++i) {
            for (int j = 1; j <= MapSide; ++j) {
                const float a = m_map.act(i, j);
                if (a > 0) {
                    const float h = float(0.5 - a / 2.0);
                    const QPointF corner((i - 1) + double(h), (j - 1) + double(h));
                    picSenseMap->filledBox(corner, corner + QPointF(a, a));
                }
            }
        }
    }
    picSenseMap->refresh();
}

void Form1::showWinner(int maxi, int maxj)
{
    {
        host::Canvas::Batch batch(*picSenseMap);
        clearMap();
        picSenseMap->setForeColor(red);
        picSenseMap->filledBox(QPointF(maxi - 1, maxj - 1), QPointF(maxi, maxj));
    }
    picSenseMap->refresh();
}

} // namespace somatomap
