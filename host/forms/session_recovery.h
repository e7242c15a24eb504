// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <memory>

class QLockFile;

namespace host {

class Form;
class SessionFile;

// A session's recovery copy, so that a crash takes no learned state with it. While the session
// is modified, the whole session is written to <program>.recovery.<suffix> in the program's data
// folder (QStandardPaths::AppDataLocation, under XDG_DATA_HOME) after every outermost handler
// that changed the model (at most once a second: a drag writes no copy a step, the last one
// follows), and every minute (never by the clock while a script runs), through writeWholeFile. A
// save, an open and a clean close (or end) remove it; at the next start offer() asks to reopen it.
//
// One running copy of a program owns the file (a lock file beside it, taken over from a copy
// that died): another neither writes it nor offers it. A copy that cannot be written leaves
// the window's state alone; a message says so, once.
class SessionRecovery : public QObject
{
    Q_OBJECT

public:
    SessionRecovery(Form &form, SessionFile &session);
    ~SessionRecovery() override;

    QString path() const { return m_path; }
    // Writes the copy when the session is modified and the copy differs (the minute's work).
    void write();
    void remove();
    // When a copy was left behind: Reopen (the window untitled and modified) or Discard.
    void offer();

private:
    bool owned();
    void noteHandlerRan();
    std::size_t modelFingerprint() const;

    Form &m_form;
    SessionFile &m_session;
    QString m_path;
    QTimer m_minute;
    QTimer m_soon; // the copy of a change that came within a second of the last copy
    QElapsedTimer m_sinceWrite;
    std::unique_ptr<QLockFile> m_lock;
    std::size_t m_lastModel = 0;
    std::size_t m_written = 0; // the hash of the copy on the disk, 0 for none
    bool m_told = false;
};

} // namespace host
