// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two displays as the window shows them: the cell responses as spokes or bars, the hand
// display's paths and their colour.

#include "reach/ui/form1.h"

#include "host/forms/picture_area.h"
#include "reach/ui/cell_plots.h"
#include "reach/ui/hand_display.h"

#include <QCheckBox>
#include <QRadioButton>

namespace reach {

void Form1::showCells()
{
    drawCellDisplay(*cell1, m_core.model, ticked(chkBarChart), ticked(chkColCode));
    cell1->refresh();
}

void Form1::onDeletePath()
{
    picture1->cls();
    m_core.clearPath();
    drawBaseline(*picture1);
    noteBaselineInk();
}

// Paths are drawn in the hand display's fore colour; the swatches hold the choices.
void Form1::onInkOption(int index) { picture1->setForeColor(picInk[index]->backColor()); }

void Form1::onInkSwatch(int index) { choosePathColour(index); }

void Form1::choosePathColour(int index)
{
    onInkOption(index);
    opInk[index]->setChecked(true);
}

} // namespace reach
