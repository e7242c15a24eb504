// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/demo_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace host {

class SessionFile;

// Checks a demonstration against the windows before anything of it runs: every control and
// menu item it names exists (no window is loaded for the look), a scroll bar's value lies in
// its range and a check box's is 0, 1 or 2, a mouse line names a picture area, no line
// chooses a File menu item. A refusal is a host::Fault naming the line.
void checkControls(const Demonstration &demonstration);

// Plays a demonstration: puts the program into its start state, then runs its steps one
// after another with their waits (at the speed asked; under a script without real pauses
// they take no time), yielding between steps so that the window stays live. The replay can
// be paused (inside a run too: the run holds in its next yield), stepped (each step then
// waits for the next Next), and stopped, which leaves the program as it is. Captions and the
// step reached are told through changed(); a question line asks over the window and, when
// answers are kept, writes the answer to NAME.answers.csv beside the demonstration.
class DemoPlayer : public QObject
{
    Q_OBJECT

public:
    DemoPlayer(SessionFile &session, Demonstration demonstration, QString path);
    ~DemoPlayer() override;

    // Checks the controls and opens the start state; a refusal is a host::Fault and leaves
    // the program as it was.
    void begin();
    // Runs the steps until the last or a stop.
    void run();

    void setKeepAnswers(bool keep) { m_keepAnswers = keep; }
    void playOrPause();
    void next();
    void stop();
    void setSpeed(double speed);

    bool isPaused() const { return m_paused; }
    bool isStopped() const { return m_stopped; }
    double speed() const { return m_speed; }
    int stepsDone() const { return m_done; }
    int stepCount() const { return int(m_demonstration.steps.size()); }
    QString caption() const { return m_caption; }
    QString answersPath() const;

signals:
    void changed();

private:
    void runLine(const DemoLine &line);
    void ask(const QString &arguments);
    void keepAnswer(const QString &question, const QString &answer);
    void wait(double seconds);
    void holdWhilePaused();
    void onYield();
    bool stuck();

    SessionFile &m_session;
    Demonstration m_demonstration;
    QString m_path;
    bool m_keepAnswers = false;
    bool m_paused = false;
    bool m_stepping = false;
    bool m_skipWait = false;
    bool m_stopped = false;
    bool m_holding = false;
    double m_speed = 1;
    int m_done = 0;
    QString m_caption;
    struct Pending
    {
        long long yieldsLeft;
        DemoLine line;
    };
    std::vector<Pending> m_atYield;
    std::function<void()> m_outerYieldHook;
    std::optional<double> m_clockBefore;
    std::optional<double> m_seedBefore;
};

} // namespace host
