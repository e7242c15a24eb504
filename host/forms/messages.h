// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace host {

// A program's own message: a modal box with an OK button. While a script runs it prints
// "message: TEXT" instead, is answered OK at once, and the script goes on.
void showMessage(const QString &text);

// A question with two or more choices (button captions, "&" marks allowed), returning the index
// of the one chosen; Esc or the close box chooses cancelChoice. While a script runs nothing is
// shown: the script's next queued answer (`answer CHOICE`, a caption without its "&" or a number
// from 1) chooses, else defaultChoice; it prints "question: TEXT [A/B/C] CHOSEN". An answer that
// names no choice is a host::Fault, and the queued answer is used up.
// A demonstration played to a person answers from the same queue while it holds answers.
int askQuestion(const QString &text, const QStringList &choices, int defaultChoice,
                int cancelChoice);

// The About box: its lines in a box with the title, the first in bold; while a script runs
// "message: " and the lines joined by " / ".
void showAbout(const QString &title, const QStringList &lines);

// A fault caught at the event boundary: a warning box, or "fault: TEXT" while a script runs.
void reportFault(const QString &text);

} // namespace host
