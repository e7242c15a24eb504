// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace host {

// A program's own message: a modal box with an OK button. While a script runs it prints
// "message: TEXT" instead, is answered OK at once, and the script goes on.
void showMessage(const QString &text);

// The About box: its lines in a box with the title, the first in bold; while a script runs
// "message: " and the lines joined by " / ".
void showAbout(const QString &title, const QStringList &lines);

// A fault caught at the event boundary: a warning box, or "fault: TEXT" while a script runs.
void reportFault(const QString &text);

} // namespace host
