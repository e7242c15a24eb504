// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checks every program's windows share: tooltips, accessible names and the tab order, read
// the way a student and a screen reader meet them.

#include "host/forms/decorations.h"
#include "host/forms/form.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace host::testing {

// The controls a form's layout made, in its client area: decorations left out.
inline QList<QWidget *> formControls(const Form &form)
{
    QList<QWidget *> controls;
    for (QWidget *widget : form.client()->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")
            || widget->window() != &form || isDecoration(widget))
            continue;
        controls.append(widget);
    }
    return controls;
}

// The controls a student works with or reads values from, that is all but labels and
// frames, that have no tooltip.
inline QStringList withoutToolTip(const Form &form)
{
    QStringList missing;
    for (QWidget *control : formControls(form))
        if (!qobject_cast<QLabel *>(control) && !qobject_cast<QGroupBox *>(control)
            && control->toolTip().trimmed().isEmpty())
            missing << control->objectName();
    return missing;
}

inline QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls a screen reader would announce without a name.
inline QStringList withoutAccessibleName(const Form &form)
{
    QStringList missing;
    for (QWidget *control : formControls(form))
        if (accessibleName(control).trimmed().isEmpty())
            missing << control->objectName();
    return missing;
}

// The controls Tab visits, in order, from the first one of the client area.
inline QStringList tabStops(const Form &form)
{
    QStringList stops;
    QWidget *first = nullptr;
    for (QWidget *at = form.client()->nextInFocusChain(); at != form.client();
         at = at->nextInFocusChain())
        if ((at->focusPolicy() & Qt::TabFocus) && at->window() == &form
            && !at->objectName().isEmpty()) {
            first = at;
            break;
        }
    QWidget *at = first;
    while (at && stops.size() < 500) {
        stops << at->objectName();
        do
            at = at->nextInFocusChain();
        while (!((at->focusPolicy() & Qt::TabFocus) && at->window() == &form
                 && !at->objectName().isEmpty() && form.client()->isAncestorOf(at)));
        if (at == first)
            break;
    }
    return stops;
}

// The text boxes of a form that cut the text they are given: each box shows its text, and a
// box whose text fits draws the same pixels whether its cursor stands at the start or at the
// end of the text (a box too narrow scrolls to keep the cursor in view). Also named: a box
// that grew over a control it did not touch before.
inline QStringList boxesCuttingText(Form &form, const QList<std::pair<QString, QString>> &texts)
{
    QStringList cut;
    for (const auto &[name, text] : texts) {
        auto *box = form.control<QLineEdit>(name);
        const QRect own = box->geometry();
        box->clearFocus(); // a focused box draws its cursor
        box->setText(text);
        box->setCursorPosition(0);
        const QImage atStart = box->grab().toImage();
        box->setCursorPosition(int(text.size()));
        bool covers = false;
        for (QWidget *other :
             box->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            covers = covers
                || (other != box && !isDecoration(other) && !other->isWindow()
                    && !other->geometry().intersects(own)
                    && other->geometry().intersects(box->geometry()));
        if (box->grab().toImage() != atStart || covers)
            cut << name + " " + text;
        box->setCursorPosition(0);
    }
    return cut;
}

} // namespace host::testing
