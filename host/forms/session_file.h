// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/controls_registry.h"
#include "host/numbers/session_document.h"
#include "host/numbers/state_registry.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QMenu;
class QWidget;

namespace host {

class Form;
class SessionRecovery;
class UndoHistory;

// What a program saves in a session beside its controls: the model's state (its registry)
// and what its displays redraw from (another registry: the random generator's state, paths,
// histories, curves), and how it shows an opened state.
struct SessionContents
{
    QString program; // the "program" of the document: "reach"
    QString suffix; // the files' suffix, without the dot: "reach-session"
    const StateRegistry *state = nullptr;
    const StateRegistry *displays = nullptr;
    // After an open has written every value: redraw the displays from the state.
    std::function<void()> opened;
    // Pieces that must agree with each other, checked before anything is written.
    SessionCheck together;
};

// A session file is at most this long; a longer one is refused unread.
constexpr qint64 maxSessionBytes = 16 * 1024 * 1024;

// A hash of every value of a registry that a session writes back (the random generator's state
// left out): two states with the same hash are taken for the same.
std::size_t stateFingerprint(const StateRegistry &registry);

// A program's sessions: the File menu (Open..., Save, Save As..., Open Recent, Quit) left of
// the window's other menus, the file name and the modified mark in its title, the recent files
// (the last 8, kept in the settings), and automation's `save FILE` and `open FILE`.
//
// A save writes the whole file or nothing (writeWholeFile); a failed one keeps the earlier
// file, the window's state and its mark. An open reads and checks the whole file before it
// changes anything; a refusal is a host::Fault naming the file and what is wrong, and leaves
// the program as it was.
//
// Unsaved changes are never dropped unasked: closing the window, File > Open, Open Recent, a
// file dropped on the window and a script's open FILE first ask Save / Discard / Cancel while
// the session is modified. A recovery copy (SessionRecovery) keeps them through a crash.
class SessionFile : public QObject
{
    Q_OBJECT

public:
    // Adds the File menu; make it once the window's controls exist.
    SessionFile(Form &form, SessionContents contents);
    ~SessionFile() override;

    void save(const QString &path);
    void open(const QString &path);
    // Opens a recovery copy: the window shows its state, untitled and modified, and no recent
    // file names it.
    void recover(const QString &path);
    QString path() const { return m_path; }
    // Changed since the last save or open, also in the middle of a run (before the run's
    // handler has ended and the title shows it).
    bool isModified() const;
    // A session's text opened as a file's would be, the window's file and title left alone: a
    // demonstration's start state. A refusal is a host::Fault with the reason, and leaves the
    // program as it was.
    void openText(std::string_view text);
    QString program() const { return m_contents.program; }
    Form &form() const { return m_form; }
    QStringList recentFiles() const;
    // The whole session as its file holds it; a value no file can hold is a host::Fault.
    QByteArray text() const;
    const SessionContents &contents() const { return m_contents; }

    // While the session is modified, asks whether to save it before doing (e.g. "closing"):
    // true to go on (saved, or discarded), false to leave everything as it is (Cancel, a save
    // refused or failed: the fault is reported). Saving an untitled session asks for a file.
    bool settleChanges(const QString &doing);
    // Save As...: asks for a file and saves there; false when none was chosen or under a
    // script, which names its files (a message says so).
    bool chooseAndSave();
    // Opens a file after settling the changes (File > Open's way, without its dialog).
    void openAsked(const QString &path);
    // Edit > Undo and Redo over the same sections; an open clears them.
    UndoHistory &undoHistory() const { return *m_undo; }

    // The latest window's sessions, for automation; nullptr when none is open.
    static SessionFile *current();
    SessionRecovery &recovery() const { return *m_recovery; }

signals:
    // The session and a file agree again: saved, or opened.
    void matchesFile();

private:
    std::vector<SessionSection> sections() const;
    static void refuseDuringRun();
    void addMenu();
    void fillRecent();
    void remember(const QString &path);
    void forget(const QString &path);
    void showTitle();
    void noteHandlerRan();
    std::size_t fingerprint() const;
    void chooseAndOpen();
    SessionValues checkedValues(const QString &path) const;
    void showOpened(const SessionValues &values);

    Form &m_form;
    SessionContents m_contents;
    StateRegistry m_controls;
    StateRegistry m_displays;
    QString m_caption;
    QString m_path;
    bool m_modified = false;
    std::size_t m_lastFingerprint = 0;
    QMenu *m_recent = nullptr;
    SessionRecovery *m_recovery = nullptr;
    UndoHistory *m_undo = nullptr;
};

} // namespace host
