// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollBar>

namespace host {

// A scroll bar with the classic range: its value runs from minimum (left or top end) to
// maximum (right or bottom end), and the minimum may be the larger of the two (a level bar
// with 100 at the top and 0 at the bottom). Small change is an arrow click, large change a
// click on the track. Change runs when the value changes (set from code to a different
// value, an arrow or track click, the thumb released); Scroll runs while the thumb is
// dragged, and reads the thumb's position through value().
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    struct Range
    {
        int minimum = 0;
        int maximum = 32767;
        int smallChange = 1;
        int largeChange = 1;
    };

    ScrollBar(Qt::Orientation orientation, Range range, int value, QWidget *parent = nullptr);

    int minimumValue() const { return m_range.minimum; }
    int maximumValue() const { return m_range.maximum; }
    bool holds(int value) const;

    // The value where the thumb is: while it is dragged, ahead of the committed value.
    int value() const;
    // Sets the value; a different value runs Change before this returns, an equal one
    // runs nothing. A value outside the range is a range fault.
    void setValue(int value);

protected:
    // Left and Up move towards the minimum end, Right and Down towards the maximum end (Qt
    // 6.4 turns Left and Right round on a scroll bar); PageUp, PageDown, Home and End as Qt.
    void keyPressEvent(QKeyEvent *event) override;

signals:
    // Change and Scroll in the classic sense, with the classic value.
    void changed(int value);
    void scrolled(int value);

private:
    int toClassic(int position) const;
    int toPosition(int value) const;

    Range m_range;
};

} // namespace host
