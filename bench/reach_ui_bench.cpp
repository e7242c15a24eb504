#include "reach/ui/form1.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// One shown reach window for all benchmarks (offscreen unless a platform is chosen).
reach::Form1 &shownForm()
{
    static std::unique_ptr<QApplication> app;
    static std::unique_ptr<reach::Form1> form;
    if (!form) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "reach_ui_bench";
        static char *argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        form = std::make_unique<reach::Form1>();
        form->show();
        QApplication::processEvents();
    }
    return *form;
}

// The start-up reach to (22, 98): 51 steps, each redrawing and repainting both displays,
// the hand and its position boxes.
void defaultReach(benchmark::State &state)
{
    reach::Form1 &form = shownForm();
    for (auto _ : state) {
        state.PauseTiming();
        form.commRestart_Click();
        state.ResumeTiming();
        form.commReach_Click();
    }
    state.counters["steps"] = 51;
}
BENCHMARK(defaultReach)->Unit(benchmark::kMillisecond);

// One mouse move while dragging the target: placing it, the responses, the cell display and
// the repaint of the hand display.
void dragTarget(benchmark::State &state)
{
    reach::Form1 &form = shownForm();
    form.findChild<QRadioButton *>("optTarget")->setChecked(true);
    form.picture1_MouseDown(QPointF(20, 100));
    bool left = false;
    for (auto _ : state) {
        form.picture1_MouseMove(QPointF(left ? -20 : 20, 100));
        left = !left;
    }
}
BENCHMARK(dragTarget)->Unit(benchmark::kMicrosecond);

} // namespace
