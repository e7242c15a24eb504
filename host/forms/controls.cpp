#include "host/forms/controls.h"

#include "host/forms/decorations.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/wrapping_buttons.h"

#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
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
        auto *option = new QRadioButton(row.caption, container);
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
        if (row.kind != ControlKind::Line && row.kind != ControlKind::Rectangle
            && row.kind != ControlKind::RoundedRectangle)
            setColors(control, row.backColor.isValid() ? row.backColor : defaultBack(row.kind),
                      row.foreColor.isValid() ? row.foreColor : QColor(Qt::black));
        if (qobject_cast<PictureArea *>(container))
            control->setAttribute(Qt::WA_NoMousePropagation);
        made.insert(row.name, control);
    }
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
