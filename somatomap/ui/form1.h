// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/form.h"
#include "host/forms/learning_curve.h"
#include "host/numbers/state_registry.h"
#include "somatomap/model/core.h"
#include "somatomap/ui/hand_display.h"

#include <QColor>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace host {
class PictureArea;
class ScrollBar;
} // namespace host

namespace somatomap {

// The somatomap window: the drawn hand on the left, whose 24 regions light up when touched,
// and the 20 x 20 sensory map on the right with the buttons that sharpen its response and
// train its weights. The core holds the map and the run state; the window binds its controls
// to the core's operations and supplies what the core reads and shows.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // The map's state, open to tests and benchmarks.
    Core &core() { return m_core; }
    SensoryMap &map() { return m_core.map; }
    int16_t partTouched() const { return m_core.partTouched; }
    bool stopLearning() const { return m_core.stopLearning; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void onHandPicture(int index); // picHandF1
    void onHandPartOption(int index); // optHandPart
    void onCleanHand(); // commCleanHand
    void onPeakRadiusChange(); // hsbPeakrad
    void onStepwiseEnhance(); // commIncCont
    void onFindPeakActivity(); // CommFindWinner
    void onResetWeights(); // commReset
    void onLearnStimulus(); // commLrn
    void onMapWholeHand(); // commLrnHand
    void onAbort(); // commAbort

    // The learning curve of the current and the previous whole-hand run, and its window.
    const host::LearningCurve &curve() const { return m_curve; }
    host::LearningCurveWindow &curveWindow() { return m_curveWindow; }

    // The pause after each stimulus of a whole-hand run, so the eye can follow it (5 ms; a
    // script's pauses take no time). Measurements of the run's own work set it to 0.
    void setStimulusPause(int milliseconds) { m_stimulusPauseMs = milliseconds; }

    // Displays
    void showSensoryMap(bool noRefresh, std::optional<QColor> col = std::nullopt);
    void showWinner(int maxi, int maxj);

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void findControls();
    void bindEvents();
    void bindCore();
    // Exports and the learning curve
    void bindExports();
    void bindSession();
    void onSessionOpened();
    std::string mapCsv() const;

    Similarity similarity() const;

    Core m_core;
    host::StateRegistry m_state;
    // What a session holds beside the core's state: the learning curves.
    host::StateRegistry m_displays;
    int m_stimulusPauseMs = 5;

    host::PictureArea *picture1 = nullptr;
    host::PictureArea *picOff = nullptr;
    HandRegions picHandF1 {};
    std::array<host::PictureArea *, 4> picActivityCol {};
    std::array<QRadioButton *, 4> optHandPart {};
    host::PictureArea *picSenseMap = nullptr;
    QCheckBox *chkMapOn = nullptr;
    QRadioButton *optDotProd = nullptr;
    QRadioButton *optRadBas = nullptr;
    host::ScrollBar *hsbPeakrad = nullptr;
    QLineEdit *txtPeakrad = nullptr;
    QLineEdit *txtLrate = nullptr;
    QLineEdit *txtNumTrials = nullptr;
    QLineEdit *txtTrialNum = nullptr;
    QLineEdit *txtCurrentRad = nullptr;
    QLineEdit *txtError = nullptr;

    host::LearningCurve m_curve;
    host::LearningCurveWindow m_curveWindow {"frmLearningCurve",
                                             "Learning curve",
                                             {"Trial", "Error", "trial", "error", "radius drops"},
                                             m_curve};
};

} // namespace somatomap
