// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/learning_curve.h"

#include "host/forms/controls.h"
#include "host/forms/csv_table.h"
#include "host/forms/export_menu.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"

#include <QFontMetricsF>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace host {

namespace {

const QColor currentColor(0, 0, 160);
const QColor previousColor(160, 160, 160);

// The smallest of 1, 2, 5 times a power of ten that is at least the value.
double niceAbove(double value)
{
    if (!(value > 0) || !std::isfinite(value))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= value * (1 - 1e-12))
            return factor * power;
    return 10 * power;
}

QString tickText(double value) { return QString::number(value, 'g', 6); }

// Ticks that fall on round numbers: fifths of an axis end of 1 or 5 times a power of ten,
// quarters of one of 2.
int tickCount(double axisEnd)
{
    const double leading = axisEnd / std::pow(10.0, std::floor(std::log10(axisEnd)));
    return std::lround(leading) == 2 ? 4 : 5;
}

} // namespace

LearningCurveWindow::LearningCurveWindow(const QString &name, const QString &caption,
                                         CurveLabels labels, LearningCurve &curve)
    : Form(name, caption, 6600, 4800)
    , m_labels(std::move(labels))
    , m_curve(curve)
{
    setColors(client(), QColor(255, 255, 255));
    layOut(client(), {{"", "picCurve", ControlKind::Picture, "", {120, 120, 6360, 4560}}});
    m_plot = control<PictureArea>("picCurve");
    setCsvData(m_plot, [this] { return csvText(); });
    setExportName(m_plot, "learning curve");
    setResizable(3300, 2400);
}

void LearningCurveWindow::formLoad() { redraw(); }

bool LearningCurveWindow::placePlot()
{
    const int margin = twipsToPixels(120, zoomPercent() / 100.0);
    const QRect place = client()->rect().adjusted(margin, margin, -margin, -margin);
    if (place.size() == m_plot->size() || place.isEmpty())
        return false;
    m_plot->setGeometry(place);
    return true;
}

// Drawn again at its new size.
void LearningCurveWindow::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (placePlot() && isLoaded()) {
        redraw();
        m_plot->refresh();
    }
}

void LearningCurveWindow::zoomChanged()
{
    placePlot();
    redraw();
    m_plot->refresh();
}

double LearningCurveWindow::stepsShown() const
{
    return niceAbove(
        double(std::max({m_curve.current.size(), m_curve.previous.size(), std::size_t(10)})));
}

double LearningCurveWindow::errorShown() const
{
    return niceAbove(m_labels.finalJump.isEmpty() ? m_curve.largest()
                                                  : m_curve.largestBelowFinalJumps());
}

void LearningCurveWindow::startRun()
{
    m_curve.startRun();
    curveChanged();
}

void LearningCurveWindow::addStep(float error)
{
    m_curve.add(error);
    curveChanged();
}

void LearningCurveWindow::open()
{
    show();
    raise();
}

void LearningCurveWindow::curveReplaced()
{
    if (!isLoaded())
        return;
    redraw();
    m_plot->refresh();
}

void LearningCurveWindow::curveChanged()
{
    if (!isLoaded())
        return; // drawn in full when the window opens
    const std::size_t steps = m_curve.current.size();
    if (steps == m_drawn + 1 && steps > 1 && stepsShown() == m_steps && errorShown() == m_error
        && m_jumpNote.isEmpty() && jumpNote().isEmpty()) {
        // Only the newest step: one more line segment (none to or from an error that is no
        // number).
        const float from = m_curve.current[steps - 2];
        const float to = m_curve.current[steps - 1];
        m_plot->setForeColor(currentColor);
        m_plot->setDrawWidth(2);
        const QPointF at(double(steps), to);
        if (std::isfinite(to))
            drawStep(std::isfinite(from) ? QPointF(double(steps - 1), from) : at, at);
        m_drawn = steps;
    } else {
        redraw();
    }
    m_plot->refresh();
}

