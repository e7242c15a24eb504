// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/form1.h"
#include "reach/ui/help.h"

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/picture_area.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace reach {

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "reach", 12270, 8895, parent)
{
    createControls();
    bindEvents();
    exposeState();
    bindExports();
    addHelp(*this);
}

void Form1::formLoad()
{
    picture1->setScale(-100, 200, 100, -50);
    // Selecting swatch 5 applies its colour, so that the baseline and the first paths are
    // drawn in the colour the form shows as chosen.
    opInk[5]->setChecked(true);
    opInk_Click(5);
    drawBaseline();
    cell1->setScale(-2, 2, 2, -1);

    m_model.ncells = 100;
    m_model.attnBoost = 1.0f;
    m_model.inhibLevel = 1.0f;
    mkcells(m_model);
    m_model.cellResp.assign(std::size_t(m_model.ncells), 0.0f);
    m_model.targResp.assign(std::size_t(m_model.ncells), 0.0f);
    m_model.tuningWidth = 5.0f;
    putHandAtOrigin();

    placeThing(true, 20, 100);
    placeThing(false, -20, 100);
    cellResponse();
    m_movingThings = false;
}

void Form1::bindEvents()
{
    host::onClick(commReach, [this] { commReach_Click(); });
    // Enter anywhere on the form reaches, unless a button has the focus (it presses that one).
    setDefaultButton(commReach);
    host::onClick(commRestart, [this] { commRestart_Click(); });
    host::onClick(commDelPath, [this] { commDelPath_Click(); });
    host::onClick(commPrint, [this] { commPrint_Click(); });
    host::onClick(ckKill, [this] { ckKill_Click(); });

    for (int i = 3; i <= 6; ++i) {
        host::onClick(opInk[i], [this, i] { opInk_Click(i); });
        host::onClick(picInk[i], [this, i] { picInk_Click(i); });
    }
    for (int i = 0; i < 4; ++i) {
        host::onClick(optTpos[i], [this, i] { placePreset(true, i); });
        host::onClick(optDpos[i], [this, i] { placePreset(false, i); });
    }

    // The switches take effect when the mouse button is released over them.
    for (QWidget *control :
         std::initializer_list<QWidget *> {chkBarChart, chkDisteffect, chkSidestop,
                                           chkSeeDistractor, chkSuppDist, optExp, optGauss})
        host::onMouseUp(control, [this](int, int, QPointF) {
            cellResponse();
            showCells();
        });

    bindSlider(hsbCelltune, [this](int value) { m_model.tuningWidth = float(value / 5.0); });
    bindSlider(hsbAttended, [this](int value) { m_model.attnBoost = float(value / 100.0 + 1); });
    bindSlider(hsbSuppLevel, [this](int value) { m_model.inhibLevel = float(value / 100.0); });

    host::onMouseDown(picture1, [this](int, int, QPointF at) { picture1_MouseDown(at); });
    host::onMouseMove(picture1, [this](int, int, QPointF at) { picture1_MouseMove(at); });
    host::onMouseUp(picture1, [this](int, int, QPointF) { m_movingThings = false; });
    host::onMouseDown(target, [this](int, int, QPointF) {
        host::deselect(optDistractor);
        optTarget->setChecked(true);
    });
    host::onMouseUp(target, [this](int, int, QPointF) { m_movingThings = false; });
    host::onMouseUp(distractor, [this](int, int, QPointF) {
        optDistractor->setChecked(true);
        host::deselect(optTarget);
    });
}

// A slider's scroll (thumb dragged) and change both store its mapped value (the thumb's
// position while it is dragged) and redraw the cells.
void Form1::bindSlider(host::ScrollBar *bar, std::function<void(int)> store)
{
    host::onScrollOrChange(bar, [this, store = std::move(store)](int value) {
        store(value);
        cellResponse();
        showCells();
    });
}

void Form1::exposeState()
{
    host::exposeVariable("ncells", m_model.ncells);
    host::exposeVariable("prefDir", m_model.prefDir);
    host::exposeVariable("cellResp", m_model.cellResp);
    host::exposeVariable("targResp", m_model.targResp);
    host::exposeVariable("tuningWidth", m_model.tuningWidth);
    host::exposeVariable("targetx", m_model.targetx);
    host::exposeVariable("targety", m_model.targety);
    host::exposeVariable("distractorx", m_model.distractorx);
    host::exposeVariable("distractory", m_model.distractory);
    host::exposeVariable("handx", m_model.handx);
    host::exposeVariable("handy", m_model.handy);
    host::exposeVariable("txdist", m_model.txdist);
    host::exposeVariable("tydist", m_model.tydist);
    host::exposeVariable("targdist", m_model.targdist);
    host::exposeVariable("targdir", m_model.targdir);
    host::exposeVariable("dxdist", m_model.dxdist);
    host::exposeVariable("dydist", m_model.dydist);
    host::exposeVariable("tractordist", m_model.tractordist);
    host::exposeVariable("distdir", m_model.distdir);
    host::exposeVariable("attnBoost", m_model.attnBoost);
    host::exposeVariable("inhibLevel", m_model.inhibLevel);
    host::exposeVariable("step", m_step);
    host::exposeVariable("moving_things", m_movingThings);
}

bool Form1::ticked(const QCheckBox *box) { return host::checkValue(box) == 1; }

Switches Form1::switches() const
{
    Switches now;
    now.exponential = optExp->isChecked();
    now.distanceDependent = ticked(chkDisteffect);
    now.respondToDistractor = ticked(chkSeeDistractor);
    now.suppressDistractor = ticked(chkSuppDist);
    now.colourCode = ticked(chkColCode);
    now.lateralInhibition = ticked(chkSidestop);
    return now;
}

void Form1::cellResponse() { cell_response(m_model, switches()); }

// Pressing on the hand display puts the object chosen by the placing options there, its
// top-left corner at the pointer; dragging carries it along and the cells follow live. A
// press with the distractor changes the responses only while the distractor is responded
// to; a drag always recomputes.
void Form1::picture1_MouseDown(QPointF at)
{
    if (optTarget->isChecked() || optDistractor->isChecked()) {
        m_movingThings = true;
        placeChosen(at, false);
    }
    picture1->refresh();
}

void Form1::picture1_MouseMove(QPointF at)
{
    if (m_movingThings)
        placeChosen(at, true);
    picture1->refresh();
}

void Form1::placeChosen(QPointF at, bool dragging)
{
    const bool isTarget = optTarget->isChecked();
    if (!isTarget && !optDistractor->isChecked())
        return;
    picture1->checkChildPlace(at); // before the place is narrowed to the model's floats
    placeThing(isTarget, float(at.x()), float(at.y()));
    if (isTarget || dragging || ticked(chkSeeDistractor)) {
        cellResponse();
        showCells();
    }
}

} // namespace reach
