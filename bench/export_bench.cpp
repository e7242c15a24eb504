// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exporting a display: PNG at the screen's resolution and at 2x, and SVG, each written to a
// file, for the busiest display of three programs: calc's weight diagram after a run (boxes,
// a grid, labels and 49 segment-icon lines on it), somatomap's map after Find Peak Activity
// (400 squares and the grid) and reach's hand display after a reach (its path, the hand,
// target and distractor pictures and the two position frames on it).

#include "bench/bench_window.h"
#include "calc/ui/form1.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "reach/ui/form1.h"
#include "somatomap/ui/form1.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

template <typename Window> Window &extraWindow(const std::function<void(Window &)> &setUp)
{
    static Window *window = [&] {
        auto *made = new Window;
        made->show();
        setUp(*made);
        QApplication::processEvents();
        return made;
    }();
    return *window;
}

host::PictureArea *calcDiagram()
{
    auto &form = bench::shownWindow<calc::Form1>(
        [](calc::Form1 &window) {
            window.findChild<QRadioButton *>("optSig")->setChecked(true);
            window.findChild<QLineEdit *>("txtIpepoques")->setText("5");
            window.onLearn();
            window.onSeeWeights();
        },
        [] { QDir::setCurrent(CALC_FOLDER); });
    return form.findChild<host::PictureArea *>("picWts");
}

host::PictureArea *somatomapMap()
{
    calcDiagram(); // the application
    auto &form = extraWindow<somatomap::Form1>([](somatomap::Form1 &window) {
        window.onHandPicture(8);
        window.onFindPeakActivity();
    });
    return form.findChild<host::PictureArea *>("picSenseMap");
}

host::PictureArea *reachDisplay()
{
    calcDiagram();
    auto &form = extraWindow<reach::Form1>([](reach::Form1 &window) {
        window.setStepPause(0);
        window.onReach();
    });
    return form.findChild<host::PictureArea *>("picture1");
}

QString outputFile(const char *suffix)
{
    static QTemporaryDir dir;
    return dir.filePath(QString("export.") + suffix);
}

void exportPng(benchmark::State &state, host::PictureArea *(*area)(), double ratio)
{
    host::PictureArea *picture = area();
    const QString file = outputFile("png");
    for (auto _ : state)
        host::savePng(picture, file, ratio);
    state.counters["bytes"] = double(QFileInfo(file).size());
}

void exportSvg(benchmark::State &state, host::PictureArea *(*area)())
{
    host::PictureArea *picture = area();
    const QString file = outputFile("svg");
    for (auto _ : state)
        host::saveSvg(picture, file);
    state.counters["bytes"] = double(QFileInfo(file).size());
    state.counters["calls"] = double(picture->recordedCalls());
}

void calcPng(benchmark::State &state) { exportPng(state, calcDiagram, 1); }
void calcPng2x(benchmark::State &state) { exportPng(state, calcDiagram, 2); }
void calcSvg(benchmark::State &state) { exportSvg(state, calcDiagram); }
void somatomapPng(benchmark::State &state) { exportPng(state, somatomapMap, 1); }
void somatomapPng2x(benchmark::State &state) { exportPng(state, somatomapMap, 2); }
void somatomapSvg(benchmark::State &state) { exportSvg(state, somatomapMap); }
void reachPng(benchmark::State &state) { exportPng(state, reachDisplay, 1); }
void reachPng2x(benchmark::State &state) { exportPng(state, reachDisplay, 2); }
void reachSvg(benchmark::State &state) { exportSvg(state, reachDisplay); }

BENCHMARK(calcPng)->Unit(benchmark::kMillisecond);
BENCHMARK(calcPng2x)->Unit(benchmark::kMillisecond);
BENCHMARK(calcSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(somatomapPng)->Unit(benchmark::kMillisecond);
BENCHMARK(somatomapPng2x)->Unit(benchmark::kMillisecond);
BENCHMARK(somatomapSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(reachPng)->Unit(benchmark::kMillisecond);
BENCHMARK(reachPng2x)->Unit(benchmark::kMillisecond);
BENCHMARK(reachSvg)->Unit(benchmark::kMillisecond);

} // namespace
