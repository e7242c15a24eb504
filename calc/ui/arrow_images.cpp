// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ui/arrow_images.h"

#include <QPainter>
#include <QPolygonF>

namespace calc {

QImage arrowImage(ArrowDirection direction)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0, 0, 128));
    const bool left = direction == ArrowDirection::Left;
    const double tip = left ? 4 : 28;
    const double base = left ? 26 : 6;
    painter.drawPolygon(QPolygonF({QPointF(tip, 16), QPointF(base, 4), QPointF(base, 28)}));
    return image;
}

} // namespace calc
