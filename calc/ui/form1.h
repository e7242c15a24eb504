// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/core.h"
#include "calc/model/state.h"
#include "calc/ui/displays.h"
#include "host/forms/form.h"
#include "host/forms/learning_curve.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace host {
class PictureArea;
}

namespace calc {

// The numeral identifier window: the learning controls, the choice of output rule, Stop and
// ReStart, a keypad of the sixteen numerals that shows a numeral's segments and tests the
// network on it, and three displays: the seven-segment input figure, the sixteen output boxes
// and the weight diagram. The window binds its controls to the core's calls; the network and
// the run flags live in the core.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    const Core &core() const { return m_core; }
    const Network &network() const { return m_core.net; }
    bool running() const { return m_core.run.running; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void onLearn(); // commLearn
    void onRestart(); // CommandRestart
    void onHalt(); // CommandHalt
    void onShowNumeral(int16_t numeral); // commShownum(numeral)
    void onProcessInput(); // commProcessIp
    void onPreviousNumeral(); // Image1
    void onNextNumeral(); // Image2
    void onSegmentClick(int16_t index); // Picture1(index)
    void onDisplayIo(); // Check1
    void onSeeWeights(); // Command1
    void onAbout(); // menAbout

    // The learning curve of the current and the previous run, and its window.
    const host::LearningCurve &curve() const { return m_curve; }
    host::LearningCurveWindow &curveWindow() { return m_curveWindow; }

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void createControls();
    void bindEvents();
    void bindOptions();
    RunCallbacks runCallbacks();
    void showWeights();
    // Exports and the learning curve
    void bindExports();
    void bindSession();
    void onSessionOpened();
    std::string weightsCsv() const;

    Core m_core;
    host::StateRegistry m_state = stateRegistry(m_core);
    RunCallbacks m_run;
    // The run options follow the controls that choose them.
    std::function<void()> m_syncOptions;
    // What a session holds beside the core's state: the patterns and the learning curves.
    host::StateRegistry m_displays;

    host::PictureArea *picWts = nullptr;
    SegmentBoxes picture1 {};
    OutputBoxes picOpnode {};
    QPushButton *commLearn = nullptr;
    QLineEdit *txtIpepoques = nullptr;
    QLineEdit *txtLrate = nullptr;
    QLineEdit *txtEpoques = nullptr;
    QLineEdit *txtError = nullptr;

    host::LearningCurve m_curve;
    host::LearningCurveWindow m_curveWindow {
        "frmLearningCurve",
        "Learning curve",
        {"Epoch", "Sum of errors", "epoch", "sum of errors", {}},
        m_curve};
};

// Where the pattern file is found: the current folder first, then beside the program, then
// in the folder the program's data is installed in. When it is in none of them, the name in
// the current folder (so that the report names the file the user is expected to supply).
std::string patternFilePath();

} // namespace calc
