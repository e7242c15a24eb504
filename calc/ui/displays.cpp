// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three network displays: the seven-segment input figure, the sixteen output boxes and
// the weight diagram. Each change shows at once, also inside a learning run that does not
// yield, so that a slow run is seen presentation by presentation.

#include "calc/ui/display_colors.h"
#include "calc/ui/form1.h"
#include "calc/ui/form1_layout.h"
#include "host/forms/colors.h"
#include "host/forms/picture_area.h"
#include "host/numbers/number_text.h"

#include <array>
#include <cmath>
#include <limits>

namespace calc {

namespace {

// Paints a box only when its colour changes: the same picture, without repainting the boxes
// that keep their colour at every presentation.
void paintBox(host::PictureArea *box, QColor color)
{
    if (box->backColor() != color)
        box->setBackColor(color);
}

QColor toggled(QColor segment) { return segment == kSegmentLit ? kSegmentToggledOff : kSegmentLit; }

} // namespace

void Form1::clear_segments()
{
    for (host::PictureArea *segment : Picture1)
        segment->setBackColor(kSegmentCleared);
}

// A click only toggles the box's colour: it changes no input list and not the network.
void Form1::Picture1_Click(int16_t index)
{
    host::PictureArea *segment = Picture1.at(size_t(index));
    segment->setBackColor(toggled(segment->backColor()));
}

// Clears the figure, then toggles the box of every segment the pattern names: a segment named
// twice ends switched off again.
void Form1::show_input(int16_t pattern)
{
    std::array<QColor, 7> colors;
    colors.fill(kSegmentCleared);
    for (int16_t segment : m_net.inPatterns.at(size_t(pattern - 1))) {
        if (segment == 0)
            break;
        QColor &color = colors.at(size_t(segment - 1));
        color = toggled(color);
    }
    for (size_t i = 0; i < colors.size(); ++i)
        paintBox(Picture1[i], colors[i]);
}

// An output above 0.1 (compared as floats, so the bound is 0.100000001) lights its numeral's
// box; under the threshold rule exactly the outputs of 1 do.
void Form1::show_outputs()
{
    std::array<QColor, 16> colors;
    colors.fill(kOutputRest);
    for (int k = 1; k <= m_net.nOutputs; ++k) {
        if (m_net.outputs[size_t(k - 1)] > 0.1f)
            colors[size_t(numeralOfPattern(int16_t(k)))] = kOutputResponding;
    }
    for (int v = 0; v < m_net.nOutputs; ++v)
        paintBox(picOpnode[size_t(v)], colors[size_t(v)]);
}

// The 7 by 16 grid in the diagram's user scale (x -1..8, y -2..17), one row a numeral from 0
// at the top to F at the bottom, labelled in the band left of it.
void Form1::draw_weight_grid()
{
    host::Canvas::Batch batch(*picWts);
    for (int d = 0; d <= 16; ++d) {
        picWts->line(QPointF(0, d), QPointF(7, d));
        picWts->setCurrentPoint(QPointF(-0.5, d + 0.15));
        if (d < 10)
            picWts->print(QString::fromStdString(host::printed(host::intText(d))));
        else if (d < 16)
            picWts->print(numeralCaption(d));
    }
    for (int d = 0; d <= 7; ++d)
        picWts->line(QPointF(d, 0), QPointF(d, 16));
}

// Every weight w(k, j) as a square centred in the cell of column j and the row of numeral k,
// of side |w| / 0.55 cells (a weight of 0.55 fills its cell), red for w >= 0 and blue below.
void Form1::show_weights()
{
    {
        host::Canvas::Batch batch(*picWts);
        picWts->cls();
        draw_weight_grid();
        for (int k = 1; k <= m_net.nOutputs; ++k) {
            const double cy = numeralOfPattern(int16_t(k)) + 0.5;
            for (int j = 1; j <= m_net.nInputs; ++j) {
                const float w = m_net.weights[size_t(k - 1)][size_t(j - 1)];
                picWts->setForeColor(w >= 0 ? kWeightPositive : kWeightNegative);
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
                picWts->filledBox(QPointF(left, top),
                                  QPointF(double(left) + side, double(top) + side));
            }
        }
        picWts->setForeColor(host::QBColor(0));
    }
    picWts->refresh();
}

} // namespace calc
