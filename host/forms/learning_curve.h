// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/form.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace host {

class PictureArea;

// The errors of a learning run, one per step (an epoch, a trial), as the program shows them,
// and those of the run before it for comparison.
struct LearningCurve
{
    std::vector<float> current;
    std::vector<float> previous;

    // A new run begins: the current one becomes the previous one.
    void startRun()
    {
        previous = std::move(current);
        current.clear();
        m_previousRun = m_currentRun;
        m_currentRun = {};
    }
    void add(float error)
    {
        current.push_back(error);
        m_currentRun.beforeLast = m_currentRun.largest;
        if (std::isfinite(error))
            m_currentRun.largest = std::max(m_currentRun.largest, error);
    }
    // The largest finite error of both runs (0 for none), kept as the steps come so that a
    // long run does not scan its whole curve at every step.
    // The curves of a saved session, as if their runs had been added step by step.
    void restore(std::vector<float> previousRun, std::vector<float> currentRun)
    {
        *this = {};
        for (float error : previousRun)
            add(error);
        startRun();
        for (float error : currentRun)
            add(error);
    }
    float largest() const { return std::max(m_currentRun.largest, m_previousRun.largest); }
    // The same, leaving out a run's last step where it jumps to more than twice the largest
    // error before it (somatomap's last trial, where the radius drops).
    float largestBelowFinalJumps() const
    {
        return std::max(m_currentRun.belowFinalJump(current),
                        m_previousRun.belowFinalJump(previous));
    }
    // Whether the current or the previous run ends with such a jump.
    bool currentEndsWithJump() const { return m_currentRun.endsWithJump(current); }
    bool previousEndsWithJump() const { return m_previousRun.endsWithJump(previous); }

private:
    struct RunLargest
    {
        float largest = 0;
        float beforeLast = 0; // the largest before the last step
        bool endsWithJump(const std::vector<float> &run) const
        {
            return run.size() >= 3 && beforeLast > 0 && std::isfinite(run.back())
                && double(run.back()) > 2.0 * double(beforeLast);
        }
        float belowFinalJump(const std::vector<float> &run) const
        {
            return endsWithJump(run) ? beforeLast : largest;
        }
    };
    RunLargest m_currentRun;
    RunLargest m_previousRun;
};

// How a learning-curve window names its axes and its CSV columns.
struct CurveLabels
{
    QString stepAxis; // "Epoch"
    QString errorAxis; // "Sum of errors"
    std::string stepColumn; // "epoch"
    std::string errorColumn; // "sum of errors"
    // Set when the error axis leaves out a run's final jump (largestBelowFinalJumps): what
    // happens at that last step, which the legend names ("radius drops").
    QString finalJump;
};

// A small window that plots a learning curve: the error of each step of the current run as
// a dark line, the previous run's in grey (named in the legend while there is one), on axes
// that grow to hold both (steps from 1, the error from 0; a final jump the labels name stays
// off the scale, its value in the legend). It is a form of its own, resizable with the plot
// drawn again at every size, opened from a menu item of the program and closed by its close
// box; its display "picCurve" exports like every picture area, its CSV holding step, current
// and previous error. The program keeps the curve (also while the window is
// closed) and tells the window of each change, which draws it at once, also inside a run.
class LearningCurveWindow : public Form
{
    Q_OBJECT

public:
    LearningCurveWindow(const QString &name, const QString &caption, CurveLabels labels,
                        LearningCurve &curve);

    // The curve changed: a new step is drawn on as a line; a new run, or a step the axes do
    // not hold, redraws the whole plot.
    void curveChanged();
    // The whole curve was replaced (a session opened): the plot is drawn again.
    void curveReplaced();
    // What a program's run tells the window: a run begins, or one more step ends with its
    // error. The curve takes it and the plot shows it at once.
    void startRun();
    void addStep(float error);
    // Shows the window in front of the others (the program's menu item).
    void open();
    PictureArea *plot() const { return m_plot; }

protected:
    void formLoad() override;
    void resizeEvent(QResizeEvent *event) override;
    void zoomChanged() override;

private:
    // The plot fills the client area but for its margin; whether its size changed.
    bool placePlot();
    void redraw();
    void drawLegend();
    void drawSeries(const std::vector<float> &errors, QColor color, int width);
    // A line between two steps, cut where it leaves the top of the error axis.
    void drawStep(QPointF from, QPointF to);
    std::string csvText() const;
    // Axis ends that hold the curve and its previous run.
    double stepsShown() const;
    double errorShown() const;
    QString jumpNote() const;

    CurveLabels m_labels;
    LearningCurve &m_curve;
    PictureArea *m_plot = nullptr;
    double m_steps = 0; // axis ends of the plot as drawn
    double m_error = 0;
    std::size_t m_drawn = 0; // steps of the current run drawn
    QString m_jumpNote; // what the legend says of a jump left off the scale
};

} // namespace host
