#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QApplication;

namespace host {

class Form;

// Runs the program: loads and shows its main form, then either hands over to the event loop
// or, when the environment variable NEUROSIMS_SCRIPT names a script, runs the script through
// the real event path, prints its results and returns (0, or 2 after any "error:" line).
//
// Script commands, one a line (# starts a comment):
//   click NAME                  a left click on a control, as a user makes it
//   set NAME VALUE              scroll bar value as the user would (Change runs); check box 0/1
//   type NAME TEXT              replaces a text box's text with the rest of the line
//   key NAME CODE               a key press with that key code (13 = Enter)
//   mouse NAME down|move|up X Y mouse event on a picture area, X Y in its user scale
//   menu NAME                   chooses a menu item
//   show NAME PROPERTY          prints NAME.PROPERTY=VALUE; text, caption, value, enabled,
//                               visible, backcolor, forecolor (r,g,b), left, top
//   var NAME                    prints NAME=v1 v2 ... of a model variable
//   pixel NAME X Y              prints NAME.pixel=r,g,b at user coordinates X Y
//   grab NAME FILE              saves a window or picture area as PNG
//   printto FILE                the next printed page goes to this PDF file, no dialog
//                               (FILE is the rest of the line, blanks included)
//   clock SECONDS               freezes the clock
//   close NAME                  closes a window as its close box does
//   at-yield N LINE             runs LINE inside the Nth yield from now
int exec(QApplication &app, Form &mainForm);
// Runs one script's lines against the windows that are open; returns 0, or 2 after an error.
int runScript(const QString &path);

// True while a script runs: faults print instead of showing a dialog.
bool automationActive();

// Makes a model variable printable by `var NAME`. The text lists the values, arrays
// flattened first index outermost, each as the shortest text that reads back to the same
// number.
void exposeVariable(const QString &name, std::function<std::string()> valuesText);

std::string automationText(float value);
std::string automationText(double value);
std::string automationText(int16_t value);
std::string automationText(int32_t value);
std::string automationText(bool value);

template <typename Container>
requires requires(const Container &c)
{
    c.begin();
    c.end();
}
std::string automationText(const Container &values)
{
    std::string text;
    for (const auto &value : values) {
        if (!text.empty())
            text += ' ';
        text += automationText(value);
    }
    return text;
}

// Exposes a variable that lives as long as the program (form or model state).
template <typename Storage> void exposeVariable(const QString &name, const Storage &storage)
{
    exposeVariable(name,
                   std::function<std::string()>([&storage] { return automationText(storage); }));
}

namespace automation_detail {
// Called by yield(): runs the at-yield lines that are due.
void yieldReached();
} // namespace automation_detail

} // namespace host
