// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/network.h"
#include "host/forms/form.h"
#include "host/forms/learning_curve.h"

#include <array>
#include <cstdint>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace host {
class PictureArea;
}

namespace calc {

// The numeral identifier window: the learning controls, the choice of output rule, Stop and
// ReStart, a keypad of the sixteen numerals that shows a numeral's segments and tests the
// network on it, and three displays: the seven-segment input figure, the sixteen output boxes
// and the weight diagram. The network and the run flags live here from load to the end.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    const Network &network() const { return m_net; }
    bool running() const { return m_running; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void commLearn_Click();
    void CommandRestart_Click();
    void CommandHalt_Click();
    void commShownum_Click(int16_t index);
    void commProcessIp_Click();
    void Image1_Click();
    void Image2_Click();
    void Picture1_Click(int16_t index);
    void Check1_Click();
    void Command1_Click();
    void menAbout_Click();

    // The learning curve of the current and the previous run, and its window.
    const host::LearningCurve &curve() const { return m_curve; }
    host::LearningCurveWindow &curveWindow() { return m_curveWindow; }

    // Displays
    void clear_segments();
    void show_input(int16_t pattern);
    void show_outputs();
    void draw_weight_grid();
    void show_weights();

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void createControls();
    void bindEvents();
    void exposeState();
    // Exports and the learning curve
    void bindExports();
    std::string weightsCsv() const;

    // Learning driver
    struct RunSettings
    {
        int16_t epochs = 0;
        float lrate = 0;
    };
    RunSettings readRunSettings() const;
    void learn(bool fresh, RunSettings settings);
    void present(int16_t pattern);
    void shuffle_order();
    OutputRule outputRule() const;
    int16_t nextNumeralWithPattern(int step) const;

    Network m_net;

    bool m_running = false;
    bool m_displayLearning = false;
    bool m_learnSlowly = false;
    int16_t m_shownNumeral = 0;
    int16_t m_shownPattern = 0;

    host::PictureArea *picWts = nullptr;
    std::array<host::PictureArea *, 7> Picture1 {};
    std::array<host::PictureArea *, 16> picOpnode {};
    QPushButton *commLearn = nullptr;
    QLineEdit *txtIpepoques = nullptr;
    QLineEdit *txtLrate = nullptr;
    QLineEdit *txtEpoques = nullptr;
    QLineEdit *txtError = nullptr;
    QCheckBox *chkGoSlow = nullptr;
    QCheckBox *chkShowWts = nullptr;
    QCheckBox *chkRandom = nullptr;
    QRadioButton *optThresh = nullptr;

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
