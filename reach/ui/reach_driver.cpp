// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing target and distractor, and the reaches: REACH with its optional comparison,
// RESTART, and the series of reaches of the "Simulations" menu.

#include "reach/ui/form1.h"

#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/forms/picture_area.h"
#include "host/forms/printer_page.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "reach/model/reach_step.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace reach {

namespace {

// The preset places ("Near Right", "Near Left", "Far Right", "Far Left") as the top-left
// corner of the target or distractor picture.
constexpr std::array<QPoint, 4> presets {QPoint(30, 50), QPoint(-30, 50), QPoint(30, 100),
                                         QPoint(-30, 100)};

void showNumber(QLineEdit *box, float value)
{
    host::showText(box, QString::fromStdString(host::floatText(value)));
}

} // namespace

// Moves the target (or the distractor) picture so that its top-left corner is at (x, y); the
// point the model uses lies 2 units in from that corner.
void Form1::placeThing(bool isTarget, float x, float y)
{
    host::PictureArea *picture = isTarget ? target : distractor;
    picture1->moveChild(picture, QPointF(x, y));
    const float pointX = float(double(x) + 2);
    const float pointY = float(double(y) - 2);
    if (isTarget) {
        m_model.targetx = pointX;
        m_model.targety = pointY;
        showNumber(txtTxpos, pointX);
        showNumber(txtTypos, pointY);
    } else {
        m_model.distractorx = pointX;
        m_model.distractory = pointY;
        showNumber(txtDxpos, pointX);
        showNumber(txtDypos, pointY);
    }
}

void Form1::placePreset(bool isTarget, int index)
{
    const QPoint place = presets[std::size_t(index)];
    placeThing(isTarget, float(place.x()), float(place.y()));
}

// One reach from wherever the hand is: step after step along the population vector until
// the hand has come within 2 units of the target (one step more, as the distance tested is
// the one before the latest move) or has risen more than 10 units above it.
void Form1::doReach()
{
    m_step = stepLength(int16_t(hsbSpeed->value()));
    picture1->setCurrentPoint(QPointF(0, 0));
    if (ticked(chkPrinting) && optPrintHand->isChecked())
        host::printer().setCurrentPoint(QPointF(0, 0));
    cellResponse();
    m_handPath.push_back({++m_pathReaches, 0, m_model.handx, m_model.handy});
    for (int steps = 0; reachContinues(m_model); ++steps) {
        if (steps == maxReachSteps)
            throw host::Fault(host::Fault::Kind::Invalid,
                              "The hand has not reached the target after "
                                  + std::to_string(maxReachSteps)
                                  + " steps, so the reach was stopped there.");
        stepHand(m_model, switches(), m_step);
        moveHand(m_model.handx, m_model.handy);
        showCells();
        // Lets the new frame show; no input is handled until the reach has ended.
        if (steps < pacedSteps)
            host::pause(m_stepPauseMs);
    }
}

// Shows one step: the hand picture with its fingertip at (x, y), the path segment, the
// stored path on the printer page, and the position texts.
void Form1::moveHand(float x, float y)
{
    picture1->moveChild(Hand, QPointF(double(x) - 10, y));
    m_handPath.push_back(
        {m_pathReaches, m_handPath.empty() ? 1 : m_handPath.back().step + 1, x, y});
    if (ticked(chkOnLinePath))
        picture1->lineTo(QPointF(x, y));
    showNumber(txtHandx, x);
    showNumber(txtHandy, y);
    picture1->refresh();
    host::PrinterPage &page = host::printer();
    if (ticked(chkPrinting)) {
        if (ticked(chkSeeDistractor))
            page.setDrawWidth(3);
        page.lineTo(QPointF(x, y));
    }
    page.setDrawWidth(1);
}

void Form1::putHandAtOrigin()
{
    m_model.handx = 0;
    m_model.handy = 0;
    picture1->moveChild(Hand, QPointF(-10, 0));
}

void Form1::commReach_Click()
{
    // The keyboard focus leaves the greyed button for RESTART, not for the next control in
    // the tab order (a Space there would arm target placing unseen).
    commRestart->setFocus();
    commReach->setEnabled(false);
    if (ticked(chkPrinting) && optPrintHand->isChecked())
        host::printer().setScale(-100, 200, 100, -50);
    if (!ticked(chkWithWithout)) {
        doReach();
        return;
    }
    // The same reach without and then with the distractor, in two path colours.
    host::setCheckValue(chkOnLinePath, 1);
    host::setCheckValue(chkSeeDistractor, 0);
    choosePathColour(4);
    try {
        doReach();
    } catch (const host::Fault &) {
        // The first reach stopped short (its step limit): the switches, the path colour and
        // REACH are left as the end of the comparison leaves them, the hand where it stopped.
        commReach->setEnabled(true);
        host::setCheckValue(chkSeeDistractor, 1);
        choosePathColour(3);
        throw;
    }
    commRestart_Click();
    host::setCheckValue(chkSeeDistractor, 1);
    choosePathColour(3);
    doReach();
}

void Form1::commRestart_Click()
{
    commReach->setEnabled(true);
    putHandAtOrigin();
    if (ticked(chkPrinting))
        host::printer().setCurrentPoint(QPointF(0, 0));
    showNumber(txtHandx, 0);
    showNumber(txtHandy, 0);
    cellResponse();
    showCells();
}

// Three reaches to the target at preset Index, with the distractor at each other preset.
void Form1::itSim_Click(int index)
{
    placePreset(true, index);
    for (int place = 0; place < int(presets.size()); ++place) {
        if (place == index)
            continue;
        placePreset(false, place);
        doReach();
        putHandAtOrigin();
    }
}

void Form1::itAll_Click()
{
    for (int index = 0; index < int(presets.size()); ++index)
        itSim_Click(index);
}

} // namespace reach
