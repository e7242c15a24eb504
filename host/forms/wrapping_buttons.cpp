// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/wrapping_buttons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace host {

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);

    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QRect captionArea = rect();
    captionArea.setLeft(indicator.right() + 1
                        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this));
    painter.drawItemText(captionArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         palette(), isEnabled(), text(), QPalette::WindowText);
}

void WrappingPushButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect captionArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(captionArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         text(), QPalette::ButtonText);
}

} // namespace host
