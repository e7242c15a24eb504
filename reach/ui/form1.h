// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/form.h"
#include "reach/model/population.h"

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
// The population and geometry state lives here for the whole run of the program; every
// handler reads the switches from the controls at the moment it needs them.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    const Model &model() const { return m_model; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void commReach_Click();
    void commRestart_Click();
    void itSim_Click(int index);
    void itAll_Click();
    void commDelPath_Click();
    void opInk_Click(int index);
    void picInk_Click(int index);
    void commPrint_Click();
    void ckKill_Click();
    void picture1_MouseDown(QPointF at);
    void picture1_MouseMove(QPointF at);

    // A reach gives up after this many steps: far more than crossing the display at the
    // slowest speed takes.
    static constexpr int maxReachSteps = 10000;

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
    void addToolTips();
    void bindEvents();
    void exposeState();
    // Exports: the numbers behind the two displays
    void bindExports();
    std::string cellsCsv() const;
    std::string handPathCsv() const;

    static bool ticked(const QCheckBox *box);
    Switches switches() const;
    void cellResponse();
    void bindSlider(host::ScrollBar *bar, std::function<void(int)> store);

    // Displays
    void showCells();
    void showBars();
    void drawBaseline();

    // Reach driver
    void placeThing(bool target, float x, float y);
    void placePreset(bool target, int index);
    void placeChosen(QPointF at, bool dragging);
    void doReach();
    void moveHand(float x, float y);
    void putHandAtOrigin();
    void choosePathColour(int index);

    // Printing
    void printHandDisplay();
    void printCells();
    void printParams(float x, float y, float dy);

    Model m_model;
    int16_t m_step = 0;
    int m_stepPauseMs = defaultStepPauseMs;
    bool m_movingThings = false;
    // Where the hand went in the reaches drawn since the hand display was last cleared: the
    // start of each reach (step 0) and the hand after every step.
    struct PathPoint
    {
        int reach;
        int step;
        float x;
        float y;
    };
    std::vector<PathPoint> m_handPath;
    int m_pathReaches = 0;
    // The page holds its frame, marks and settings but could not be sent yet.
    bool m_furnitureOnPage = false;

    host::PictureArea *picture1 = nullptr;
    host::PictureArea *cell1 = nullptr;
    host::PictureArea *target = nullptr;
    host::PictureArea *distractor = nullptr;
    host::PictureArea *Hand = nullptr;
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
