// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three network displays: the seven-segment input figure, the sixteen output boxes and
// the weight diagram. A box's colour shows as soon as the screen can show it, also inside a
// learning run that does not yield, so that a slow run is seen presentation by presentation.

#include "calc/ui/displays.h"

#include "calc/ui/display_colors.h"
#include "calc/ui/form1_layout.h"
#include "host/forms/canvas.h"
#include "host/forms/colors.h"
#include "host/numbers/number_text.h"

#include <cmath>
#include <limits>

namespace calc {

namespace {

// Paints a box only when its colour changes: the same picture, without repainting the boxes
// that keep their colour at every presentation.
void paintBox(host::Canvas *box, QColor color)
{
    if (box->backColor() != color)
        box->setBackColor(color);
}

// The label of the row of a numeral, made once: the diagram is drawn again at every
// presentation of a run.
const QString &rowLabel(int numeral)
{
    static const std::array<QString, 16> labels = [] {
        std::array<QString, 16> made;
        for (int d = 0; d < 16; ++d)
            made[size_t(d)] = d < 10 ? QString::fromStdString(host::printed(host::intText(d)))
                                     : numeralCaption(d);
        return made;
    }();
    return labels.at(size_t(numeral));
}

QColor toggled(QColor segment) { return segment == segmentLit ? segmentToggledOff : segmentLit; }

} // namespace

void clearSegments(const SegmentBoxes &segments)
{
    for (host::Canvas *segment : segments)
        segment->setBackColor(segmentCleared);
}

void toggleSegment(host::Canvas &segment) { segment.setBackColor(toggled(segment.backColor())); }

void showInput(const SegmentBoxes &segments, const Network &net, int16_t pattern)
{
    std::array<QColor, 7> colors;
    colors.fill(segmentCleared);
    for (int16_t segment : net.inPatterns.at(size_t(pattern - 1))) {
        if (segment == 0)
            break;
        QColor &color = colors.at(size_t(segment - 1));
        color = toggled(color);
    }
    for (size_t i = 0; i < colors.size(); ++i)
        paintBox(segments[i], colors[i]);
}

void showOutputs(const OutputBoxes &outputs, const Network &net)
{
    std::array<QColor, 16> colors;
    colors.fill(outputRest);
    for (int k = 1; k <= net.nOutputs; ++k) {
        if (net.outputs[size_t(k - 1)] > 0.1f)
            colors[size_t(numeralOfPattern(int16_t(k)))] = outputResponding;
    }
    for (int v = 0; v < net.nOutputs; ++v)
        paintBox(outputs[size_t(v)], colors[size_t(v)]);
}

void drawWeightGrid(host::Canvas &diagram)
{
    host::Canvas::Batch batch(diagram);
    for (int d = 0; d <= 16; ++d) {
        diagram.line(QPointF(0, d), QPointF(7, d));
        diagram.setCurrentPoint(QPointF(-0.5, d + 0.15));
        if (d < 16)
            diagram.print(rowLabel(d));
    }
    for (int d = 0; d <= 7; ++d)
        diagram.line(QPointF(d, 0), QPointF(d, 16));
}

void showWeights(host::Canvas &diagram, const Network &net)
{
    host::Canvas::Batch batch(diagram);
    diagram.cls();
    drawWeightGrid(diagram);
    for (int k = 1; k <= net.nOutputs; ++k) {
        const double cy = numeralOfPattern(int16_t(k)) + 0.5;
        for (int j = 1; j <= net.nInputs; ++j) {
            const float w = net.weights[size_t(k - 1)][size_t(j - 1)];
            diagram.setForeColor(w >= 0 ? weightPositive : weightNegative);
            // A weight near the float limit has a side beyond it (no float): its square
            // covers the whole diagram, as a square of half the largest float does.
            const double scaled = double(w) / double(0.55f);
            const float s = std::fabs(scaled) < 0x1.ffffffp+127
                ? float(double(float(scaled)) / 2)
                : std::numeric_limits<float>::max() / 4;
            const double cx = j - 0.5;
            const float left = float(cx - s);
            const float top = float(cy - s);
            const float side = s + s;
            diagram.filledBox(QPointF(left, top), QPointF(double(left) + side, double(top) + side));
        }
    }
    diagram.setForeColor(host::QBColor(0));
}

} // namespace calc
