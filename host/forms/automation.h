// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QObject;

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace host {

class StateRegistry;

// Automation: a script drives the program's windows through the real event path and prints
// what it asks for. Faults print "fault: ...", a program's messages "message: ..." (answered
// OK at once). A control is named FORM.CONTROL ("frmAgraph.Label2"); a bare name is enough
// while only one form holds it. Touching a control of a form that is not loaded loads it.
//
// Script commands, one a line (# starts a comment):
//   click NAME                  a left click on a control, as a user makes it
//   set NAME VALUE              scroll bar value as the user would (Change runs); check box 0/1
//   type NAME TEXT              replaces a text box's text with the rest of the line
//   key NAME CODE               a key press with that key code (13 = Enter), or with a
//                               key's name (Left, Right, Up, Down, PageUp, PageDown, Home,
//                               End, Enter, Escape, Tab, Space, F2, Ctrl+A, ...)
//   mouse NAME down|move|up X Y mouse event on a picture area, X Y in its user scale
//   menu NAME                   chooses a menu item
//   show NAME PROPERTY          prints NAME.PROPERTY=VALUE; text, caption, value, enabled,
//                               visible, backcolor, forecolor (r,g,b), left, top
//   var NAME                    prints NAME=v1 v2 ... of a model variable
//   pixel NAME X Y              prints NAME.pixel=r,g,b at user coordinates X Y
//   grab NAME FILE              saves a window or picture area as PNG
//   export NAME FORMAT [FILE]   exports a picture area as its menu does, without a dialog:
//                               png (the screen's resolution), png2x, svg, csv (its numbers)
//                               to FILE (the rest of the line), or clipboard (no FILE)
//   save FILE                   saves the session as File > Save As does, without a dialog
//   open FILE                   opens a session as File > Open does, without a dialog,
//                               asking first about unsaved changes (answer Save, Discard
//                               or Cancel; FILE is the rest of the line, blanks included)
//   undo, redo                  Edit > Undo or Redo, as its menu item does; with nothing to
//                               undo or redo, or inside a run, a fault says why
//   printto FILE                the next printed page goes to this PDF file, no dialog
//                               (FILE is the rest of the line, blanks included)
//   clock SECONDS               freezes the clock
//   close NAME                  closes a window as its close box does
//   realtime on|off             pauses take their real time (off: they only repaint)
//   zoom PERCENT                the program's zoom, as its View menu sets it (50 ... 300)
//   answer CHOICE               answers the program's next question (Save, Discard, Cancel:
//                               a button's caption, or its number from 1); unanswered, a
//                               question takes its default. Answers before the script's
//                               first other line answer the questions of the start
//   at-yield N LINE             runs LINE inside the Nth yield from now
//   wait SECONDS                a pause of that long (only repaints unless realtime is on)
//   say TEXT                    prints "say: TEXT" (a caption, while recording one)
//   ask QUESTION | A | B [| C | D]
//                               asks the question as the program asks its own (answer
//                               CHOICE answers it); while recording, adds it to the recording
//   record FILE                 starts recording a demonstration, saved to FILE (the rest of
//                               the line) at stop-recording
//   stop-recording              ends the recording and saves it
//   play FILE                   plays a demonstration in the window with its presenter bar,
//                               keeping the answers beside it (demo_player.h)
//
// A file whose first line is "demonstration PROGRAM FORMAT" is a demonstration (demo_file.h):
// the runner checks all of it before anything runs, opens its start state and plays it.
//
// Runs a script's lines against the program's windows, after start (which loads and shows
// the main form) has run as part of the script; returns 0, 2 after an error, or 1 when
// start fails (the program cannot run).
int runScript(const QString &path, const std::function<bool()> &start = {});

// Runs one line as a script's line runs: under a script an error prints "error: ..." and
// fails the script, a fault prints "fault: ..."; to a person both show as a fault's message.
void runScriptLine(const QString &line);
// Whether the running script has lines waiting for a yield (at-yield).
bool scriptLinesWaiting();
// Prints "error: TEXT" and fails the running script.
void reportScriptError(const QString &text);

// Makes every piece of a window's state printable by `var NAME` (the text stateText gives)
// for as long as the owner (the window) lives; the registry must live as long as its owner.
void exposeState(const StateRegistry &registry, const QObject *owner);

} // namespace host
