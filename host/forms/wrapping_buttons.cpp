// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/wrapping_buttons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace host {

namespace {

// Draws a button's face from an option without a caption, then the button's caption wrapped
// onto lines in the room the face leaves it.
void paintWrapped(QAbstractButton *button, const QStyleOptionButton &face,
                  QStyle::ControlElement element, QRect captionArea, Qt::Alignment align,
                  QPalette::ColorRole role)
{
    QStylePainter painter(button);
    painter.drawControl(element, face);
    painter.drawItemText(captionArea, align | Qt::TextWordWrap, button->palette(),
                         button->isEnabled(), button->text(), role);
}

} // namespace

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStyleOptionButton face;
    initStyleOption(&face);
    face.text.clear();
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &face, this);
    QRect captionArea = rect();
    captionArea.setLeft(indicator.right() + 1
                        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &face, this));
    paintWrapped(this, face, QStyle::CE_CheckBox, captionArea, Qt::AlignLeft | Qt::AlignVCenter,
                 QPalette::WindowText);
}

void WrappingPushButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton face;
    initStyleOption(&face);
    face.text.clear();
    paintWrapped(this, face, QStyle::CE_PushButton,
                 style()->subElementRect(QStyle::SE_PushButtonContents, &face, this),
                 Qt::AlignCenter, QPalette::ButtonText);
}

} // namespace host
