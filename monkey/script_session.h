// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

namespace host {
class Form;
}

namespace monkey {

// Runs automation scripts inside this process, each against a fresh main form, the way the
// program runs a script file: the form loads and shows, the lines go through the real event
// path, and what they print comes back. A yield budget bounds every run: after that many
// yields all windows close as their close boxes do, which ends every yielding loop and the
// script. Between scripts nothing stays loaded and the printer page is discarded.
class ScriptSession
{
public:
    using FormFactory = std::function<std::unique_ptr<host::Form>()>;

    explicit ScriptSession(FormFactory makeForm);
    ~ScriptSession();

    struct Result
    {
        int exitCode = 0; // as the program would exit: 0, 2 after an error, 1 when it cannot start
        std::string output;
        bool budgetSpent = false; // the windows were closed because the yields ran out
    };

    Result run(const QString &scriptText, int yieldBudget);

    // A file in the session's own scratch folder (removed with the session).
    QString scratchPath(const QString &name) const;

private:
    FormFactory m_makeForm;
    QTemporaryDir m_scratch;
};

// Closes every loaded window as its close box does.
void closeAllWindows();

// The script with every file it would write or play (grab, printto, record, play, also
// inside at-yield) moved into the folder, and the lines that ask for pauses in real time left
// out: the lines as the runner reads them, with the file names replaced.
QString confineFiles(const QString &script, const QString &folder);

} // namespace monkey
