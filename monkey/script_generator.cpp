// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/script_generator.h"

#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace monkey {

namespace {

std::optional<Control::Kind> kindOf(QWidget *widget)
{
    using Kind = Control::Kind;
    if (qobject_cast<QCheckBox *>(widget))
        return Kind::CheckBox;
    if (qobject_cast<QRadioButton *>(widget))
        return Kind::Option;
    if (qobject_cast<QAbstractButton *>(widget))
        return Kind::Button;
    if (qobject_cast<host::ScrollBar *>(widget))
        return Kind::ScrollBar;
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->isReadOnly() ? std::nullopt : std::optional(Kind::TextBox);
    if (qobject_cast<host::PictureArea *>(widget))
        return Kind::Picture;
    if (qobject_cast<QLabel *>(widget))
        return Kind::Label;
    return std::nullopt;
}

QString number(double value) { return QString::number(value, 'g', 17); }

} // namespace

Inventory takeInventory(const QString &mainForm)
{
    Inventory inventory;
    inventory.mainForm = mainForm;
    QList<host::Form *> forms;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<host::Form *>(top))
            forms.append(form);
    // The main form first, then the others by name, so that the order does not depend on
    // the order the windows were made in.
    std::sort(forms.begin(), forms.end(), [&](host::Form *a, host::Form *b) {
        return std::pair(a->objectName() != mainForm, a->objectName())
            < std::pair(b->objectName() != mainForm, b->objectName());
    });
    for (host::Form *form : forms) {
        const QString prefix = form->objectName() + ".";
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            const auto kind = kindOf(widget);
            // A control hidden in its window is out of the user's reach.
            if (widget->objectName().isEmpty() || !kind || !widget->isVisibleTo(form))
                continue;
            Control control;
            control.name = prefix + widget->objectName();
            control.kind = *kind;
            if (auto *bar = qobject_cast<host::ScrollBar *>(widget)) {
                control.minimum = bar->minimumValue();
                control.maximum = bar->maximumValue();
            }
            if (auto *area = qobject_cast<host::PictureArea *>(widget))
                control.area = QRectF(area->scaleLeft(), area->scaleTop(), area->scaleWidth(),
                                      area->scaleHeight())
                                   .normalized();
            inventory.controls.push_back(control);
        }
        for (QAction *item : form->findChildren<QAction *>()) {
            // File > Quit ends the program: the monkey closes the window itself, last.
            if (item->objectName().isEmpty() || item->isSeparator()
                || item->objectName() == "mnuQuit")
                continue;
            Control control;
            control.name = prefix + item->objectName();
            control.kind = Control::Kind::MenuItem;
            inventory.controls.push_back(control);
        }
    }
    return inventory;
}

ScriptGenerator::ScriptGenerator(Inventory inventory, uint64_t seed)
    : m_inventory(std::move(inventory))
    , m_random(seed)
{
}

int ScriptGenerator::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

double ScriptGenerator::uniformReal(double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(m_random);
}

bool ScriptGenerator::chance(double probability) { return uniformReal(0, 1) < probability; }

bool ScriptGenerator::has(Control::Kind kind) const
{
    return std::any_of(m_inventory.controls.begin(), m_inventory.controls.end(),
                       [kind](const Control &control) { return control.kind == kind; });
}

const Control &ScriptGenerator::pick(Control::Kind kind)
{
    std::vector<const Control *> candidates;
    for (const Control &control : m_inventory.controls)
        if (control.kind == kind)
            candidates.push_back(&control);
    return *candidates[std::size_t(uniform(0, int(candidates.size()) - 1))];
}

QString ScriptGenerator::typedText()
{
    static const std::array<const char *, 24> edges {
        "0",     "1",    "-1",     "32767",   "32768", "-32768", "-32769", "65536",
        "1E+38", "4e38", "1e308",  "1.8e308", "1e309", "1e-45",  "1e-320", "-0",
        "0.5",   "2.5",  "-0.001", "1E+07",   "100",   "20",     "1e15",   "0.0001"};
    static const std::array<const char *, 26> words {
        "",      " ",    "abc", "12abc", ".",    "-",    "+",  "1.2.3", "1,5",
        "&H1F",  "0x10", "nan", "inf",   "-inf", "1e",   "e5", "Ω",     "\xe2\x88\x9e",
        "  7  ", "\t5",  "--1", "+-2",   "1e+",  "0..5", "½",  "١٢"};
    switch (uniform(0, 9)) {
    case 0:
    case 1:
        return QString::number(uniform(-50, 200));
    case 2:
        return number(uniformReal(-10, 10));
    case 3:
    case 4:
        return edges[std::size_t(uniform(0, int(edges.size()) - 1))];
    case 5:
    case 6:
        return QString::fromUtf8(words[std::size_t(uniform(0, int(words.size()) - 1))]);
    case 7: // a number of hundreds of digits
        return (chance(0.5) ? "" : "-") + QString(uniform(300, 330), '9');
    case 8: // a long text
        return QString(uniform(1000, 100000), QChar(chance(0.5) ? '7' : 'x'));
    default:
        return number(std::pow(10.0, uniformReal(-40, 40)) * (chance(0.5) ? 1 : -1));
    }
}

QString ScriptGenerator::point(const Control &picture)
{
    // Mostly inside the area; now and then where a drag leaves it, up to three times its
    // size away.
    const double spread = chance(0.8) ? 0.0 : 3.0;
    const QRectF &a = picture.area;
    const double x = uniformReal(a.left() - spread * a.width(), a.right() + spread * a.width());
    const double y = uniformReal(a.top() - spread * a.height(), a.bottom() + spread * a.height());
    return number(x) + " " + number(y);
}

