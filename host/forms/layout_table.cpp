// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/layout_table.h"

#include "host/forms/control_helpers.h"
#include "host/forms/decorations.h"
#include "host/forms/export_menu.h"
#include "host/forms/keyboard_order.h"
#include "host/forms/option_button.h"
#include "host/forms/picture_area.h"
#include "host/forms/text_box_fit.h"
#include "host/forms/twips.h"
#include "host/forms/wrapping_buttons.h"
#include "host/forms/zoom.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
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
        area->setRightClickMenu(exportMenu);
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

bool isDecorationKind(ControlKind kind)
{
    return kind == ControlKind::Line || kind == ControlKind::Rectangle
        || kind == ControlKind::RoundedRectangle;
}

void place(QWidget *control, const ControlRow &row)
{
    if (isDecorationKind(row.kind))
        return; // placed by their own constructors
    if (row.kind == ControlKind::Label && row.twips.width() == 0) {
        keepAutoSize(control, row.twips.topLeft());
        control->adjustSize();
        const double zoom = zoomOf(control);
        control->move(twipsToPixels(row.twips.x(), zoom), twipsToPixels(row.twips.y(), zoom));
        return;
    }
    placeTwips(control, row.twips);
}

QColor defaultBack(ControlKind kind)
{
    return kind == ControlKind::Picture || kind == ControlKind::TextBox ? QColor(Qt::white)
                                                                        : buttonFace;
}

} // namespace

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
            keepTextWhole(box, classicFont(row.font), twipsToPixels(row.twips.width()));
        else if (!isDecorationKind(row.kind))
            keepFont(control, control->font());
        if (!isDecorationKind(row.kind))
            setColors(control, row.backColor.isValid() ? row.backColor : defaultBack(row.kind),
                      row.foreColor.isValid() ? row.foreColor : QColor(Qt::black));
        if (qobject_cast<PictureArea *>(container))
            control->setAttribute(Qt::WA_NoMousePropagation);
        made.insert(row.name, control);
    }
    // Made at zoom 1; a form zoomed already shows them at its zoom.
    if (const double zoom = zoomOf(client); zoom != 1)
        applyZoom(client, zoom);
    arrangeForKeyboard(client);
}

} // namespace host
