// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "launcher/programs.h"
#include "launcher/recent_sessions.h"

#include <QSize>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QLayout;
class QListWidget;

namespace launcher {

// The launcher's window: one entry per program with its icon, its name, what it teaches and
// a thumbnail of its window. Clicking an entry (or Space or Enter on it) starts the program;
// a program that cannot start is said so in the window. Below, when there are any, the
// programs' recent sessions, read again whenever the window becomes active: a double-click
// (or Enter) on one starts its program with the file; a file that is gone is shown greyed and
// starts nothing.
class LauncherWindow : public QWidget
{
    Q_OBJECT

public:
    // Starts a program, with a session file to open when file is not empty.
    using Starter = std::function<bool(const Program &, const QString &file)>;

    explicit LauncherWindow(std::vector<Program> programs, Starter start = startDetached,
                            QWidget *parent = nullptr);

    // Starts a program as a process of its own, in its working folder.
    static bool startDetached(const Program &program, const QString &file);
    // The same, passing the arguments on to every program started.
    static Starter startingWith(const QStringList &arguments);

    static constexpr QSize thumbnailSize {200, 150};

protected:
    bool event(QEvent *event) override;

private:
    QWidget *entry(const Program &program);
    void addRecentSessions(QLayout *layout);
    void showRecentSessions();
    void start(const Program &program, const QString &file);

    std::vector<Program> m_programs;
    Starter m_start;
    std::vector<RecentSession> m_sessions;
    QLabel *m_recentHeading = nullptr;
    QListWidget *m_recent = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace launcher
