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
    m_current = QPointF(0, 0);
    if (m_batchDepth > 0 && m_record.on && m_record.exact && keepsFrames()) {
        // A frame: painted where it differs from what the surface shows, when the batch ends.
        m_framing = true;
        m_next.back = m_back;
        m_next.calls.clear();
        return;
    }
    settleFrame();
    restartRecord();
    DrawCall fill {.kind = DrawCall::Kind::Fill, .color = m_back, .rect = deviceArea()};
    fill.bounds = fill.rect;
    paint(fill);
}

void Canvas::line(QPointF from, QPointF to)
{
    prepareUnlessFraming();
    const double penWidth = m_drawWidth * deviceUnitsPerDrawWidth();
    const std::optional<QLineF> part = m_scale.drawableLine(from, to);
    m_current = to;
    if (!part) // no part of it shows
        return;
    draw({.kind = DrawCall::Kind::Line,
          .color = m_fore,
          .penWidth = penWidth,
          .line = *part,
          .bounds = strokeBounds(QRectF(part->p1(), part->p2()).normalized(), penWidth)});
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
    prepareUnlessFraming();
    const double penWidth = m_drawWidth * deviceUnitsPerDrawWidth();
    const QRectF rect = m_scale.drawableBox(corner, opposite);
    draw({.kind = DrawCall::Kind::Box,
          .color = m_fore,
          .inside = inside,
          .penWidth = penWidth,
          .rect = rect,
          .bounds = strokeBounds(rect, penWidth)});
    m_current = opposite;
}

void Canvas::print(const QString &text)
{
    prepareUnlessFraming();
    // The font as drawn and its line height, made again only when the font or the zoom
    // changed: text after text in one font lays out no font twice.
    const double unit = deviceUnitsPerDrawWidth();
    if (!m_text || m_text->font != m_font || m_text->unit != unit) {
        const QFont drawn = deviceFont(m_font);
        m_text = TextFont {m_font, unit, drawn, lineHeight(drawn)};
    }
    const QFont &font = m_text->drawn;
    const std::optional<QPointF> place = m_scale.drawablePoint(m_current);
    const double height = m_text->height;
    if (place) { // text far beyond the area does not show
        // A glyph may reach a little beyond its line (an accent above, a tail to the left):
        // the bounds leave it half a line of room each way.
        const QPointF at = *place;
        draw({.kind = DrawCall::Kind::Text,
              .color = m_fore,
              .rect = QRectF(at, QSizeF()),
              .font = font,
              .text = text,
              .bounds = QRectF(at.x() - height, at.y() - height / 2, deviceArea().width() + height,
                               2 * height)});
    }
    m_current = QPointF(m_scale.left(), m_current.y() + m_scale.toUserHeight(height));
}

void Canvas::draw(DrawCall call)
{
    if (m_framing) {
        checkCall(call);
        m_next.calls.push_back(std::move(call));
        return;
    }
    paint(call);
    if (!m_record.on)
        return;
    m_record.shown.calls.push_back(std::move(call));
    foldLongRecord();
}

void Canvas::foldLongRecord()
{
    if (m_record.shown.calls.size() < maxRecordedCalls)
        return;
    // A long run without a clear (paths added reach after reach): what is drawn so far is
    // kept as the image the surface shows, and the record goes on from there.
    m_record.base = snapshot();
    m_record.shown.calls.clear();
    m_record.exact = false;
    ++m_record.generation;
}

void Canvas::prepareUnlessFraming()
{
    // A frame's device was brought up to date by its cls, and nothing resizes it before the
    // frame shows.
    if (!m_framing)
        prepareDevice();
}

void Canvas::openBatch()
{
    if (m_batchDepth++ == 0)
        beginBatch();
}

void Canvas::closeBatch()
{
    if (m_batchDepth == 1)
        settleFrame();
    if (--m_batchDepth == 0)
        endBatch();
}

void Canvas::settleFrame()
{
    if (!m_framing)
        return;
    m_framing = false;
    std::swap(m_record.shown, m_next);
    showFrame(m_next, m_record.shown);
    m_next.calls.clear();
    foldLongRecord();
}

void Canvas::restartRecord()
{
    m_record.shown.back = m_back;
    m_record.base = QImage();
    m_record.shown.calls.clear();
    m_record.exact = true;
    ++m_record.generation;
}

void Canvas::scaleRecord(double factor)
{
    for (DrawCall &call : m_record.shown.calls)
        call.zooms.push_back(factor);
    m_record.exact = false;
    ++m_record.generation;
}

void Canvas::replay(QPainter &painter) const
{
    const QRectF area = deviceArea();
    if (m_record.base.isNull())
        painter.fillRect(area, m_record.shown.back);
    else
        painter.drawImage(area, m_record.base);
    // Each call sets the pen, brush and font it uses, as it does on the screen.
    paintCalls(painter, m_record.shown.calls);
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
