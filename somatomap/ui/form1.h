// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/form.h"
#include "host/forms/learning_curve.h"
#include "somatomap/model/sensory_map.h"
#include "somatomap/model/similarity.h"

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

struct WholeHandPlan;

// The somatomap window: the drawn hand on the left, whose 24 regions light up when touched,
// and the 20 x 20 sensory map on the right with the buttons that sharpen its response and
// train its weights. The map's arrays live here from load to the end of the program; every
// handler reads the boxes and options at the moment it needs them.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // The map's state, open to tests and benchmarks.
    SensoryMap &map() { return m_map; }
    int16_t partTouched() const { return m_partTouched; }
    bool stopLearning() const { return m_stopLearning; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void picHandF1_Click(int index);
    void optHandPart_Click(int index);
    void commCleanHand_Click();
    void hsbPeakrad_Change();
    void commIncCont_Click();
    void CommFindWinner_Click();
    void commReset_Click();
    void commLrn_Click();
    void commLrnHand_Click();
    void commAbort_Click();

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
    void exposeState();
    // Exports and the learning curve
    void bindExports();
    std::string mapCsv() const;

    Similarity similarity() const;
    bool mapActive() const;
    double bubbleRadius() const;
    double learningRate() const;

    // Hand display
    void LightUpHandPart(int index, bool inIsolation, std::optional<QColor> col = std::nullopt);
    void activateHandPart(int index);
    // Map display
    void drawGrid();
    void clearMap();

    // Learning driver
    struct Winner
    {
        bool found = false;
        int16_t i = 0;
        int16_t j = 0;
    };
    Winner findWinner(int16_t region) const;
    void enhance(int steps);
    void learnWholeHand(const WholeHandPlan &plan);
    void runTrials(const WholeHandPlan &plan);
    bool presentStimuli(int16_t radius);

    SensoryMap m_map;
    int16_t m_partTouched = 0; // the region last touched in isolation
    bool m_stopLearning = false; // Abort asks the running whole-hand learning to stop
    int m_stimulusPauseMs = 5;

    host::PictureArea *Picture1 = nullptr;
    host::PictureArea *picOff = nullptr;
    std::array<host::PictureArea *, RegionCount> picHandF1 {};
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
