// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawings of the graph window: axes with ticks and printed values, the input bars, the
// online bar redraw and the activation history.

#include "sidestop/ui/graph_window.h"

#include "host/forms/colors.h"
#include "host/forms/picture_area.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <algorithm>
#include <optional>

namespace sidestop {

namespace {

constexpr double barHalfWidth = 0.25;

// Unit k (0..9) is drawn in entry 14 - k of the classic palette.
QColor unitColor(int unit) { return host::QBColor(14 - unit); }

void printNumber(host::PictureArea *area, double value)
{
    area->print(QString::fromStdString(host::printed(host::doubleText(value))));
}

// Clears the area and draws axes for x from 0 to xmax and y from 0 to 1, with a tenth of each
// range as margin around them: x ticks every 1 with their values below, y ticks every 0.1
// with their values to the left, in the area's current fore colour and width.
void drawAxes(host::PictureArea *area, double xmax)
{
    const double xmin = 0, xstep = 1, ymin = 0, ymax = 1, ystep = 0.1;
    const double xmargin = (xmax - xmin) / 10, ymargin = (ymax - ymin) / 10;
    area->cls();
    area->setScale(-(xmin + xmargin), ymax + ymargin, xmax + xmargin, -(ymin + ymargin));
    area->line({-xmargin / 2, 0}, {xmax, 0});
    area->line({0, -ymargin / 2}, {0, ymax});
    for (double x = xmin; x <= xmax; x += xstep) {
        area->setCurrentPoint({x, ymin});
        area->lineBy({0, -ymargin / 4});
        area->setCurrentX(x - xstep / 4);
        printNumber(area, x);
    }
    // The value is summed as the user sees it: after ten steps of 0.1 it is
    // 0.9999999999999999, still within the range, so the tick at 1 is drawn too.
    for (double y = ymin; y <= ymax; y += ystep) {
        area->setCurrentPoint({xmin, y});
        area->lineBy({-xmargin / 4, 0});
        area->setCurrentY(y + ystep / 4);
        area->setCurrentX(xmin - xmargin);
        printNumber(area, y);
    }
}

// A unit's box from the axis up (or down) to its height. A height beyond the area is cut at
// its edge: the painter draws nothing at all for coordinates far outside the image.
void unitBar(host::PictureArea *area, int unit, double height)
{
    const double top = area->scaleTop(), bottom = top + area->scaleHeight();
    height = std::clamp(height, std::min(top, bottom), std::max(top, bottom));
    const double x = unit + 1;
    area->box({x - barHalfWidth, height}, {x + barHalfWidth, 0});
}

} // namespace

void GraphWindow::drawInputBars(const Units &extip)
{
    host::touch(picBargraph);
    drawAxes(picBargraph, 10);
    for (int i = 0; i < kUnits; ++i)
        unitBar(picBargraph, i, float(extip[i]));
    picBargraph->refresh();
}

void GraphWindow::drawTimeAxes(int niter)
{
    host::touch(picGraph);
    drawAxes(picGraph, niter);
    picGraph->refresh();
}

void GraphWindow::plotHistory(const std::vector<Units> &history, int extipOff)
{
    host::touch(picGraph);
    picGraph->cls();
    drawAxes(picGraph, double(history.size()));
    // The marker takes whatever colour and width the area has: the last curve's after a plot.
    picGraph->line({double(extipOff), 0}, {double(extipOff), 1});
    picGraph->setDrawWidth(3);
    for (int k = 0; k < kUnits; ++k) {
        picGraph->setCurrentPoint({0, 0});
        picGraph->setForeColor(unitColor(k));
        for (std::size_t t = 1; t <= history.size(); ++t)
            picGraph->lineTo({double(t), history[t - 1][std::size_t(k)]});
    }
    picGraph->setDrawWidth(1);
    picGraph->refresh();
}

void GraphWindow::redrawBar(int unit, float level, std::string_view oldText)
{
    host::touch(picBargraph);
    const QColor color = unitColor(unit);
    picBargraph->setForeColor(color);
    picBargraph->setFillColor(color);

    std::optional<float> old;
    try {
        old = host::toFloat(oldText);
    } catch (const host::Fault &) {
        // The bar's height is unknown: erase from the axis to the top of the area.
    }
    if (old && *old < level) {
        unitBar(picBargraph, unit, level);
    } else {
        picBargraph->setForeColor(m_barBackColor);
        picBargraph->setFillColor(m_barBackColor);
        unitBar(picBargraph, unit, old ? double(*old) : picBargraph->scaleTop());
        picBargraph->setForeColor(color);
        picBargraph->setFillColor(color);
        unitBar(picBargraph, unit, level);
    }
    picBargraph->refresh();
}

void GraphWindow::restoreBarColors()
{
    host::touch(picBargraph);
    picBargraph->setForeColor(m_barForeColor);
    picBargraph->setFillColor(m_barFillColor);
}

} // namespace sidestop
