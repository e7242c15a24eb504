// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/keyboard_order.h"

#include "host/forms/decorations.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace host {

namespace {

// A push button presses with Enter (and the keypad's Enter) as it does with Space.
class EnterPresses : public QObject
{
public:
    static void install(QAbstractButton *button)
    {
        if (!button->findChild<EnterPresses *>(QString(), Qt::FindDirectChildrenOnly))
            button->installEventFilter(new EnterPresses(button));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || key->modifiers() & ~Qt::KeypadModifier || key->isAutoRepeat())
            return false;
        auto *button = static_cast<QAbstractButton *>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }

private:
    explicit EnterPresses(QObject *parent)
        : QObject(parent)
    {
    }
};

// Marks an accessible name the layout derived, which a later arrangement may replace.
constexpr const char *derivedNameProperty = "host.derivedAccessibleName";

bool holdsControls(const QWidget *widget)
{
    return qobject_cast<const QGroupBox *>(widget) || qobject_cast<const PictureArea *>(widget);
}

// The controls a container holds directly, as the layout made them.
QList<QWidget *> controlsOf(QWidget *container)
{
    QList<QWidget *> controls;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty() && !isDecoration(child) && !child->isWindow())
            controls.append(child);
    return controls;
}

// Splits controls into groups along one axis wherever a straight cut between them crosses
// none of them (two pixels of overlap do not count), in order along the axis.
QList<QList<QWidget *>> cutApart(QList<QWidget *> controls, bool acrossRows)
{
    const auto from = [acrossRows](const QWidget *c) {
        const QRect r = c->geometry();
        const int length = acrossRows ? r.height() : r.width();
        return (acrossRows ? r.top() : r.left()) + (length > 6 ? 2 : 0);
    };
    const auto to = [acrossRows](const QWidget *c) {
        const QRect r = c->geometry();
        const int length = acrossRows ? r.height() : r.width();
        return (acrossRows ? r.top() + r.height() : r.left() + r.width()) - (length > 6 ? 2 : 0);
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](QWidget *a, QWidget *b) { return from(a) < from(b); });
    QList<QList<QWidget *>> groups;
    int reach = std::numeric_limits<int>::min();
    for (QWidget *control : controls) {
        if (groups.isEmpty() || from(control) >= reach)
            groups.emplaceBack();
        groups.back().append(control);
        reach = std::max(reach, to(control));
    }
    return groups;
}

