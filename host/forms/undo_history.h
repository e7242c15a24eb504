// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/events.h"
#include "host/numbers/session_document.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QWidget;

namespace host {

class Form;

// A window's Undo and Redo, in an Edit menu right of its File menu, as many as undoDepth
// actions back. An action is an outermost handler after which the values of a session's
// sections (the model's state, the controls, what the displays redraw from, the random
// generator's state) differ from before: a placed stimulus, a run, a learning run, a reset, a
// typed value. The values before it are kept in memory, so that Undo writes them back exactly,
// as an open does, and redraws; Redo writes back the values after it.
//
// Handlers of one gesture that follow each other make one action: a press with its drag and
// release, the keys typed into one text box, one scroll bar moved step by step. A change made
// where no handler watches (typed into a box without one) is an action of its own, found when
// the next handler starts. What runs inside a run's yield belongs to the run; Undo and Redo are
// disabled while any handler runs, so while a run yields too. A new action clears what Redo would
// do again.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int undoDepth = 20;

    // sections are the registries a session saves, restored() redraws the displays from them.
    // Make it once the File menu exists.
    UndoHistory(Form &form, std::vector<SessionSection> sections, std::function<void()> restored);
    ~UndoHistory() override;

    // Takes back the last action, or does again the last one taken back; with none, or while
    // a handler runs, a host::Fault says why and nothing changes.
    void undo();
    void redo();
    // Forgets every action: what the sections hold now is where undoing starts (an opened
    // session).
    void restart();

    QAction *undoItem() const { return m_undoItem; }
    QAction *redoItem() const { return m_redoItem; }

private:
    // The written values of every section, in the order of their entries.
    using Snapshot = std::vector<StateValue>;
    struct Action
    {
        QString name;
        std::shared_ptr<const Snapshot> before, after;
        const QObject *control = nullptr;
        std::uint64_t gesture = 0;
        std::uint64_t serial = 0; // the outermost handler that last changed it
    };

    Snapshot snapshot() const;
    void restore(const std::shared_ptr<const Snapshot> &values);
    void onHandlerStarts(const HandlerSource &source);
    void onHandlerEnded();
    void addAction(std::shared_ptr<const Snapshot> after, const HandlerSource &source);
    void refuseWhileRunning(const QAction *item, const char *what) const;
    void showItems();

    QWidget *m_client = nullptr;
    std::vector<const StateEntry *> m_entries;
    std::function<void()> m_restored;
    QAction *m_undoItem = nullptr;
    QAction *m_redoItem = nullptr;
    std::deque<Action> m_undo;
    std::vector<Action> m_redo;
    // The values after the last action, or as a session opened: the next action's before.
    std::shared_ptr<const Snapshot> m_current;
    HandlerSource m_running; // while an outermost handler runs
    QPointer<const QObject> m_runningControl;
    bool m_handlerRuns = false;
    std::uint64_t m_serial = 0;
};

} // namespace host
