// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/zoom.h"

#include "host/forms/decorations.h"
#include "host/forms/picture_area.h"
#include "host/forms/text_box_fit.h"
#include "host/forms/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace host {

namespace {

constexpr const char *zoomKey = "host.zoom";
constexpr const char *twipsKey = "host.twips";
constexpr const char *fontKey = "host.font";
constexpr const char *autoSizeKey = "host.autoSizeAt";

// The width a control's caption has on one line: beside a check box's or option button's
// indicator, inside a button's margins, or a label's width; at the control's zoom, or at 100 %
// (the style's metrics asked for no control are those at 100 %).
double captionRoom(QWidget *control, bool at100)
{
    const double width
        = at100 ? twipsToPixels(control->property(twipsKey).toRect().width(), 1) : control->width();
    QStyle *style = control->style();
    const QWidget *zoomed = at100 ? nullptr : control;
    const bool check = qobject_cast<QCheckBox *>(control);
    if (!check && !qobject_cast<QRadioButton *>(control)) {
        if (qobject_cast<QAbstractButton *>(control))
            return width - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, zoomed);
        return width;
    }
    const int indicator = style->pixelMetric(
        check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, zoomed);
    const int spacing = style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                                 : QStyle::PM_RadioButtonLabelSpacing,
                                           nullptr, zoomed);
    return width - indicator - spacing;
}

// Text does not grow exactly with its point size (hinting, whole-pixel advances), nor does
// the room beside an indicator (whole-pixel metrics): a caption could wrap or clip where it
// did not at 100 %. Its font is then made that much smaller: a caption on one line at 100 %
// stays within its room, a longer one keeps its proportions so that its lines break alike.
void keepCaptionWidth(QWidget *control, double zoom)
{
    QString caption;
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        caption = button->text();
    else if (auto *label = qobject_cast<QLabel *>(control);
             label && !Qt::mightBeRichText(label->text()))
        caption = label->text();
    caption.remove('&');
    if (caption.isEmpty() || zoom == 1 || !control->property(twipsKey).isValid())
        return;
    const QVariant kept = control->property(fontKey);
    const QFont at100
        = kept.isValid() ? kept.value<QFont>() : zoomedFont(control->font(), 1 / zoom);
    double wide = QFontMetricsF(control->font()).horizontalAdvance(caption);
    const double wideAt100 = QFontMetricsF(at100).horizontalAdvance(caption);
    const double room
        = wideAt100 <= captionRoom(control, true) ? captionRoom(control, false) : wideAt100 * zoom;
    if (wide <= room)
        return;
    if (!kept.isValid())
        control->setProperty(fontKey, at100); // from now on the control's own font
    // The advance does not follow the size smoothly either: a little smaller again if need be.
    double scale = zoom;
    for (int tries = 0; wide > room && tries < 8; ++tries) {
        scale *= room / wide * (tries == 0 ? 1.0 : 0.995);
        control->setFont(zoomedFont(at100, scale));
        wide = QFontMetricsF(control->font()).horizontalAdvance(caption);
    }
}

} // namespace

bool isZoomStep(int percent)
{
    return std::find(zoomSteps.begin(), zoomSteps.end(), percent) != zoomSteps.end();
}

int zoomStepAbove(int percent)
{
    for (int step : zoomSteps)
        if (step > percent)
            return step;
    return zoomSteps.back();
}

int zoomStepBelow(int percent)
{
    for (auto step = zoomSteps.rbegin(); step != zoomSteps.rend(); ++step)
        if (*step < percent)
            return *step;
    return zoomSteps.front();
}

int fittingZoom(int wantedPercent, QSizeF sizeAt100, QSize room)
{
    int chosen = zoomSteps.front();
    for (int step : zoomSteps) {
        const QSizeF size = sizeAt100 * (step / 100.0);
        if (step <= wantedPercent && size.width() <= room.width() && size.height() <= room.height())
            chosen = step;
    }
    return chosen;
}

double zoomOf(const QWidget *widget)
{
    const QVariant zoom = widget->window()->property(zoomKey);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

void keepTwips(QWidget *control, QRect twips) { control->setProperty(twipsKey, twips); }

void keepFont(QWidget *control, const QFont &font) { control->setProperty(fontKey, font); }

void keepAutoSize(QWidget *control, QPoint topLeftTwips)
{
    control->setProperty(autoSizeKey, topLeftTwips);
}

QFont zoomedFont(const QFont &font, double zoom)
{
    QFont zoomed = font;
    if (zoom == 1)
        return zoomed;
    if (font.pointSizeF() > 0)
        zoomed.setPointSizeF(font.pointSizeF() * zoom);
    else if (font.pixelSize() > 0)
        zoomed.setPixelSize(std::max(1, int(font.pixelSize() * zoom + 0.5)));
    return zoomed;
}

void applyZoom(QWidget *root, double zoom)
{
    root->window()->setProperty(zoomKey, zoom);
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    // Child pictures stay at their places in user units (where code put them last).
    std::vector<std::pair<QPointer<QWidget>, QPointF>> userPlaced;
    for (QWidget *widget : widgets)
        if (qobject_cast<PictureArea *>(widget->parentWidget())
            && widget->property("userPosition").isValid()
            && widget->property("userPositionPixels").toPoint() == widget->pos())
            userPlaced.emplace_back(widget, widget->property("userPosition").toPointF());
    for (QWidget *widget : widgets) {
        if (widget->window() != root->window())
            continue; // a second window follows the program's zoom as a form of its own
        if (const QVariant font = widget->property(fontKey); font.isValid())
            widget->setFont(zoomedFont(font.value<QFont>(), zoom));
        if (auto *area = qobject_cast<PictureArea *>(widget))
            area->setZoom(zoom);
        if (auto *line = dynamic_cast<LineControl *>(widget))
            line->zoomTo(zoom);
        if (const QVariant twips = widget->property(twipsKey); twips.isValid()) {
            const QRect place = twips.toRect();
            widget->setGeometry(twipsToPixels(place.x(), zoom), twipsToPixels(place.y(), zoom),
                                twipsToPixels(place.width(), zoom),
                                twipsToPixels(place.height(), zoom));
        }
        if (const QVariant at = widget->property(autoSizeKey); at.isValid()) {
            widget->adjustSize();
            widget->move(twipsToPixels(at.toPoint().x(), zoom),
                         twipsToPixels(at.toPoint().y(), zoom));
        }
        keepCaptionWidth(widget, zoom);
        if (auto *area = qobject_cast<PictureArea *>(widget))
            area->finishZoom();
    }
    // A text box may widen over free room to its right: measured once everything is placed.
    for (QWidget *widget : widgets)
        if (auto *box = qobject_cast<QLineEdit *>(widget); box && box->window() == root->window())
            fitTextToBox(box);
    for (const auto &[child, at] : userPlaced)
        if (child)
            static_cast<PictureArea *>(child->parentWidget())->moveChild(child, at);
}

} // namespace host