// Controls that no straight cut separates (one lies on another): rows from top to bottom,
// each from left to right; a control joins a row while its top lies above the middle of the
// row's first one, or above its own middle when it is the shorter of the two.
QList<QWidget *> byRows(QList<QWidget *> controls)
{
    std::stable_sort(controls.begin(), controls.end(),
                     [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
    QList<QWidget *> ordered;
    for (qsizetype first = 0; first < controls.size();) {
        const QRect lead = controls[first]->geometry();
        qsizetype end = first + 1;
        while (end < controls.size()
               && controls[end]->y()
                   < lead.top() + std::min(lead.height(), controls[end]->height()) / 2)
            ++end;
        QList<QWidget *> row = controls.mid(first, end - first);
        std::stable_sort(row.begin(), row.end(),
                         [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        ordered.append(row);
        first = end;
    }
    return ordered;
}

// Controls in reading order: cut into bands from top to bottom, a band into columns from
// left to right, a column into bands again, and so on, the way a page is read. Columns whose
// controls line up in rows (a keypad) are read row by row.
QList<QWidget *> readingOrder(const QList<QWidget *> &controls, bool acrossRows)
{
    if (controls.size() < 2)
        return controls;
    QList<QList<QWidget *>> groups = cutApart(controls, acrossRows);
    if (groups.size() == 1)
        groups = cutApart(controls, !acrossRows);
    else
        acrossRows = !acrossRows; // a band is cut into columns next
    if (groups.size() == 1)
        return byRows(controls);
    if (acrossRows) {
        QList<QList<QWidget *>> columns;
        for (const QList<QWidget *> &column : groups) {
            if (!columns.isEmpty() && cutApart(columns.back() + column, true).size() > 1)
                columns.back() += column;
            else
                columns.append(column);
        }
        groups = columns;
    }
    QList<QWidget *> ordered;
    for (const QList<QWidget *> &group : groups)
        ordered.append(readingOrder(group, acrossRows));
    return ordered;
}

// A container's controls in reading order, a frame's or picture area's own controls right
// after it.
QList<QWidget *> readingOrder(QWidget *container)
{
    QList<QWidget *> ordered;
    for (QWidget *control : readingOrder(controlsOf(container), true)) {
        ordered.append(control);
        if (holdsControls(control))
            ordered.append(readingOrder(control));
    }
    return ordered;
}

QString cleanCaption(QString text)
{
    text.remove('&');
    text = text.simplified();
    while (!text.isEmpty() && (text.back() == '=' || text.back() == ':'))
        text.chop(1);
    return text.trimmed();
}

QString captionOf(const QWidget *control)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return cleanCaption(button->text());
    if (auto *label = qobject_cast<const QLabel *>(control))
        return cleanCaption(label->text());
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return cleanCaption(frame->title());
    return {};
}

// The caption of the label that names a control: the nearest one on its left in the same
// row, else the nearest one on its right, else the nearest one just above it that overlaps it
// sideways.
QString labelBeside(const QWidget *control)
{
    constexpr int nearAbove = 30; // pixels between a label and the control it heads
    const QRect at = control->geometry();
    const QLabel *left = nullptr, *right = nullptr, *above = nullptr;
    for (QWidget *sibling : controlsOf(control->parentWidget())) {
        auto *label = qobject_cast<QLabel *>(sibling);
        if (!label || captionOf(label).isEmpty())
            continue;
        const QRect is = label->geometry();
        const bool sameRow = is.center().y() >= at.top() - 2 && is.center().y() <= at.bottom() + 2;
        if (sameRow && is.left() < at.left() && is.right() <= at.left() + 4) {
            if (!left || is.right() > left->geometry().right())
                left = label;
        } else if (sameRow && is.left() >= at.right() - 4) {
            if (!right || is.left() < right->geometry().left())
                right = label;
        } else if (is.bottom() <= at.top() + 4 && is.bottom() >= at.top() - nearAbove
                   && is.left() <= at.right() && is.right() >= at.left()) {
            if (!above || is.bottom() > above->geometry().bottom())
                above = label;
        }
    }
    const QLabel *naming = left ? left : right ? right : above;
    return naming ? captionOf(naming) : QString();
}

// The name a control without a caption of its own is known by.
QString derivedName(const QWidget *control)
{
    const QString frame = qobject_cast<const QGroupBox *>(control->parentWidget())
        ? captionOf(control->parentWidget())
        : QString();
    const QString label = labelBeside(control);
    if (!label.isEmpty())
        return frame.isEmpty() ? label : frame + ": " + label;
    return frame.isEmpty() ? control->objectName() : frame;
}

bool hasOwnCaption(const QWidget *control)
{
    return (qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLabel *>(control)
            || qobject_cast<const QGroupBox *>(control))
        && !captionOf(control).isEmpty();
}

} // namespace

void arrangeForKeyboard(QWidget *client)
{
    QWidget *previous = nullptr;
    for (QWidget *control : readingOrder(client)) {
        if (qobject_cast<ScrollBar *>(control))
            control->setFocusPolicy(Qt::TabFocus);
        if (auto *button = qobject_cast<QPushButton *>(control))
            EnterPresses::install(button);
        const bool derived = control->property(derivedNameProperty).toBool();
        if (control->accessibleName().isEmpty() || derived) {
            // A button's or label's own caption reaches screen readers as it changes; a
            // frame's title is its name.
            const bool frame = qobject_cast<QGroupBox *>(control);
            control->setAccessibleName(frame && hasOwnCaption(control) ? captionOf(control)
                                           : hasOwnCaption(control)    ? QString()
                                                                       : derivedName(control));
            control->setProperty(derivedNameProperty, true);
        }
        if (control->focusPolicy() & Qt::TabFocus) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}

void setAccessibleName(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    control->setProperty(derivedNameProperty, false);
}

} // namespace host
