// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/zoom_style.h"

#include "host/forms/zoom.h"

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include <cmath>
#include <memory>

namespace host {

namespace {

double zoomFor(const QWidget *widget) { return widget ? zoomOf(widget) : 1.0; }

bool isIndicatorMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
        return true;
    default:
        return false;
    }
}

} // namespace

ZoomStyle::ZoomStyle(QStyle *base)
    : QProxyStyle(base)
{
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    const double zoom = zoomFor(widget);
    if (zoom == 1 || !isIndicatorMetric(metric))
        return base;
    return int(std::lround(base * zoom));
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    const double zoom = zoomFor(widget);
    if (zoom == 1 || (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The indicator as the style draws it at zoom 1, scaled up to the room it has now.
    std::unique_ptr<QStyleOption> atOne(new QStyleOption(*option));
    atOne->rect = QRect(QPoint(0, 0), (QSizeF(option->rect.size()) / zoom).toSize());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(option->rect.topLeft());
    painter->scale(zoom, zoom);
    QProxyStyle::drawPrimitive(element, atOne.get(), painter, widget);
    painter->restore();
}

} // namespace host
