// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/demo_file.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <optional>

class QAbstractButton;
class QLineEdit;

namespace host {

class SessionFile;

// Records a demonstration while it lives: the session as it stands when it starts, the clock
// frozen there, then every action a person takes on the windows' controls and menus (the
// File menu's items left out) as script lines, with the waits between them. Clicks and
// presses that arrive inside a yield of a run become at-yield lines before the line that
// started the run, the program's questions answer lines; text typed into a box is one type
// line once it is committed (Enter, leaving the box, or the next action). A check box is
// recorded as it is clicked (a script's set lines on it are not).
class DemoRecorder : public QObject
{
public:
    explicit DemoRecorder(SessionFile &session);
    ~DemoRecorder() override;

    void addCaption(const QString &text);
    void addQuestion(const QString &question, const QStringList &choices);
    // A script's wait: that much time passes for the recording's waits.
    void noteWait(double seconds);
    // The demonstration so far, the text being typed committed.
    Demonstration finish();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Step
    {
        double wait = 0;
        QStringList lines; // the leading answers and at-yield lines, then the action
    };

    void attach(QWidget *window);
    void onAction(QObject *control, const QString &command, const QString &arguments);
    void add(const QString &line);
    void addLeading(const QString &line);
    void commitTyping();
    double seconds() const;

    SessionFile &m_session;
    Demonstration m_demonstration;
    std::vector<Step> m_steps;
    QElapsedTimer m_clock;
    double m_waited = 0; // a script's waits
    double m_lastAction = 0;
    long long m_stepYields = 0;
    int m_baseYieldDepth = 0;
    bool m_inFlight = false; // the last action's handlers are running
    bool m_quiet = false; // what the last key press does on its own is no action of its own
    std::optional<double> m_clockBefore;
    std::optional<double> m_seedBefore;
    QPointer<QLineEdit> m_typing;
    QPointer<QAbstractButton> m_keyed;
};

} // namespace host
