// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two displays: the cell responses as spokes or bars, the hand display's baseline and
// path colour.

#include "reach/ui/form1.h"

#include "host/forms/picture_area.h"
#include "reach/ui/cell_plots.h"

#include <QCheckBox>
#include <QRadioButton>

#include <cmath>

namespace reach {

void Form1::showCells()
{
    cell1->cls();
    cell1->setForeColor(Qt::black);
    if (ticked(chkBarChart))
        showBars();
    else
        drawSpokes(*cell1, m_model, ticked(chkColCode));
    cell1->refresh();
}

// One bar a spacing apart per cell, with a spacing free at either end of the display.
void Form1::showBars()
{
    const double width = cell1->scaleWidth();
    const float spacing = float(width / (m_model.ncells + 2));
    const double right = width - std::abs(cell1->scaleLeft());
    drawBars(*cell1, m_model, right, spacing, ticked(chkColCode));
}

void Form1::drawBaseline() { picture1->line(QPointF(-100, 0), QPointF(100, 0)); }

void Form1::commDelPath_Click()
{
    picture1->cls();
    m_handPath.clear();
    m_pathReaches = 0;
    drawBaseline();
}

// Paths are drawn in the hand display's fore colour; the swatches hold the choices.
void Form1::opInk_Click(int index) { picture1->setForeColor(picInk[index]->backColor()); }

void Form1::picInk_Click(int index) { choosePathColour(index); }

void Form1::choosePathColour(int index)
{
    opInk_Click(index);
    opInk[index]->setChecked(true);
}

} // namespace reach
