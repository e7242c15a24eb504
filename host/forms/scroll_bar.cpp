// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/scroll_bar.h"

#include "host/numbers/fault.h"

#include <QKeyEvent>

#include <cstdlib>
#include <string>

namespace host {

ScrollBar::ScrollBar(Qt::Orientation orientation, Range range, int value, QWidget *parent)
    : QScrollBar(orientation, parent)
    , m_range(range)
{
    // Qt's range always grows from the left or top end; the classic one may run either way.
    QScrollBar::setRange(0, std::abs(range.maximum - range.minimum));
    setSingleStep(range.smallChange);
    setPageStep(range.largeChange);
    setTracking(false);
    QScrollBar::setValue(toPosition(value));
    connect(this, &QAbstractSlider::valueChanged, this,
            [this](int position) { emit changed(toClassic(position)); });
    connect(this, &QAbstractSlider::sliderMoved, this,
            [this](int position) { emit scrolled(toClassic(position)); });
}

bool ScrollBar::holds(int value) const
{
    return m_range.minimum <= m_range.maximum
        ? value >= m_range.minimum && value <= m_range.maximum
        : value <= m_range.minimum && value >= m_range.maximum;
}

int ScrollBar::value() const { return toClassic(sliderPosition()); }

void ScrollBar::setValue(int value)
{
    if (!holds(value))
        throw Fault(Fault::Kind::Overflow,
                    "The value " + std::to_string(value) + " lies outside the range of "
                        + objectName().toStdString() + " (" + std::to_string(m_range.minimum)
                        + " to " + std::to_string(m_range.maximum) + ").");
    QScrollBar::setValue(toPosition(value));
}

void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    const bool left = event->key() == Qt::Key_Left;
    if (!left && event->key() != Qt::Key_Right) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    // On a right-to-left form the minimum end is on the right.
    triggerAction(left != isRightToLeft() ? SliderSingleStepSub : SliderSingleStepAdd);
    event->accept();
}

int ScrollBar::toClassic(int position) const
{
    return m_range.minimum <= m_range.maximum ? m_range.minimum + position
                                              : m_range.minimum - position;
}

int ScrollBar::toPosition(int value) const { return std::abs(value - m_range.minimum); }

} // namespace host
