// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/cell_plots.h"

#include "host/forms/canvas.h"
#include "host/numbers/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace reach {

namespace {

// The cells that all three arrays hold, so that a short array can never be read past its end.
std::size_t cellCount(const Model &model)
{
    return std::min({std::size_t(std::max<int16_t>(model.ncells, 0)), model.prefDir.size(),
                     model.cellResp.size(), model.targResp.size()});
}

void takeColour(host::Canvas &canvas, const Model &model, std::size_t cell)
{
    canvas.setForeColor(targetShareColour(model.targResp[cell], model.cellResp[cell]));
}

} // namespace

QColor targetShareColour(float targetPart, float response)
{
    const float share = min(1, float(double(targetPart) / response));
    const int red = int(host::floorValue(double(share) * 255));
    return QColor(red, 0, 255 - red);
}

void drawSpokes(host::Canvas &canvas, const Model &model, bool colourCode)
{
    for (std::size_t cell = 0; cell < cellCount(model); ++cell) {
        const float response = model.cellResp[cell];
        if (!(response > shownResponse))
            continue;
        if (colourCode)
            takeColour(canvas, model, cell);
        const double direction = model.prefDir[cell];
        canvas.line(QPointF(0, 0),
                    QPointF(response * std::cos(direction), response * std::sin(direction)));
    }
}

void drawBars(host::Canvas &canvas, const Model &model, double right, float spacing,
              bool colourCode)
{
    float x = float(right - spacing);
    for (std::size_t cell = 0; cell < cellCount(model); ++cell) {
        if (model.cellResp[cell] > shownResponse) {
            if (colourCode)
                takeColour(canvas, model, cell);
            canvas.line(QPointF(x, 0), QPointF(x, model.cellResp[cell]));
        }
        x = float(double(x) - spacing);
    }
}

void drawCellDisplay(host::Canvas &canvas, const Model &model, bool barChart, bool colourCode)
{
    canvas.cls();
    canvas.setForeColor(Qt::black);
    if (!barChart) {
        drawSpokes(canvas, model, colourCode);
        return;
    }
    const double width = canvas.scaleWidth();
    const float spacing = float(width / (model.ncells + 2));
    const double right = width - std::abs(canvas.scaleLeft());
    drawBars(canvas, model, right, spacing, colourCode);
}

} // namespace reach
