// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/picture_area.h"

#include <QApplication>
#include <QList>

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

// The picture areas of every open window. An area paints a frame into its image when
// something first looks at it (a repaint of its window, a pixel read): paint() does what the
// windows' next repaint would, so that a figure includes the pictures the user then sees.
class PictureAreas
{
public:
    PictureAreas()
    {
        for (const QWidget *window : QApplication::topLevelWidgets())
            m_areas += window->findChildren<host::PictureArea *>();
    }
    void paint() const
    {
        for (const host::PictureArea *area : m_areas)
            area->image();
    }

private:
    QList<host::PictureArea *> m_areas;
};

} // namespace bench
