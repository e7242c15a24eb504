// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace host {

// A style whose check box and option indicators follow the zoom of the widget's form, so that
// a zoomed caption keeps the room its indicator leaves it, and the indicator grows with it.
// A zoomed scroll bar is the bar at zoom 1 scaled up whole: its arrows and thumb grow with it,
// and clicks and drags find the parts where they are drawn.
class ZoomStyle : public QProxyStyle
{
public:
    explicit ZoomStyle(QStyle *base);

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override;
};

} // namespace host
