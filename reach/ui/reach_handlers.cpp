// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing target and distractor, and the reaches: REACH with its optional comparison,
// RESTART, and the series of reaches of the "Simulations" menu, shown as the core makes them.

#include "reach/ui/form1.h"
#include "reach/ui/hand_display.h"

#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/forms/picture_area.h"
#include "host/forms/printer_page.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace reach {

// Moves the target (or the distractor) picture so that its top-left corner is at (x, y), a
// place the display can show, and the core's point with it.
void Form1::placeThing(bool isTarget, float x, float y)
{
    picture1->moveChild(isTarget ? target : distractor, QPointF(x, y));
    m_core.placeThing(isTarget, x, y);
    showPlaceNumbers(isTarget);
}

void Form1::showPlace(bool isTarget, Corner corner)
{
    picture1->moveChild(isTarget ? target : distractor, QPointF(corner.x, corner.y));
    showPlaceNumbers(isTarget);
}

void Form1::showPlaceNumbers(bool isTarget)
{
    const Model &model = m_core.model;
    if (isTarget) {
        host::showNumberText(txtTxpos, host::floatText(model.targetx));
        host::showNumberText(txtTypos, host::floatText(model.targety));
    } else {
        host::showNumberText(txtDxpos, host::floatText(model.distractorx));
        host::showNumberText(txtDypos, host::floatText(model.distractory));
    }
}

void Form1::placePreset(bool isTarget, int index)
{
    const Corner corner = presets.at(std::size_t(index));
    placeThing(isTarget, corner.x, corner.y);
}

ReachCallbacks Form1::reachCallbacks()
{
    ReachCallbacks callbacks;
    callbacks.reachStarts = [this] {
        picture1->setCurrentPoint(QPointF(0, 0));
        if (ticked(chkPrinting) && optPrintHand->isChecked())
            host::printer().setCurrentPoint(QPointF(0, 0));
    };
    callbacks.drawStep = [this] {
        showStep();
        showCells();
    };
    // Lets the new frame show; no input is handled until the reach has ended.
    callbacks.pause = [this](int steps) {
        if (steps < pacedSteps)
            host::pause(m_stepPauseMs);
    };
    callbacks.placed = [this](bool isTarget, Corner corner) { showPlace(isTarget, corner); };
    callbacks.handAtOrigin = [this] { showHandAtOrigin(); };
    return callbacks;
}

void Form1::reach() { m_core.reach(int16_t(hsbSpeed->value()), switches(), reachCallbacks()); }

// Shows one step: the hand picture with its fingertip where the hand is, the path segment,
// the stored path on the printer page, and the position texts.
void Form1::showStep()
{
    const float x = m_core.model.handx, y = m_core.model.handy;
    picture1->moveChild(hand, QPointF(double(x) - 10, y));
    if (ticked(chkOnLinePath))
        drawLatestStep(*picture1, m_core);
    notePathInk(ticked(chkOnLinePath));
    host::showNumberText(txtHandx, host::floatText(x));
    host::showNumberText(txtHandy, host::floatText(y));
    picture1->refresh();
    host::PrinterPage &page = host::printer();
    if (ticked(chkPrinting)) {
        if (ticked(chkSeeDistractor))
            page.setDrawWidth(3);
        drawLatestStep(page, m_core);
    }
    page.setDrawWidth(1);
}

void Form1::showHandAtOrigin() { picture1->moveChild(hand, QPointF(-10, 0)); }

void Form1::onReach()
{
    // The keyboard focus leaves the greyed button for RESTART, not for the next control in
    // the tab order (a Space there would arm target placing unseen).
    commRestart->setFocus();
    commReach->setEnabled(false);
    if (ticked(chkPrinting) && optPrintHand->isChecked())
        host::printer().setScale(handDisplay.left, handDisplay.top, handDisplay.right,
                                 handDisplay.bottom);
    if (!ticked(chkWithWithout)) {
        reach();
        return;
    }
    // The same reach without and then with the distractor, in two path colours.
    host::setCheckValue(chkOnLinePath, 1);
    host::setCheckValue(chkSeeDistractor, 0);
    choosePathColour(4);
    try {
        reach();
    } catch (const host::Fault &) {
        // The first reach stopped short (its step limit): the switches, the path colour and
        // REACH are left as the end of the comparison leaves them, the hand where it stopped.
        commReach->setEnabled(true);
        host::setCheckValue(chkSeeDistractor, 1);
        choosePathColour(3);
        throw;
    }
    onRestart();
    host::setCheckValue(chkSeeDistractor, 1);
    choosePathColour(3);
    reach();
}

void Form1::onRestart()
{
    commReach->setEnabled(true);
    m_core.putHandAtOrigin();
    showHandAtOrigin();
    if (ticked(chkPrinting))
        host::printer().setCurrentPoint(QPointF(0, 0));
    host::showNumberText(txtHandx, host::floatText(0.0f));
    host::showNumberText(txtHandy, host::floatText(0.0f));
    cellResponse();
    showCells();
}

void Form1::onSimulation(int index)
{
    m_core.reachSeries(index, int16_t(hsbSpeed->value()), switches(), reachCallbacks());
}

void Form1::onAllPositions()
{
    for (int index = 0; index < int(presets.size()); ++index)
        onSimulation(index);
}

} // namespace reach
