// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/text_box_fit.h"

#include "host/forms/decorations.h"
#include "host/forms/fonts.h"
#include "host/forms/zoom.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// A text longer than this fits no box at any font, so it is not measured (a pasted megabyte
// line scrolls as typed text does).
constexpr qsizetype longestFitting = 32;

// The box's font and width at zoom 1.
constexpr const char *fontKey = "host.fitFont";
constexpr const char *widthKey = "host.fitWidth";

// What a line edit's width holds besides its text: the frame, a margin of 2 pixels on either
// side, and a pixel before the cursor after the text.
int padding(const QLineEdit *box)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const int cursor = box->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, box);
    return 2 * frame + 2 * 2 + 1 + cursor;
}

double advance(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The widest the box may become: up to its container's edge or to the nearest control to its
// right that shares some of its rows. Decorative lines and shapes lie behind and do not count.
int widestWidth(const QLineEdit *box, int width)
{
    const QWidget *container = box->parentWidget();
    const QRect own(box->pos(), QSize(width, box->height()));
    int right = container->contentsRect().right();
    for (const QObject *child : container->children()) {
        const auto *other = qobject_cast<const QWidget *>(child);
        if (!other || other == box || other->isWindow() || isDecoration(other))
            continue;
        const QRect place = other->geometry();
        if (place.left() > own.right() && place.top() <= own.bottom()
            && place.bottom() >= own.top())
            right = std::min(right, place.left() - 1);
    }
    return std::max(width, right - own.left() + 1);
}

void fit(QLineEdit *box, const QFont &font, int width, const QString &text)
{
    if (text.size() > longestFitting) {
        box->setFont(font);
        box->resize(width, box->height());
        return;
    }
    const int extra = padding(box);
    setFittingFont(box, font, text, width - extra);
    QFont fitting = box->font();
    const double needed = std::ceil(advance(fitting, text)) + extra;
    int shown = width;
    if (needed > width) {
        shown = std::min(int(needed), widestWidth(box, width));
        // Too wide even so: the font shrinks in proportion, then step by step while rounding
        // leaves it too wide.
        const int room = shown - extra;
        if (advance(fitting, text) > room) {
            fitting.setPointSizeF(fitting.pointSizeF() * room / advance(fitting, text));
            while (advance(fitting, text) > room && fitting.pointSizeF() > 1.25)
                fitting.setPointSizeF(fitting.pointSizeF() - 0.25);
            box->setFont(fitting);
        }
    }
    box->resize(shown, box->height());
}

} // namespace

void keepTextWhole(QLineEdit *box, const QFont &font, int width)
{
    box->setProperty(fontKey, font);
    box->setProperty(widthKey, width);
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { fitTextToBox(box); });
    fitTextToBox(box);
}

void fitTextToBox(QLineEdit *box)
{
    const QVariant font = box->property(fontKey);
    if (!font.isValid())
        return;
    const double zoom = zoomOf(box);
    fit(box, zoomedFont(font.value<QFont>(), zoom),
        int(std::lround(box->property(widthKey).toInt() * zoom)), box->text());
}

} // namespace host
