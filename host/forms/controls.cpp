// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/controls.h"

#include "host/forms/decorations.h"
#include "host/forms/form.h"
#include "host/forms/option_button.h"
#include "host/forms/picture_area.h"
#include "host/forms/text_box_fit.h"
#include "host/forms/wrapping_buttons.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace host {

namespace {

// The classic face of buttons, frames and labels.
const QColor buttonFace(192, 192, 192);

// Room the check box and option indicators and a frame's border take from a caption.
constexpr int indicatorPixels = 20;
constexpr int borderPixels = 12;

// The longest word of a caption: the widest line a wrapping caption can have.
QString longestWord(const QString &caption)
{
    QString longest;
    for (const QString &word : caption.split(' ', Qt::SkipEmptyParts))
        if (word.size() > longest.size())
            longest = word;
    return longest;
}

QWidget *create(QWidget *container, const ControlRow &row)
{
    const QFont font = classicFont(row.font);
    const int width = twipsToPixels(row.twips.width());
    switch (row.kind) {
    case ControlKind::Frame: {
        auto *frame = new QGroupBox(row.caption, container);
        setFittingFont(frame, font, row.caption, width - borderPixels);
        return frame;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(row.caption, container);
        label->setAlignment(row.align);
        if (width > 0)
            setFittingFont(label, font, row.caption, width);
        else
            label->setFont(font);
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(container);
        box->setFont(font);
        showText(box, row.caption);
        return box;
    }
    case ControlKind::Button: {
        auto *button = new WrappingPushButton(row.caption, container);
        setFittingFont(button, font, longestWord(row.caption), width - borderPixels / 2);
        return button;
    }
    case ControlKind::CheckBox: {
        auto *box = new WrappingCheckBox(row.caption, container);
        setFittingFont(box, font, longestWord(row.caption), width - indicatorPixels);
        setCheckValue(box, row.value);
        return box;
    }
    case ControlKind::Option: {
        auto *option = new OptionButton(row.caption, container);
        setFittingFont(option, font, row.caption, width - indicatorPixels);
        option->setChecked(row.value != 0);
        return option;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
        return new ScrollBar(row.kind == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical,
                             row.range, row.value, container);
    case ControlKind::Picture: {
        auto *area = new PictureArea(container);
        area->setFont(font);
        return area;
    }
    case ControlKind::Line:
        return new LineControl(container, row.name, row.foreColor, std::max(row.value, 1),
                               row.lineTwips.p1(), row.lineTwips.p2());
    case ControlKind::Rectangle:
    case ControlKind::RoundedRectangle:
        return new ShapeControl(container, row.name, row.foreColor, row.twips,
                                row.kind == ControlKind::RoundedRectangle);
    }
    throw std::logic_error("unknown control kind");
}

void place(QWidget *control, const ControlRow &row)
{
    if (row.kind == ControlKind::Line || row.kind == ControlKind::Rectangle
        || row.kind == ControlKind::RoundedRectangle)
        return; // placed by their own constructors
    if (row.kind == ControlKind::Label && row.twips.width() == 0) {
        control->adjustSize();
        control->move(twipsToPixels(row.twips.x()), twipsToPixels(row.twips.y()));
        return;
    }
    placeTwips(control, row.twips);
}

QColor defaultBack(ControlKind kind)
{
    return kind == ControlKind::Picture || kind == ControlKind::TextBox ? QColor(Qt::white)
                                                                        : buttonFace;
}

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

bool isDecoration(const QWidget *widget)
{
    return dynamic_cast<const LineControl *>(widget) || dynamic_cast<const ShapeControl *>(widget);
}

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

void layOut(QWidget *client, const std::vector<ControlRow> &rows)
{
    QHash<QString, QWidget *> made;
    for (const ControlRow &row : rows) {
        QWidget *container = row.container.isEmpty() ? client : made.value(row.container);
        if (!container)
            throw std::logic_error("container " + row.container.toStdString() + " of "
                                   + row.name.toStdString() + " comes later or not at all");
        QWidget *control = create(container, row);
        control->setObjectName(row.name);
        place(control, row);
        if (auto *box = qobject_cast<QLineEdit *>(control))
            keepTextWhole(box, classicFont(row.font), box->width());
        if (row.kind != ControlKind::Line && row.kind != ControlKind::Rectangle
            && row.kind != ControlKind::RoundedRectangle)
            setColors(control, row.backColor.isValid() ? row.backColor : defaultBack(row.kind),
                      row.foreColor.isValid() ? row.foreColor : QColor(Qt::black));
        if (qobject_cast<PictureArea *>(container))
            control->setAttribute(Qt::WA_NoMousePropagation);
        made.insert(row.name, control);
    }
    arrangeForKeyboard(client);
}

int twipsToPixels(double twips) { return int(std::lround(twips / 15)); }

void placeTwips(QWidget *widget, QRect twips)
{
    widget->setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                        twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

QString arrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

int16_t checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1       ? Qt::Checked
                           : value == 2 ? Qt::PartiallyChecked
                                        : Qt::Unchecked);
}

void deselect(QRadioButton *option)
{
    const bool exclusive = option->autoExclusive();
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(exclusive);
}

void showText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->repaint();
}

void showNumberText(QLineEdit *box, const std::string &text)
{
    showText(box, QString::fromStdString(text));
}

void setToolTip(QWidget *control, const QString &text) { control->setToolTip(text); }

void setColors(QWidget *control, QColor back, QColor fore)
{
    if (auto *form = qobject_cast<Form *>(control))
        control = form->client(); // a form's colours are those of its client area
    // Lines and shapes have one colour, their fore colour.
    if (auto *line = dynamic_cast<LineControl *>(control); line && fore.isValid())
        return line->setColour(fore);
    if (auto *shape = dynamic_cast<ShapeControl *>(control); shape && fore.isValid())
        return shape->setColour(fore);
    if (auto *area = qobject_cast<PictureArea *>(control)) {
        if (back.isValid())
            area->setBackColor(back);
        if (fore.isValid())
            area->setForeColor(fore);
        return;
    }
    QPalette colours = control->palette();
    if (back.isValid()) {
        colours.setColor(QPalette::Window, back);
        colours.setColor(QPalette::Button, back);
        colours.setColor(control->backgroundRole(), back);
        control->setAutoFillBackground(true);
    }
    if (fore.isValid()) {
        colours.setColor(QPalette::WindowText, fore);
        colours.setColor(QPalette::ButtonText, fore);
        colours.setColor(control->foregroundRole(), fore);
    }
    control->setPalette(colours);
    control->update();
}

QColor backColor(const QWidget *control)
{
    if (auto *form = qobject_cast<const Form *>(control))
        control = form->client();
    if (auto *area = qobject_cast<const PictureArea *>(control))
        return area->backColor();
    return control->palette().color(control->backgroundRole());
}

QColor foreColor(const QWidget *control)
{
    if (auto *form = qobject_cast<const Form *>(control))
        control = form->client();
    if (auto *line = dynamic_cast<const LineControl *>(control))
        return line->colour();
    if (auto *shape = dynamic_cast<const ShapeControl *>(control))
        return shape->colour();
    if (auto *area = qobject_cast<const PictureArea *>(control))
        return area->foreColor();
    return control->palette().color(control->foregroundRole());
}

} // namespace host
