// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/form1.h"
#include "reach/ui/hand_display.h"
#include "reach/ui/help.h"

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/picture_area.h"
#include "reach/model/state.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace reach {

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "reach", 12270, 8895, parent)
    , m_state(stateRegistry(m_core))
{
    createControls();
    bindEvents();
    host::exposeState(m_state, this);
    bindExports();
    addHelp(*this);
    bindSession();
}

void Form1::formLoad()
{
    picture1->setScale(handDisplay.left, handDisplay.top, handDisplay.right, handDisplay.bottom);
    // Selecting swatch 5 applies its colour, so that the baseline and the first paths are
    // drawn in the colour the form shows as chosen.
    opInk[5]->setChecked(true);
    onInkOption(5);
    drawBaseline(*picture1);
    noteBaselineInk();
    cell1->setScale(-2, 2, 2, -1);

    m_core.startUp();
    showHandAtOrigin();
    showPlace(true, startTargetCorner);
    showPlace(false, startDistractorCorner);
    cellResponse();
    m_core.movingThings = false;
}

void Form1::bindEvents()
{
    host::onClick(commReach, [this] { onReach(); });
    // Enter anywhere on the form reaches, unless a button has the focus (it presses that one).
    setDefaultButton(commReach);
    host::onClick(commRestart, [this] { onRestart(); });
    host::onClick(commDelPath, [this] { onDeletePath(); });
    host::onClick(commPrint, [this] { onPrint(); });
    host::onClick(ckKill, [this] { onKillPrint(); });

    for (int i = 3; i <= 6; ++i) {
        host::onClick(opInk[i], [this, i] { onInkOption(i); });
        host::onClick(picInk[i], [this, i] { onInkSwatch(i); });
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

    Model &model = m_core.model;
    bindSlider(hsbCelltune, [&model](int value) { model.tuningWidth = float(value / 5.0); });
    bindSlider(hsbAttended, [&model](int value) { model.attnBoost = float(value / 100.0 + 1); });
    bindSlider(hsbSuppLevel, [&model](int value) { model.inhibLevel = float(value / 100.0); });

    host::onMouseDown(picture1, [this](int, int, QPointF at) { onHandDisplayPress(at); });
    host::onMouseMove(picture1, [this](int, int, QPointF at) { onHandDisplayMove(at); });
    host::onMouseUp(picture1, [this](int, int, QPointF) { m_core.movingThings = false; });
    host::onMouseDown(target, [this](int, int, QPointF) {
        host::deselect(optDistractor);
        optTarget->setChecked(true);
    });
    host::onMouseUp(target, [this](int, int, QPointF) { m_core.movingThings = false; });
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

void Form1::cellResponse() { m_core.cellResponse(switches()); }

// Pressing on the hand display puts the object chosen by the placing options there, its
// top-left corner at the pointer; dragging carries it along and the cells follow live. A
// press with the distractor changes the responses only while the distractor is responded
// to; a drag always recomputes.
void Form1::onHandDisplayPress(QPointF at)
{
    if (optTarget->isChecked() || optDistractor->isChecked()) {
        m_core.movingThings = true;
        placeChosen(at, false);
    }
    picture1->refresh();
}

void Form1::onHandDisplayMove(QPointF at)
{
    if (m_core.movingThings)
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
