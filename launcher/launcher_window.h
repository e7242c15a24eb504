// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "launcher/programs.h"

#include <QSize>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;

namespace launcher {

// The launcher's window: one entry per program with its icon, its name, what it teaches and
// a thumbnail of its window. Clicking an entry (or Space or Enter on it) starts the program;
// a program that cannot start is said so in the window.
class LauncherWindow : public QWidget
{
    Q_OBJECT

public:
    using Starter = std::function<bool(const Program &)>;

    explicit LauncherWindow(std::vector<Program> programs, Starter start = startDetached,
                            QWidget *parent = nullptr);

    // Starts a program as a process of its own, in its working folder.
    static bool startDetached(const Program &program);
    // The same, passing the arguments on to every program started.
    static Starter startingWith(const QStringList &arguments);

    static constexpr QSize thumbnailSize {200, 150};

private:
    QWidget *entry(const Program &program);

    Starter m_start;
    QLabel *m_status = nullptr;
};

} // namespace launcher
