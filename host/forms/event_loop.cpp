// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/event_loop.h"

#include "host/forms/events.h"
#include "host/forms/loaded_forms.h"
#include "host/forms/run_context.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace host {

void LoadedForms::loaded()
{
    ++m_count;
    m_ending = false;
}

void LoadedForms::unloaded()
{
    if (m_count > 0 && --m_count == 0) {
        m_ending = true;
        ++m_endings;
        QCoreApplication::quit();
    }
}

LoadedForms &loadedForms()
{
    static LoadedForms forms;
    return forms;
}

bool programEnding() { return loadedForms().ending(); }

bool yield()
{
    // A loop whose windows all closed during the yield ends, also when a form was loaded
    // again before the yield returned (a script touching a control of the closed window): the
    // state the loop was working on went with the windows.
    const int endings = loadedForms().endings();
    const YieldLevel level;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (runContext().yieldHook)
        runContext().yieldHook();
    return !programEnding() && loadedForms().endings() == endings;
}

void pause(int milliseconds)
{
    const RunContext &context = runContext();
    const bool real = !context.scripted || context.realPauses;
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (real && clock.elapsed() < milliseconds)
            QThread::msleep(1);
    } while (real && clock.elapsed() < milliseconds);
}

} // namespace host
