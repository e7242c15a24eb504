// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The launcher opening: the window made with its four icons and thumbnails, shown and
// painted. Thumbnails come from the build (run `cmake --build` first).

#include "launcher/launcher_window.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

QApplication &application()
{
    static QApplication *app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int count = 1;
        static char name[] = "launcher_bench";
        static char *arguments[] = {name, nullptr};
        return new QApplication(count, arguments);
    }();
    return *app;
}

void openLauncher(benchmark::State &state)
{
    application();
    const auto programs = launcher::programs(launcher::builtPlaces());
    for (auto _ : state) {
        launcher::LauncherWindow window(
            programs, [](const launcher::Program &, const QString &) { return true; });
        window.show();
        window.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.winId());
    }
}
BENCHMARK(openLauncher)->Unit(benchmark::kMillisecond);

} // namespace
