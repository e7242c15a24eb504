// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/form.h"
#include "host/numbers/state_registry.h"
#include "reach/model/reach_core.h"

#include <QPointF>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace host {
class PictureArea;
class ScrollBar;
} // namespace host

namespace reach {

// The reach window: the hand trajectory display on the left, the direction cell response
// display on the right, the switches, sliders and buttons below, and the "Simulations" menu.
// The core holds the model and the reach for the whole run of the program; every handler
// reads the switches from the controls at the moment it needs them.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    const Model &model() const { return m_core.model; }
    const ReachCore &core() const { return m_core; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void onReach(); // commReach
    void onRestart(); // commRestart
    void onSimulation(int index); // itSim(index)
    void onAllPositions(); // itAll
    void onDeletePath(); // commDelPath
    void onInkOption(int index); // opInk(index)
    void onInkSwatch(int index); // picInk(index)
    void onPrint(); // commPrint
    void onKillPrint(); // ckKill
    void onHandDisplayPress(QPointF at); // picture1 MouseDown
    void onHandDisplayMove(QPointF at); // picture1 MouseMove

    // Each of the first pacedSteps steps of a reach lasts at least this long, so the eye can
    // follow the hand (a default reach takes about a second; a script's pauses take no time
    // unless it asks for real time). A longer reach goes on unpaced, still drawing every
    // step, so that it keeps the window busy for about 3 s at most beyond its own work.
    // Measurements of the reach's own work set the pause to 0.
    void setStepPause(int milliseconds) { m_stepPauseMs = milliseconds; }
    static constexpr int defaultStepPauseMs = 20;
    static constexpr int pacedSteps = 150;

protected:
    void formLoad() override;

private:
    void createControls();
    void createMenu();
    void bindEvents();
    void bindSlider(host::ScrollBar *bar, std::function<void(int)> store);
    void bindExports();
    void bindSession();
    void onSessionOpened();
    void notePathInk(bool drawn);
    void noteBaselineInk();

    static bool ticked(const QCheckBox *box);
    Switches switches() const;
    void cellResponse();
    void showCells();

    // Placing and reaching
    void placeThing(bool isTarget, float x, float y);
    void showPlace(bool isTarget, Corner corner);
    void showPlaceNumbers(bool isTarget);
    void placePreset(bool isTarget, int index);
    void placeChosen(QPointF at, bool dragging);
    void reach();
    ReachCallbacks reachCallbacks();
    void showStep();
    void showHandAtOrigin();
    void choosePathColour(int index);

    ReachCore m_core;
    host::StateRegistry m_state;
    // What the hand display redraws from in a session, beside the core's path.
    host::StateRegistry m_displays;
    std::vector<int32_t> m_pathInk;
    int32_t m_baselineInk = 0;
    int m_stepPauseMs = defaultStepPauseMs;
    // The page holds its frame, marks and settings but could not be sent yet.
    bool m_furnitureOnPage = false;

    host::PictureArea *picture1 = nullptr;
    host::PictureArea *cell1 = nullptr;
    host::PictureArea *target = nullptr;
    host::PictureArea *distractor = nullptr;
    host::PictureArea *hand = nullptr;
    std::array<host::PictureArea *, 7> picInk {};
    std::array<QRadioButton *, 7> opInk {};
    std::array<QRadioButton *, 4> optTpos {};
    std::array<QRadioButton *, 4> optDpos {};

    QRadioButton *optTarget = nullptr;
    QRadioButton *optDistractor = nullptr;
    QRadioButton *optExp = nullptr;
    QRadioButton *optGauss = nullptr;
    QRadioButton *optPrintHand = nullptr;
    QRadioButton *optPrintCell = nullptr;

    QCheckBox *chkWithWithout = nullptr;
    QCheckBox *chkOnLinePath = nullptr;
    QCheckBox *chkBarChart = nullptr;
    QCheckBox *chkColCode = nullptr;
    QCheckBox *chkSeeDistractor = nullptr;
    QCheckBox *chkSuppDist = nullptr;
    QCheckBox *chkDisteffect = nullptr;
    QCheckBox *chkSidestop = nullptr;
    QCheckBox *chkPrinting = nullptr;

    QPushButton *commReach = nullptr;
    QPushButton *commRestart = nullptr;
    QPushButton *commDelPath = nullptr;
    QPushButton *commPrint = nullptr;
    QPushButton *ckKill = nullptr;

    QLineEdit *txtTxpos = nullptr;
    QLineEdit *txtTypos = nullptr;
    QLineEdit *txtDxpos = nullptr;
    QLineEdit *txtDypos = nullptr;
    QLineEdit *txtHandx = nullptr;
    QLineEdit *txtHandy = nullptr;

    host::ScrollBar *hsbSpeed = nullptr;
    host::ScrollBar *hsbCelltune = nullptr;
    host::ScrollBar *hsbAttended = nullptr;
    host::ScrollBar *hsbSuppLevel = nullptr;
};

} // namespace reach
