// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/control_helpers.h"

#include "host/forms/decorations.h"
#include "host/forms/picture_area.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>

#include <stdexcept>

namespace host {

namespace {

// The widget that shows a control's colours: a form's client area for the form.
template <typename Widget> Widget *colourHolder(Widget *control)
{
    if (auto *window = qobject_cast<const QMainWindow *>(control);
        window && window->centralWidget())
        return window->centralWidget();
    return control;
}

} // namespace

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

void setToolTips(QWidget &window, const std::vector<ToolTip> &tips)
{
    std::vector<QWidget *> controls;
    for (const ToolTip &tip : tips) {
        auto *control = window.findChild<QWidget *>(tip.name);
        if (!control)
            throw std::logic_error("no control " + tip.name.toStdString() + " in "
                                   + window.objectName().toStdString() + " for a tool tip");
        controls.push_back(control);
    }
    for (std::size_t k = 0; k < tips.size(); ++k)
        setToolTip(controls[k], tips[k].text);
}

void setColors(QWidget *control, QColor back, QColor fore)
{
    control = colourHolder(control);
    // Lines and shapes have one colour, their fore colour.
    if (auto *decoration = dynamic_cast<Decoration *>(control); decoration && fore.isValid())
        return decoration->setColour(fore);
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
    control = colourHolder(control);
    if (auto *area = qobject_cast<const PictureArea *>(control))
        return area->backColor();
    return control->palette().color(control->backgroundRole());
}

QColor foreColor(const QWidget *control)
{
    control = colourHolder(control);
    if (auto *decoration = dynamic_cast<const Decoration *>(control))
        return decoration->colour();
    if (auto *area = qobject_cast<const PictureArea *>(control))
        return area->foreColor();
    return control->palette().color(control->foregroundRole());
}

} // namespace host
