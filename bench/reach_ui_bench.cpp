// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/bench_window.h"
#include "host/forms/form.h"
#include "reach/ui/form1.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

reach::Form1 &shownForm()
{
    // The reach's own work, without the pacing for the eye.
    return bench::shownWindow<reach::Form1>([](reach::Form1 &form) { form.setStepPause(0); });
}

// The start-up reach to (22, 98): 51 steps, each redrawing and repainting both displays,
// the hand and its position boxes.
void timeReaches(benchmark::State &state)
{
    reach::Form1 &form = shownForm();
    const bench::PictureAreas areas;
    for (auto _ : state) {
        state.PauseTiming();
        form.onRestart();
        areas.paint();
        state.ResumeTiming();
        form.onReach();
        areas.paint();
    }
    state.counters["steps"] = 51;
}

void defaultReach(benchmark::State &state) { timeReaches(state); }
BENCHMARK(defaultReach)->Unit(benchmark::kMillisecond);

// One mouse move while dragging the target: placing it, the responses, the cell display and
// the repaint of the hand display.
void dragTarget(benchmark::State &state)
{
    reach::Form1 &form = shownForm();
    form.findChild<QRadioButton *>("optTarget")->setChecked(true);
    form.onHandDisplayPress(QPointF(20, 100));
    bool left = false;
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.onHandDisplayMove(QPointF(left ? -20 : 20, 100));
        areas.paint();
        left = !left;
    }
}
BENCHMARK(dragTarget)->Unit(benchmark::kMicrosecond);

// A zoom step: every control placed again, the displays drawn again at the new size.
void zoomStep(benchmark::State &state)
{
    reach::Form1 &form = shownForm();
    bool up = false;
    for (auto _ : state) {
        host::setProgramZoom(up ? 250 : 300);
        form.repaint(); // the window painted at its new size, too
        up = !up;
    }
    host::setProgramZoom(100);
}
BENCHMARK(zoomStep)->Unit(benchmark::kMillisecond);

// The start-up reach at 300 %: a step's redraw is the time over its 51 steps.
void defaultReachAt300(benchmark::State &state)
{
    shownForm();
    host::setProgramZoom(300);
    timeReaches(state);
    host::setProgramZoom(100);
}
BENCHMARK(defaultReachAt300)->Unit(benchmark::kMillisecond);

} // namespace
