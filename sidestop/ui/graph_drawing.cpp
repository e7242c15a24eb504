// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawings of the graph window: axes with ticks and printed values, the input bars, the
// online bar redraw and the activation history.

#include "sidestop/ui/graph_drawing.h"

#include "host/forms/canvas.h"
#include "host/forms/colors.h"
#include "host/numbers/number_text.h"

#include <algorithm>

namespace sidestop {

namespace {

constexpr double barHalfWidth = 0.25;

void printNumber(host::Canvas &canvas, double value)
{
    canvas.print(QString::fromStdString(host::printed(host::doubleText(value))));
}

// Clears the canvas and draws axes for x from 0 to xmax and y from 0 to 1, with a tenth of
// each range as margin around them: x ticks every 1 with their values below, y ticks every
// 0.1 with their values to the left, in the canvas's current fore colour and width.
void drawAxes(host::Canvas &canvas, double xmax)
{
    const double xmin = 0, xstep = 1, ymin = 0, ymax = 1, ystep = 0.1;
    const double xmargin = (xmax - xmin) / 10, ymargin = (ymax - ymin) / 10;
    canvas.cls();
    canvas.setScale(-(xmin + xmargin), ymax + ymargin, xmax + xmargin, -(ymin + ymargin));
    canvas.line({-xmargin / 2, 0}, {xmax, 0});
    canvas.line({0, -ymargin / 2}, {0, ymax});
    for (double x = xmin; x <= xmax; x += xstep) {
        canvas.setCurrentPoint({x, ymin});
        canvas.lineBy({0, -ymargin / 4});
        canvas.setCurrentX(x - xstep / 4);
        printNumber(canvas, x);
    }
    // The value is summed as the user sees it: after ten steps of 0.1 it is
    // 0.9999999999999999, still within the range, so the tick at 1 is drawn too.
    for (double y = ymin; y <= ymax; y += ystep) {
        canvas.setCurrentPoint({xmin, y});
        canvas.lineBy({-xmargin / 4, 0});
        canvas.setCurrentY(y + ystep / 4);
        canvas.setCurrentX(xmin - xmargin);
        printNumber(canvas, y);
    }
}

// A unit's box from the axis up (or down) to its height. A height beyond the canvas is cut at
// its edge: the painter draws nothing at all for coordinates far outside the image.
void unitBar(host::Canvas &canvas, int unit, double height)
{
    const double top = canvas.scaleTop(), bottom = top + canvas.scaleHeight();
    height = std::clamp(height, std::min(top, bottom), std::max(top, bottom));
    const double x = unit + 1;
    canvas.box({x - barHalfWidth, height}, {x + barHalfWidth, 0});
}

void setColors(host::Canvas &canvas, QColor color)
{
    canvas.setForeColor(color);
    canvas.setFillColor(color);
}

} // namespace

QColor unitColor(int unit) { return host::QBColor(14 - unit); }

void drawInputBars(host::Canvas &canvas, const Simulation &sim)
{
    drawAxes(canvas, 10);
    for (int i = 0; i < unitCount; ++i)
        unitBar(canvas, i, float(sim.net.extip[i]));
}

void drawTimeAxes(host::Canvas &canvas, const Simulation &sim) { drawAxes(canvas, sim.niter); }

void drawHistory(host::Canvas &canvas, const Simulation &sim)
{
    const std::vector<Units> &history = sim.actHistory;
    canvas.cls();
    drawAxes(canvas, double(history.size()));
    // The marker takes whatever colour and width the canvas has: the last curve's after a plot.
    canvas.line({double(sim.extipOff), 0}, {double(sim.extipOff), 1});
    canvas.setDrawWidth(3);
    for (int k = 0; k < unitCount; ++k) {
        canvas.setCurrentPoint({0, 0});
        canvas.setForeColor(unitColor(k));
        for (std::size_t t = 1; t <= history.size(); ++t)
            canvas.lineTo({double(t), history[t - 1][std::size_t(k)]});
    }
    canvas.setDrawWidth(1);
}

void redrawBar(host::Canvas &canvas, int unit, float level, std::optional<float> shownBefore,
               QColor back)
{
    const QColor color = unitColor(unit);
    setColors(canvas, color);
    if (shownBefore && *shownBefore < level) {
        unitBar(canvas, unit, level);
    } else {
        setColors(canvas, back);
        unitBar(canvas, unit, shownBefore ? double(*shownBefore) : canvas.scaleTop());
        setColors(canvas, color);
        unitBar(canvas, unit, level);
    }
}

} // namespace sidestop
