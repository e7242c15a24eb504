// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace host {

// One drawing call of a canvas in its surface's device units: what a surface paints, what a
// picture area keeps to draw again (at another zoom, into an export) and what it compares
// with the frame before. Plain values, so that keeping a call allocates nothing.
struct DrawCall
{
    enum class Kind : std::uint8_t { Fill, Line, Box, Text, Image };

    Kind kind = Kind::Line;
    QColor color {}; // the pen's or the text's
    QColor inside {}; // a box's inside, transparent for none
    double penWidth = 1;
    QLineF line {};
    QRectF rect {}; // the area filled, a box; the top-left corner of a text or an image
    std::optional<QFont> font {}; // a text's (no other call makes one)
    QString text {};
    QImage image {};
    QRectF bounds {}; // device bounds of all it paints
    // The factors it was drawn again larger or smaller by since it was made, the first first.
    std::vector<double> zooms {};

    bool operator==(const DrawCall &other) const;

    void paint(QPainter &painter) const;
};

// Paints calls in order, or only those that reach into a place (the painter clipped to it).
// Boxes in a row of one opaque colour (inside and outline alike) are painted together: their
// pixels are the union of theirs, whatever the order.
void paintCalls(QPainter &painter, std::span<const DrawCall> calls, const QRectF *within = nullptr);

} // namespace host
