// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/draw_call.h"

#include <QPainter>
#include <QPen>

#include <array>

namespace host {

namespace {

QPen boxPen(const DrawCall &call)
{
    return QPen(call.color, call.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void paintUnscaled(const DrawCall &call, QPainter &painter)
{
    switch (call.kind) {
    case DrawCall::Kind::Fill:
        painter.fillRect(call.rect, call.color);
        break;
    case DrawCall::Kind::Line:
        painter.setPen(QPen(call.color, call.penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(call.line);
        break;
    case DrawCall::Kind::Box:
        painter.setPen(boxPen(call));
        painter.setBrush(call.inside.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(call.inside));
        painter.drawRect(call.rect);
        break;
    case DrawCall::Kind::Text:
        if (call.font)
            painter.setFont(*call.font);
        painter.setPen(call.color);
        painter.drawText(QRectF(call.rect.topLeft(), QSizeF(1e6, 1e6)),
                         Qt::AlignLeft | Qt::AlignTop, call.text);
        break;
    case DrawCall::Kind::Image:
        painter.drawImage(call.rect.topLeft(), call.image);
        break;
    }
}

// A box all of one opaque colour, at the surface's own size.
bool isSolidBox(const DrawCall &call)
{
    return call.kind == DrawCall::Kind::Box && call.zooms.empty() && call.color.alpha() == 255
        && call.inside == call.color;
}

} // namespace

bool DrawCall::operator==(const DrawCall &other) const
{
    if (kind != other.kind || color != other.color || penWidth != other.penWidth
        || zooms != other.zooms || bounds != other.bounds)
        return false;
    switch (kind) {
    case Kind::Fill:
        return rect == other.rect;
    case Kind::Line:
        return line == other.line;
    case Kind::Box:
        return rect == other.rect && inside == other.inside;
    case Kind::Text:
        return rect == other.rect && text == other.text && font == other.font;
    case Kind::Image:
        return rect == other.rect && image == other.image;
    }
    return false;
}

void DrawCall::paint(QPainter &painter) const
{
    if (zooms.empty()) {
        paintUnscaled(*this, painter);
        return;
    }
    // The latest zoom outermost, as each zoom step took the drawing as it was.
    painter.save();
    for (auto zoom = zooms.rbegin(); zoom != zooms.rend(); ++zoom)
        painter.scale(*zoom, *zoom);
    paintUnscaled(*this, painter);
    painter.restore();
}

void paintCalls(QPainter &painter, std::span<const DrawCall> calls, const QRectF *within)
{
    // Smoothed edges blend: there the order of boxes shows.
    const bool merge = !painter.testRenderHint(QPainter::Antialiasing);
    std::array<QRectF, 64> boxes;
    size_t count = 0;
    const DrawCall *run = nullptr; // the first box of the row under way
    auto flush = [&] {
        if (count > 0) {
            painter.setPen(boxPen(*run));
            painter.setBrush(run->color);
            painter.drawRects(boxes.data(), int(count));
        }
        count = 0;
        run = nullptr;
    };
    for (const DrawCall &call : calls) {
        // A call that misses the place painted paints nothing there, also inside a row.
        if (within && !call.bounds.intersects(*within))
            continue;
        const bool solid = merge && isSolidBox(call);
        if (run
            && (!solid || call.color != run->color || call.penWidth != run->penWidth
                || count == boxes.size()))
            flush();
        if (!solid) {
            call.paint(painter);
            continue;
        }
        if (!run)
            run = &call;
        boxes[count++] = call.rect;
    }
    flush();
}

} // namespace host