QString ScriptGenerator::drag(const Control &picture)
{
    QStringList lines {"mouse " + picture.name + " down " + point(picture)};
    for (int moves = uniform(0, 4); moves > 0; --moves)
        lines << "mouse " + picture.name + " move " + point(picture);
    if (chance(0.9))
        lines << "mouse " + picture.name + " up " + point(picture);
    return lines.join('\n');
}

// One action a user takes; inside a yield it is a single line.
QString ScriptGenerator::action(bool insideYield)
{
    using Kind = Control::Kind;
    for (;;) {
        const int choice = uniform(0, 13);
        switch (choice) {
        case 0:
        case 1:
        case 2:
        case 4: {
            const Kind kind = choice == 4 ? Kind::Option : Kind::Button;
            if (has(kind))
                return "click " + pick(kind).name;
            break;
        }
        case 3:
            if (has(Kind::CheckBox))
                return chance(0.5)
                    ? "click " + pick(Kind::CheckBox).name
                    : "set " + pick(Kind::CheckBox).name + " " + QString::number(uniform(0, 1));
            break;
        case 5:
            if (has(Kind::ScrollBar)) {
                const Control &bar = pick(Kind::ScrollBar);
                const int low = std::min(bar.minimum, bar.maximum);
                const int high = std::max(bar.minimum, bar.maximum);
                const int value = chance(0.3) ? (chance(0.5) ? low : high) : uniform(low, high);
                return "set " + bar.name + " " + QString::number(value);
            }
            break;
        case 6:
        case 7:
        case 8:
            if (has(Kind::TextBox))
                return "type " + pick(Kind::TextBox).name + " " + typedText();
            break;
        case 9:
            if (has(Kind::TextBox)) {
                static const std::array<int, 6> codes {13, 13, 8, 27, 32, 65};
                return "key " + pick(Kind::TextBox).name + " "
                    + QString::number(codes[std::size_t(uniform(0, 5))]);
            }
            break;
        case 10:
            if (has(Kind::Picture)) {
                const Control &picture = pick(Kind::Picture);
                if (insideYield)
                    return "mouse " + picture.name + (chance(0.5) ? " down " : " up ")
                        + point(picture);
                return drag(picture);
            }
            break;
        case 11:
            if (has(Kind::MenuItem))
                return "menu " + pick(Kind::MenuItem).name;
            break;
        case 12:
            if (has(Kind::Label) && chance(0.3))
                return "click " + pick(Kind::Label).name;
            break;
        default:
            if (has(Kind::TextBox) && !insideYield)
                return "show " + pick(Kind::TextBox).name + " text";
            break;
        }
    }
}

QString ScriptGenerator::event()
{
    if (chance(0.15)) {
        // A press while a run yields; now and then the window of a control closes then.
        const int when = uniform(1, 30);
        if (chance(0.03) && has(Control::Kind::Button)) {
            const QString control = pick(Control::Kind::Button).name;
            const QString form = control.section('.', 0, 0);
            if (form != m_inventory.mainForm)
                return "at-yield " + QString::number(when) + " close " + form;
        }
        return "at-yield " + QString::number(when) + " " + action(true);
    }
    return action(false);
}

QStringList ScriptGenerator::script(int events)
{
    QStringList lines {"clock " + QString::number(uniform(0, 86399))};
    int count = 0, marked = 0;
    while (count < events - 2) {
        const QString next = event();
        count += int(next.count('\n')) + 1;
        lines << next.split('\n');
        if (count - marked >= eventsPerMark) {
            lines << markLine();
            marked += eventsPerMark;
        }
    }
    lines << markLine();
    // The end: the main window closes, half the time in the middle of whatever a button
    // starts.
    if (chance(0.5) && has(Control::Kind::Button)) {
        lines << "at-yield " + QString::number(uniform(1, 5)) + " close " + m_inventory.mainForm;
        lines << "click " + pick(Control::Kind::Button).name;
    } else {
        lines << "close " + m_inventory.mainForm;
    }
    return lines;
}

QString ScriptGenerator::markLine() const { return "show " + m_inventory.mainForm + " caption"; }

QString unclearReport(const QString &line)
{
    if (line.startsWith("error: ")) {
        if (line.endsWith(" is disabled") || line.endsWith(": the script ended before that yield")
            || line.contains(": the program ended when its last window closed"))
            return {};
        return "an error in a legal script";
    }
    QString text;
    if (line.startsWith("fault: "))
        text = line.mid(7);
    else if (line.startsWith("message: "))
        text = line.mid(9);
    else
        return {};
    if (text.trimmed().isEmpty())
        return "an empty report";
    if (text.size() > 1000)
        return "a report of " + QString::number(text.size()) + " characters";
    // What the user typed may be quoted as it was; the program's own words are checked.
    QString own = text;
    own.remove(QRegularExpression("\"[^\"]*\""));
    static const QRegularExpression nonFinite("\\b(nan|inf|infinity)\\b",
                                              QRegularExpression::CaseInsensitiveOption);
    if (own.contains(nonFinite))
        return "a non-finite number in the report";
    static const QRegularExpression internals(
        "std::|basic_string|vector|_M_|stoi|stod|out_of_range|bad_alloc|logic_error|Q[A-Z]\\w+");
    if (own.contains(internals))
        return "program internals in the report";
    if (line.startsWith("fault: ") && !QString(".!?").contains(text.back()))
        return "a fault that is not a sentence";
    return {};
}

} // namespace monkey
