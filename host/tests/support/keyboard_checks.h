// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The keys every scroll bar of a program's windows answers, pressed as a student presses them
// on the focused bar.

#include "host/forms/scroll_bar.h"
#include "host/tests/support/form_checks.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace host::testing {

// The keys that failed on the form's enabled scroll bars, as "bar key" entries: each arrow
// both ways (Left and Up towards the bar's minimum end, Right and Down towards its maximum
// end) by a small change, PageUp and PageDown by a large change, Home and End to the ends;
// each key runs Change once. Every key starts from the middle of the range.
inline QStringList scrollBarKeyFaults(const Form &form)
{
    struct Move
    {
        Qt::Key key;
        const char *name;
        int steps; // small changes towards the maximum end (negative towards the minimum)
        int pages;
        int end; // -1 the minimum end, 1 the maximum end, 0 neither
    };
    const Move moves[] = {
        {Qt::Key_Left, "Left", -1, 0, 0},     {Qt::Key_Right, "Right", 1, 0, 0},
        {Qt::Key_Up, "Up", -1, 0, 0},         {Qt::Key_Down, "Down", 1, 0, 0},
        {Qt::Key_PageUp, "PageUp", 0, -1, 0}, {Qt::Key_PageDown, "PageDown", 0, 1, 0},
        {Qt::Key_Home, "Home", 0, 0, -1},     {Qt::Key_End, "End", 0, 0, 1},
    };
    QStringList faults;
    for (QWidget *control : formControls(form)) {
        auto *bar = qobject_cast<ScrollBar *>(control);
        if (!bar || !bar->isEnabled())
            continue;
        const int minimum = bar->minimumValue();
        const int maximum = bar->maximumValue();
        const int toward = maximum >= minimum ? 1 : -1;
        const int middle = minimum + (maximum - minimum) / 2;
        for (const Move &move : moves) {
            bar->setValue(middle);
            QSignalSpy changes(bar, &ScrollBar::changed);
            bar->setFocus();
            QTest::keyClick(bar, move.key);
            const int expected = move.end < 0 ? minimum
                : move.end > 0
                ? maximum
                : middle + toward * (move.steps * bar->singleStep() + move.pages * bar->pageStep());
            const int low = std::min(minimum, maximum);
            const int high = std::max(minimum, maximum);
            if (bar->value() != std::clamp(expected, low, high) || changes.count() != 1)
                faults << bar->objectName() + " " + move.name;
        }
    }
    return faults;
}

} // namespace host::testing
