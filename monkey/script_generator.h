// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <vector>

namespace monkey {

// What a user can act on in the program's windows, by the names scripts use (FORM.CONTROL).
struct Control
{
    enum class Kind { Button, CheckBox, Option, ScrollBar, TextBox, Picture, Label, MenuItem };
    QString name;
    Kind kind = Kind::Button;
    int minimum = 0, maximum = 0; // a scroll bar's range (either order)
    QRectF area; // a picture area's extent in its user units
};

struct Inventory
{
    QString mainForm;
    std::vector<Control> controls;
};

// Every named control of every window of the program: buttons, check boxes, options, scroll
// bars, editable text boxes, picture areas, labels and menu items.
Inventory takeInventory(const QString &mainForm);

// A seeded generator of random but legal scripts: clicks, scroll bar values within their
// range, typing into every text box (numbers, huge and tiny ones, words, blanks, very long
// texts), Enter in text boxes, mouse drags on the picture areas (also beyond their edges),
// menu items, presses of buttons and closing of windows inside the yields of a run. The same
// seed gives the same script for the same inventory.
class ScriptGenerator
{
public:
    ScriptGenerator(Inventory inventory, uint64_t seed);

    // One script of the given number of events (one line each), opening with a frozen
    // clock so that what the program seeds from the clock is the same on every run. After
    // every eventsPerMark events, and before the closing lines, a mark line prints the main
    // window's caption: the marks printed count the events the program took before it ended.
    QStringList script(int events);
    static constexpr int eventsPerMark = 10;
    QString markLine() const;

    // A text a user might type into a box.
    QString typedText();

private:
    QString event();
    QString action(bool insideYield);
    QString drag(const Control &picture);
    QString point(const Control &picture);
    const Control &pick(Control::Kind kind);
    bool has(Control::Kind kind) const;
    int uniform(int low, int high);
    double uniformReal(double low, double high);
    bool chance(double probability);

    Inventory m_inventory;
    std::mt19937_64 m_random;
};

// Why a line a script printed is not what a clear report looks like (empty when it is): a
// fault or message must be a sentence of readable length (a number of hundreds of digits
// may be quoted whole, a page of text may not) without non-finite numbers or
// program internals; an error may only say that a menu item was disabled, that a run ended
// before a yield it waited for, or that the program had ended (a control that ends it was
// pressed, or the session closed the windows) before a line.
QString unclearReport(const QString &line);

} // namespace monkey