// The plot area runs from 0 to the axis ends, with room left of it and below it for the
// numbers and the axis names.
void LearningCurveWindow::redraw()
{
    m_steps = stepsShown();
    m_error = errorShown();
    const double x = m_steps;
    const double y = m_error;
    Canvas::Batch batch(*m_plot);
    m_plot->setScale(-0.17 * x, 1.1 * y, 1.05 * x, -0.2 * y);
    // The font of the opening size, smaller in a window made smaller.
    const double fit = std::min(m_plot->width() / 424.0, m_plot->height() / 304.0);
    m_plot->setFontSize(8 * std::clamp(fit, 0.6, 1.0));
    m_plot->setDrawWidth(1);
    m_plot->cls();

    m_plot->setForeColor(Qt::black);
    m_plot->line(QPointF(0, 0), QPointF(x, 0));
    m_plot->line(QPointF(0, 0), QPointF(0, y));
    const double tickX = 0.015 * x;
    const double tickY = 0.02 * y;
    const int stepTicks = tickCount(x);
    for (int k = 0; k <= stepTicks; ++k) {
        const double step = x * k / stepTicks;
        m_plot->line(QPointF(step, 0), QPointF(step, -tickY));
        m_plot->setCurrentPoint(QPointF(step - 0.015 * x, -1.5 * tickY));
        m_plot->print(tickText(step));
    }
    const int errorTicks = tickCount(y);
    for (int k = 0; k <= errorTicks; ++k) {
        const double error = y * k / errorTicks;
        m_plot->line(QPointF(0, error), QPointF(-tickX, error));
        m_plot->setCurrentPoint(QPointF(-0.15 * x, error + 0.03 * y));
        m_plot->print(tickText(error));
    }
    m_plot->setCurrentPoint(QPointF(0.45 * x, -0.1 * y));
    m_plot->print(m_labels.stepAxis);
    m_plot->setCurrentPoint(QPointF(0.02 * x, 1.09 * y));
    m_plot->print(m_labels.errorAxis);
    drawSeries(m_curve.previous, previousColor, 1);
    drawSeries(m_curve.current, currentColor, 2);
    m_plot->setDrawWidth(1);
    drawLegend();
    m_drawn = m_curve.current.size();
}

// What the legend says of a final jump the axis leaves out: the current run's, else the
// previous run's (empty for none).
QString LearningCurveWindow::jumpNote() const
{
    if (m_labels.finalJump.isEmpty())
        return {};
    const bool current = m_curve.currentEndsWithJump();
    if (!current && !m_curve.previousEndsWithJump())
        return {};
    const float value = current ? m_curve.current.back() : m_curve.previous.back();
    return QStringLiteral("last %1 (%2) off the scale: %3")
        .arg(m_labels.stepAxis.toLower(), m_labels.finalJump, QString::number(value, 'g', 3));
}

// The run before, while there is one, and the final jump the axis leaves out, one line under
// the other, ending at the right edge of the plot, drawn over the curve.
void LearningCurveWindow::drawLegend()
{
    const double x = m_steps;
    m_plot->setCurrentPoint(QPointF(0.55 * x, 1.09 * m_error));
    const QFontMetricsF metrics(m_plot->Canvas::font(), m_plot);
    const double unitsPerPixel = m_plot->scale().width() / m_plot->width();
    auto line = [&](QColor color, const QString &text) {
        const double width = metrics.horizontalAdvance(text) * unitsPerPixel;
        // On white, over the jump's line where they meet.
        const QPointF at(std::max(0.25 * x, 1.04 * x - width), m_plot->currentY());
        m_plot->setForeColor(Qt::white);
        m_plot->filledBox(at, at + QPointF(width, m_plot->scale().toUserHeight(metrics.height())));
        m_plot->setForeColor(color);
        m_plot->setCurrentPoint(at);
        m_plot->print(text);
    };
    if (!m_curve.previous.empty())
        line(previousColor, "grey: the run before");
    m_jumpNote = jumpNote();
    if (!m_jumpNote.isEmpty())
        line(m_curve.currentEndsWithJump() ? currentColor : previousColor, m_jumpNote);
}

void LearningCurveWindow::drawStep(QPointF from, QPointF to)
{
    const double top = m_error;
    if (from.y() > top && to.y() > top)
        return;
    auto cut = [top](QPointF inside, QPointF outside) {
        return inside + (outside - inside) * ((top - inside.y()) / (outside.y() - inside.y()));
    };
    if (to.y() > top)
        to = cut(from, to);
    else if (from.y() > top)
        from = cut(to, from);
    m_plot->line(from, to);
}

void LearningCurveWindow::drawSeries(const std::vector<float> &errors, QColor color, int width)
{
    m_plot->setForeColor(color);
    m_plot->setDrawWidth(width);
    for (std::size_t n = 0; n < errors.size(); ++n) {
        const QPointF at(double(n + 1), errors[n]);
        if (!std::isfinite(errors[n]))
            continue;
        if (n == 0 || !std::isfinite(errors[n - 1]))
            drawStep(at, at);
        else
            drawStep(QPointF(double(n), errors[n - 1]), at);
    }
}

std::string LearningCurveWindow::csvText() const
{
    CsvTable table({m_labels.stepColumn, m_labels.errorColumn,
                    std::string("previous ").append(m_labels.errorColumn)});
    const std::size_t steps = std::max(m_curve.current.size(), m_curve.previous.size());
    for (std::size_t n = 0; n < steps; ++n) {
        table.startRow();
        table.cell(int32_t(n + 1));
        for (const auto *errors : {&m_curve.current, &m_curve.previous}) {
            if (n < errors->size())
                table.cell((*errors)[n]);
            else
                table.textCell("");
        }
    }
    return table.text();
}

} // namespace host
