// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing: the stored hand paths or the cell display, framed, with marks, a legend and a
// block of the model's settings, on the program's printer page.

#include "reach/ui/form1.h"

#include "host/forms/printer_page.h"
#include "host/numbers/clock.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"
#include "reach/ui/cell_plots.h"

#include <QCheckBox>
#include <QRadioButton>

#include <cmath>

namespace reach {

namespace {

QString text(float value) { return QString::fromStdString(host::floatText(value)); }

// The page's usable width as the programs reckon it: the right edge is the scale width less
// the distance of the left edge from 0.
double rightEdge(const host::Canvas &page)
{
    return page.scaleWidth() - std::abs(page.scaleLeft());
}

void useHelvetica(host::Canvas &page)
{
    page.setFontName("Helvetica");
    page.setFontSize(11);
}

// A frame from (left, 0) to (right, height), drawn from the current point (left, 0).
void drawFrame(host::Canvas &page, double left, double right, double height)
{
    page.setCurrentPoint(QPointF(left, 0));
    page.lineTo(QPointF(right, 0));
    page.lineBy(QPointF(0, height));
    page.lineTo(QPointF(left, height));
    page.lineBy(QPointF(0, -height));
}

// Two columns of settings starting dy above y: the tuning curve and the three switches with
// the date at x, the attention boost and tuning width at 0. Each line is placed dy above
// where the previous one left the current point.
void printParams(host::Canvas &page, const Model &model, const Switches &switches, float x, float y,
                 float dy)
{
    auto onOff = [](bool on) { return QString(on ? "ON" : "OFF"); };
    auto nextLine = [&page, dy](double lineX, const QString &line) {
        page.setCurrentY(page.currentY() + dy);
        page.setCurrentX(lineX);
        page.print(line);
    };

    const double firstY = double(y) + dy;
    page.setCurrentPoint(QPointF(x, firstY));
    page.print(QString("    Cell tuning curve = ")
               + (switches.exponential ? "Exponential" : "Gaussian"));
    nextLine(x, "  Distance dependence = " + onOff(switches.distanceDependent));
    nextLine(x, "Distractor Suppression = " + onOff(switches.suppressDistractor));
    nextLine(x, "   Lateral Inhibition = " + onOff(switches.lateralInhibition));
    nextLine(x, QString::fromStdString(host::dateTimeText()));

    page.setCurrentPoint(QPointF(0, firstY));
    page.print("  Attention Boost = " + text(model.attnBoost));
    nextLine(0, "Cell tuning width = " + text(model.tuningWidth));
}

// The stored paths are already on the page, in the coordinates REACH gave it; this adds the
// frame on the baseline, the target (outlined) and distractor (filled) marks and the legend.
void printHandDisplay(host::Canvas &page, const Model &model, const Switches &switches)
{
    useHelvetica(page);
    const double left = page.scaleLeft();
    const float x0 = float(left + 10);
    const int16_t xr = host::nearestInt16(rightEdge(page) - 10);
    const int top = 150;
    drawFrame(page, x0, xr, top);

    const double tx = model.targetx, ty = model.targety;
    const double dx = model.distractorx, dy = model.distractory;
    page.box(QPointF(tx - 2, ty + 2), QPointF(tx + 2, ty - 2));
    page.filledBox(QPointF(dx - 2, dy + 2), QPointF(dx + 2, dy - 2));

    page.box(QPointF(-2, -8), QPointF(2, -12));
    page.filledBox(QPointF(-2, -18), QPointF(2, -22));
    page.setCurrentPoint(QPointF(4, -8));
    page.print(" TARGET ");
    page.setCurrentPoint(QPointF(4, -18));
    page.print(" NON-TARGET ");

    page.lineFromBy(QPointF(left + 10, -10), QPointF(15, 0));
    page.setCurrentY(-8);
    page.print("  TARGET ALONE");
    page.setDrawWidth(3);
    page.lineFromBy(QPointF(left + 10, -20), QPointF(15, 0));
    page.setCurrentY(-18);
    page.print("  NON-TARGET PRESENT");
    // Paths stored after this page are drawn thin unless the distractor is responded to.
    page.setDrawWidth(1);

    printParams(page, model, switches, x0, 150, 10);
}

// The cell display as it is now, spokes or bars (without the colour code); the bars get an
// axis of preferred directions from 180 degrees on the left to 0 on the right.
void printCells(host::Canvas &page, const Model &model, const Switches &switches, bool barChart)
{
    page.setScale(-2.5, 2.8, 2.5, -0.7);
    useHelvetica(page);
    const float x0 = float(page.scaleLeft() + 0.5);
    const float x1 = float(rightEdge(page) - 0.5);
    const float top = 2.0f;
    const float width = float(double(x1) - x0);
    drawFrame(page, x0, x1, top);

    if (barChart) {
        drawBars(page, model, x1, float(width / (model.ncells + 2)), false);
        page.setCurrentPoint(QPointF(-1, -0.2));
        page.print("Cell preferred direction (degrees)");
        float tickX = x0;
        float degrees = 180;
        for (int tick = 0; tick < 7; ++tick) {
            page.lineFromBy(QPointF(tickX, 0), QPointF(0, -0.05));
            page.setCurrentX(double(tickX) - 0.05);
            page.print(QString::fromStdString(host::wholeNumberText(degrees)));
            tickX = float(double(tickX) + double(width) / 6);
            degrees = float(double(degrees) - 180.0 / 6);
        }
    } else {
        drawSpokes(page, model, false);
    }

    printParams(page, model, switches, x0, top, 0.15f);
}

} // namespace

// A page whose frame and settings are already on it was not sent last time (no printer, a
// cancelled dialog, a file that could not be written): it is sent again as it is, so that a
// second attempt does not print them twice. "Kill Print" starts a clean page.
void Form1::onPrint()
{
    if (!m_furnitureOnPage || !host::printer().isOpen()) {
        if (optPrintHand->isChecked())
            printHandDisplay(host::printer(), m_core.model, switches());
        else
            printCells(host::printer(), m_core.model, switches(), ticked(chkBarChart));
        m_furnitureOnPage = true;
    }
    host::printer().endDoc();
    m_furnitureOnPage = false;
}

void Form1::onKillPrint()
{
    host::printer().killDoc();
    m_furnitureOnPage = false;
}

} // namespace reach
