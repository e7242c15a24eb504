// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/bench_window.h"
#include "calc/ui/form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

// Started in the program's source folder, so that the window finds its pattern file.
calc::Form1 &shownForm()
{
    return bench::shownWindow<calc::Form1>({}, [] { QDir::setCurrent(CALC_FOLDER); });
}

// Twenty epochs of the sixteen standard patterns under the sigmoid rule (which uses them
// all), every display on: the input figure, the output boxes and the weight diagram after
// each presentation.
void twentyEpochs(benchmark::State &state)
{
    calc::Form1 &form = shownForm();
    form.findChild<QRadioButton *>("optSig")->setChecked(true);
    form.findChild<QLineEdit *>("txtIpepoques")->setText("20");
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.onLearn();
        areas.paint();
    }
    state.counters["presentations"] = 320;
}
BENCHMARK(twentyEpochs)->Unit(benchmark::kMillisecond);

void showWeights(benchmark::State &state)
{
    calc::Form1 &form = shownForm();
    const bench::PictureAreas areas;
    for (auto _ : state) {
        form.onSeeWeights();
        areas.paint();
    }
}
BENCHMARK(showWeights)->Unit(benchmark::kMicrosecond);

// A keypad click and a test of the numeral, alternating between 8 and 1 so that the segment
// and output boxes change every time.
void keypadAndTest(benchmark::State &state)
{
    calc::Form1 &form = shownForm();
    bool eight = false;
    const bench::PictureAreas areas;
    for (auto _ : state) {
        eight = !eight;
        form.onShowNumeral(eight ? 8 : 1);
        form.onProcessInput();
        areas.paint();
    }
}
BENCHMARK(keypadAndTest)->Unit(benchmark::kMicrosecond);

} // namespace
