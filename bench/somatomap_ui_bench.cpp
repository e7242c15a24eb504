// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/bench_window.h"
#include "host/forms/events.h"
#include "host/forms/scroll_bar.h"
#include "host/forms/session_file.h"
#include "host/forms/undo_history.h"
#include "somatomap/ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

somatomap::Form1 &shownForm()
{
    // The run's own work, without the pacing for the eye.
    return bench::shownWindow<somatomap::Form1>(
        [](somatomap::Form1 &form) { form.setStimulusPause(0); });
}

// A default Map Whole Hand run: 10 trials of 24 stimuli from radius 3, each stimulus lighting
// its region and drawing its winner. Argument 0: normalised dot product, 1: radial basis.
void defaultWholeHandRun(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    const bool radialBasis = state.range(0) == 1;
    form.control<QRadioButton>(radialBasis ? "optRadBas" : "optDotProd")->setChecked(true);
    const bench::PictureAreas areas;
    for (auto _ : state) {
        state.PauseTiming();
        form.onResetWeights();
        form.onHandPicture(0);
        areas.paint();
        state.ResumeTiming();
        form.onMapWholeHand();
        areas.paint();
    }
    form.control<QRadioButton>("optDotProd")->setChecked(true);
    state.counters["stimuli"] = 240;
}
BENCHMARK(defaultWholeHandRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A touch of one region with Map Active: the map's response and its redraw.
void regionClick(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    int region = 0;
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.onHandPicture(region);
        areas.paint();
        region = (region + 7) % 24;
    }
}
BENCHMARK(regionClick)->Unit(benchmark::kMicrosecond);

// Find Peak Activity on a fresh response: six enhancement steps, six redraws.
void findPeakActivity(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    const bench::PictureAreas areas;
    for (auto _ : state) {
        state.PauseTiming();
        form.onHandPicture(9);
        areas.paint();
        state.ResumeTiming();
        form.onFindPeakActivity();
        areas.paint();
    }
}
BENCHMARK(findPeakActivity)->Unit(benchmark::kMicrosecond);

// What every outermost handler costs for undo and the modified mark: the session's values
// read before and after (the map's weights the largest of them) and compared, here with
// nothing changed.
void handlerBookkeeping(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    QWidget *source = form.control<QWidget>("commLrn");
    for (auto _ : state)
        host::runHandler([] {}, {source, host::newGesture()});
}
BENCHMARK(handlerBookkeeping)->Unit(benchmark::kMicrosecond);

// Undo and Redo of a touch: the values written back and the map redrawn, twice.
void undoAndRedo(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    host::UndoHistory &history = form.findChild<host::SessionFile *>()->undoHistory();
    form.onHandPicture(9);
    host::runHandler([&form] { form.onHandPicture(3); });
    const bench::PictureAreas areas;
    for (auto _ : state) {
        history.undo();
        areas.paint();
        history.redo();
        areas.paint();
    }
}
BENCHMARK(undoAndRedo)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// The map display's parts on their own: a response drawn on a cleared grid, and a winner.
void drawResponse(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    form.onHandPicture(9);
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.showSensoryMap(false);
        areas.paint();
    }
}
BENCHMARK(drawResponse)->Unit(benchmark::kMicrosecond);

void drawWinner(benchmark::State &state)
{
    somatomap::Form1 &form = shownForm();
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.showWinner(7, 9);
        areas.paint();
    }
}
BENCHMARK(drawWinner)->Unit(benchmark::kMicrosecond);

} // namespace
