// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/controls_registry.h"

#include "host/forms/control_helpers.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/fault.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

#include <functional>

namespace host {

namespace {

// A piece of state over a control: its value read and written without running its handlers.
template <typename Control>
StateEntry controlEntry(Control *control, StateType type, std::function<double()> read,
                        std::function<void(double)> write, std::function<bool(double)> fits,
                        QString range)
{
    StateEntry entry;
    entry.name = control->objectName().toStdString();
    entry.type = type;
    entry.read = [read] { return StateValue(std::vector<double> {read()}); };
    entry.check = [name = entry.name, type, fits, range](const StateValue &value) {
        const auto &numbers = checkedNumbers(name, type, value, 1);
        if (!fits(numbers[0]))
            throw Fault(Fault::Kind::Invalid,
                        "The value of " + name + " was refused: it must be " + range.toStdString()
                            + ".");
    };
    entry.write = [control = QPointer<Control>(control), write](const StateValue &value) {
        const QSignalBlocker quiet(control.data());
        write(std::get<std::vector<double>>(value)[0]);
    };
    return entry;
}

StateEntry textEntry(QLineEdit *box)
{
    StateEntry entry;
    entry.name = box->objectName().toStdString();
    entry.type = StateType::text;
    entry.read = [box] { return StateValue(box->text().toStdString()); };
    entry.check = [name = entry.name](const StateValue &value) {
        const auto *text = std::get_if<std::string>(&value);
        if (!text)
            throw Fault(Fault::Kind::Invalid, "The value of " + name + " must be a text.");
        if (QString::fromStdString(*text).size() > maxTextLength)
            throw Fault(Fault::Kind::Invalid,
                        "The text of " + name + " is too long to show (more than "
                            + std::to_string(maxTextLength) + " characters).");
    };
    entry.write = [box](const StateValue &value) {
        const QSignalBlocker quiet(box);
        box->setText(QString::fromStdString(std::get<std::string>(value)));
        box->setCursorPosition(0);
    };
    return entry;
}

} // namespace

StateRegistry controlsRegistry(QWidget *window)
{
    StateRegistry registry;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const QString name = child->objectName();
        if (name.isEmpty() || name.startsWith("qt_"))
            continue;
        if (auto *bar = qobject_cast<ScrollBar *>(child)) {
            const int low = std::min(bar->minimumValue(), bar->maximumValue());
            const int high = std::max(bar->minimumValue(), bar->maximumValue());
            registry.add(controlEntry(
                bar, StateType::int32, [bar] { return double(bar->value()); },
                [bar](double value) { bar->setValue(int(value)); },
                [low, high](double value) { return value >= low && value <= high; },
                QString("a whole number from %1 to %2").arg(low).arg(high)));
        } else if (auto *box = qobject_cast<QCheckBox *>(child)) {
            registry.add(controlEntry(
                box, StateType::int16, [box] { return double(checkValue(box)); },
                [box](double value) { setCheckValue(box, int(value)); },
                [](double value) { return value >= 0 && value <= 2; }, "0, 1 or 2"));
        } else if (auto *option = qobject_cast<QRadioButton *>(child)) {
            registry.add(controlEntry(
                option, StateType::boolean, [option] { return option->isChecked() ? 1.0 : 0.0; },
                [option](double value) {
                    if (value != 0)
                        option->setChecked(true);
                    else
                        deselect(option);
                },
                [](double) { return true; }, "true or false"));
        } else if (auto *text = qobject_cast<QLineEdit *>(child)) {
            registry.add(textEntry(text));
        }
    }
    return registry;
}

} // namespace host
