// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/decorations.h"

#include "host/forms/twips.h"
#include "host/forms/zoom.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace host {

namespace {

QPoint pixels(QPoint twips, double zoom)
{
    return {twipsToPixels(twips.x(), zoom), twipsToPixels(twips.y(), zoom)};
}

} // namespace

Decoration::Decoration(QWidget *container, const QString &name, QColor colour)
    : QWidget(container)
    , m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void Decoration::setColour(QColor colour)
{
    m_colour = colour;
    update();
}

bool isDecoration(const QWidget *widget) { return dynamic_cast<const Decoration *>(widget); }

LineControl::LineControl(QWidget *container, const QString &name, QColor colour, int widthPixels,
                         QPoint fromTwips, QPoint toTwips)
    : Decoration(container, name, colour)
    , m_widthAt1(widthPixels)
    , m_fromTwips(fromTwips)
    , m_toTwips(toTwips)
{
    zoomTo(zoomOf(container));
}

void LineControl::zoomTo(double zoom)
{
    m_width = std::max(1, int(std::lround(m_widthAt1 * zoom)));
    const QPoint from = pixels(m_fromTwips, zoom);
    const QPoint to = pixels(m_toTwips, zoom);
    const int half = m_width / 2;
    const QRect bounds = QRect(from, to).normalized().adjusted(-half, -half, half, half);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}

ShapeControl::ShapeControl(QWidget *container, const QString &name, QColor colour, QRect twips,
                           bool rounded)
    : Decoration(container, name, colour)
    , m_rounded(rounded)
{
    placeTwips(this, twips);
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_rounded);
    painter.setPen(m_colour);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = m_rounded ? std::min(width(), height()) / 6.0 : 0;
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace host
