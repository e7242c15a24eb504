#include "reach/ui/form1.h"

#include <QApplication>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

// One shown reach window for all benchmarks (offscreen unless a platform is chosen). It lives
// until the process ends and is never destroyed: Qt's own globals are torn down at exit
// before any static of ours, and a window must not outlive them.
struct Session
{
    static int &argumentCount()
    {
        static int count = 1;
        return count;
    }
    static char **arguments()
    {
        static char name[] = "reach_ui_bench";
        static char *list[] = {name, nullptr};
        return list;
    }
    static bool offscreenUnlessChosen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    bool platformChosen = offscreenUnlessChosen();
    QApplication app {argumentCount(), arguments()};
    reach::Form1 form;
};

reach::Form1 &shownForm()
{
    static Session *session = new Session;
    if (!session->form.isVisible()) {
        session->form.setStepPause(0); // the reach's own work, without the pacing for the eye
        session->form.show();
        QApplication::processEvents();
    }
    return session->form;
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
