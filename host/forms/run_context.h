// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <deque>
#include <functional>

namespace host {

// How the program is being run, shared by the runtime's pieces without their knowing each
// other: whether a script drives it, what runs inside each yield, and where the lines that
// report faults and messages go. The automation runner fills it in while a script runs; a
// person at the window leaves it empty, and reports then show as message boxes.
struct RunContext
{
    bool scripted = false;
    // A script asked for pauses in real time (otherwise a pause only repaints).
    bool realPauses = false;
    // Runs inside every yield, after the pending events.
    std::function<void()> yieldHook;
    // Receives "fault: ..." and "message: ..." lines while a script runs.
    std::function<void(const QString &line)> print;
    // The answers to the program's next questions, in order: a script's (`answer CHOICE`), or
    // a demonstration's that is being played to a person.
    std::deque<QString> answers;
    // Told which choice (from 0) each question of the program took, while a recording runs.
    std::function<void(int choice)> answered;
};

RunContext &runContext();

} // namespace host
