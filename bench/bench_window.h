// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <functional>

namespace bench {

// The window of a program for all the benchmarks of one process, in the process's one
// application (offscreen unless a platform is chosen). `prepare` runs before the application
// starts (a working folder, say), `setUp` once on the new window. Both live until the process
// ends and are never destroyed: Qt's own globals are torn down at exit before any static of
// ours, and a window must not outlive them.
template <typename Window>
Window &shownWindow(const std::function<void(Window &)> &setUp = {},
                    const std::function<void()> &prepare = {})
{
    static Window *window = [&] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (prepare)
            prepare();
        static int count = 1;
        static char name[] = "neurosims_bench";
        static char *arguments[] = {name, nullptr};
        new QApplication(count, arguments);
        auto *made = new Window;
        made->show();
        if (setUp)
            setUp(*made);
        QApplication::processEvents();
        return made;
    }();
    return *window;
}

} // namespace bench
