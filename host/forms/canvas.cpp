// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/canvas.h"

#include "host/numbers/fault.h"

#include <QPainter>
#include <QPen>

#include <cmath>

namespace host {

Canvas::Canvas(QSizeF deviceSize)
    : m_scale(UserScale::twips(deviceSize))
{
}

void Canvas::setScale(double left, double top, double right, double bottom)
{
    // A scale of no width or height would map every point to infinity.
    if (!(right - left != 0 && bottom - top != 0 && std::isfinite(right - left)
          && std::isfinite(bottom - top)))
        throw Fault(Fault::Kind::Invalid,
                    "A drawing scale needs a width and a height that are not 0.");
    prepareDevice();
    m_scale = UserScale(m_scale.deviceSize(), left, top, right, bottom);
}

void Canvas::cls()
{
    prepareDevice();
    QColor back = m_back;
    QRectF area = deviceArea();
    restartRecord();
    paint([back, area](QPainter &painter) { painter.fillRect(area, back); }, area);
    m_current = QPointF(0, 0);
}

void Canvas::line(QPointF from, QPointF to)
{
    prepareDevice();
    QPen pen(m_fore, m_drawWidth * deviceUnitsPerDrawWidth(), Qt::SolidLine, Qt::RoundCap);
    const std::optional<QLineF> part = m_scale.drawableLine(from, to);
    if (!part) { // no part of it shows
        m_current = to;
        return;
    }
    QPointF a = part->p1();
    QPointF b = part->p2();
    draw(
        [pen, a, b](QPainter &painter) {
            painter.setPen(pen);
            painter.drawLine(a, b);
        },
        strokeBounds(QRectF(a, b).normalized(), pen.widthF()));
    m_current = to;
}

void Canvas::lineTo(QPointF to) { line(m_current, to); }

void Canvas::lineBy(QPointF offset) { line(m_current, m_current + offset); }

void Canvas::lineFromBy(QPointF from, QPointF offset) { line(from, from + offset); }

void Canvas::box(QPointF corner, QPointF opposite)
{
    drawBox(corner, opposite, m_fillsBoxes ? m_fill : QColor(Qt::transparent));
}

void Canvas::filledBox(QPointF corner, QPointF opposite) { drawBox(corner, opposite, m_fore); }

void Canvas::drawBox(QPointF corner, QPointF opposite, QColor inside)
{
    prepareDevice();
    QPen pen(m_fore, m_drawWidth * deviceUnitsPerDrawWidth(), Qt::SolidLine, Qt::SquareCap,
             Qt::MiterJoin);
    QRectF rect = m_scale.drawableBox(corner, opposite);
    draw(
        [pen, rect, inside](QPainter &painter) {
            painter.setPen(pen);
            painter.setBrush(inside.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(inside));
            painter.drawRect(rect);
        },
        strokeBounds(rect, pen.widthF()));
    m_current = opposite;
}

void Canvas::print(const QString &text)
{
    prepareDevice();
    QFont font = deviceFont(m_font);
    QColor color = m_fore;
    const std::optional<QPointF> place = m_scale.drawablePoint(m_current);
    QPointF at = place.value_or(QPointF());
    double height = lineHeight(font);
    if (place) // text far beyond the area does not show
        draw(
            [font, color, at, text](QPainter &painter) {
                painter.setFont(font);
                painter.setPen(color);
                painter.drawText(QRectF(at, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop, text);
            },
            QRectF(at.x() - 1, at.y() - 1, deviceArea().width(), height + 2));
    m_current = QPointF(m_scale.left(), m_current.y() + m_scale.toUserHeight(height));
}

void Canvas::draw(const std::function<void(QPainter &)> &painting, const QRectF &bounds)
{
    paint(painting, bounds);
    if (!m_record.on)
        return;
    m_record.calls.push_back(painting);
    if (m_record.calls.size() >= maxRecordedCalls) {
        // A long run without a clear (paths added reach after reach): what is drawn so far is
        // kept as the image the surface shows, and the record goes on from there.
        m_record.base = snapshot();
        m_record.calls.clear();
    }
}

void Canvas::restartRecord()
{
    m_record.back = m_back;
    m_record.base = QImage();
    m_record.calls.clear();
}

void Canvas::scaleRecord(double factor)
{
    for (auto &painting : m_record.calls)
        painting = [factor, inner = std::move(painting)](QPainter &painter) {
            painter.save();
            painter.scale(factor, factor);
            inner(painter);
            painter.restore();
        };
}

void Canvas::replay(QPainter &painter) const
{
    const QRectF area = deviceArea();
    if (m_record.base.isNull())
        painter.fillRect(area, m_record.back);
    else
        painter.drawImage(area, m_record.base);
    // Each call sets the pen, brush and font it uses, as it does on the screen.
    for (const auto &painting : m_record.calls)
        painting(painter);
}

QRectF Canvas::strokeBounds(const QRectF &rect, double penWidth) const
{
    double margin = penWidth / 2 + 1;
    return rect.adjusted(-margin, -margin, margin, margin);
}

void Canvas::setDrawWidth(int width) { m_drawWidth = std::max(1, width); }

void Canvas::setFontName(const QString &family) { m_font.setFamily(family); }

void Canvas::setFontSize(double points) { m_font.setPointSizeF(points); }

} // namespace host
