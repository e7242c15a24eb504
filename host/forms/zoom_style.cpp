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

// Set while the base style works on a bar at zoom 1: what it asks of this style then is
// already at zoom 1.
int scalingDepth = 0;

struct AtZoomOne
{
    AtZoomOne() { ++scalingDepth; }
    ~AtZoomOne() { --scalingDepth; }
    AtZoomOne(const AtZoomOne &) = delete;
    AtZoomOne &operator=(const AtZoomOne &) = delete;
};

// The zoom a scroll bar is drawn at, 1 for every other control.
double scrollBarZoom(QStyle::ComplexControl control, const QWidget *widget)
{
    if (control != QStyle::CC_ScrollBar || scalingDepth > 0)
        return 1;
    return zoomFor(widget);
}

QStyleOptionSlider atZoomOne(const QStyleOptionComplex *option, double zoom)
{
    QStyleOptionSlider bar(*qstyleoption_cast<const QStyleOptionSlider *>(option));
    bar.rect = QRect(QPoint(0, 0), (QSizeF(option->rect.size()) / zoom).toSize());
    return bar;
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

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    const double zoom = scrollBarZoom(control, widget);
    if (zoom == 1 || !qstyleoption_cast<const QStyleOptionSlider *>(option)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QStyleOptionSlider bar = atZoomOne(option, zoom);
    const AtZoomOne inside;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(option->rect.topLeft());
    painter->scale(zoom, zoom);
    QProxyStyle::drawComplexControl(control, &bar, painter, widget);
    painter->restore();
}

QRect ZoomStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                SubControl part, const QWidget *widget) const
{
    const double zoom = scrollBarZoom(control, widget);
    if (zoom == 1 || !qstyleoption_cast<const QStyleOptionSlider *>(option))
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QStyleOptionSlider bar = atZoomOne(option, zoom);
    const AtZoomOne inside;
    const QRect atOne = QProxyStyle::subControlRect(control, &bar, part, widget);
    auto scaled = [zoom](int coordinate) { return int(std::lround(coordinate * zoom)); };
    return QRect(QPoint(scaled(atOne.left()), scaled(atOne.top())),
                 QPoint(scaled(atOne.right() + 1) - 1, scaled(atOne.bottom() + 1) - 1))
        .translated(option->rect.topLeft());
}

} // namespace host
