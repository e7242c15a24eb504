// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/form1.h"

#include "bench/bench_window.h"
#include "host/forms/controls.h"
#include "host/forms/scroll_bar.h"

#include <QApplication>
#include <QCheckBox>

#include <benchmark/benchmark.h>

namespace {

// The main window with default parameters and default input, the online update on and the
// graph window open.
sidestop::Form1 &openForm()
{
    return bench::shownWindow<sidestop::Form1>([](sidestop::Form1 &form) {
        form.onDefaultParameters();
        form.onDefaultInput();
        host::setCheckValue(form.findChild<QCheckBox *>("chkUpdate"), 1);
        form.onGraphSwitch();
    });
}

// RUN with the default parameters (20 iterations, input removed after 16) and the default
// input, the history plotted on the open graph window.
void defaultRun(benchmark::State &state)
{
    sidestop::Form1 &form = openForm();
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.onRun();
        areas.paint();
    }
}
BENCHMARK(defaultRun)->Unit(benchmark::kMillisecond);

// One move of a unit's level bar with the online update on: the input, the bar redrawn
// (erased and drawn, or drawn over), the text and the colour restore.
void levelBarMove(benchmark::State &state)
{
    sidestop::Form1 &form = openForm();
    auto *bar = form.findChild<host::ScrollBar *>("VScroll1(5)");
    bool up = false;
    const bench::PictureAreas areas;
    for (auto _ : state) {
        bar->setValue(up ? 90 : 40);
        areas.paint();
        up = !up;
    }
}
BENCHMARK(levelBarMove)->Unit(benchmark::kMicrosecond);

} // namespace
