#include "sidestop/ui/form1.h"

#include "host/forms/controls.h"
#include "host/forms/scroll_bar.h"

#include <QApplication>
#include <QCheckBox>

#include <benchmark/benchmark.h>

namespace {

// One shown main window with the online update on and the graph window open, default parameters and
// default input, for all benchmarks (offscreen unless a platform is chosen). It lives until the
// process ends: Qt's own globals are torn down at exit before any static of ours.
struct Session
{
    static int &argumentCount()
    {
        static int count = 1;
        return count;
    }
    static char **arguments()
    {
        static char name[] = "sidestop_ui_bench";
        static char *list[] = {name, nullptr};
        return list;
    }
    static bool offscreenUnlessChosen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    Session()
    {
        form.show();
        form.comPardef_Click();
        form.commExtipdef_Click();
        host::setCheckValue(form.findChild<QCheckBox *>("chkUpdate"), 1);
        form.chkUpdate_Click();
        QApplication::processEvents();
    }

    bool platformChosen = offscreenUnlessChosen();
    QApplication app {argumentCount(), arguments()};
    sidestop::Form1 form;
};

sidestop::Form1 &openForm()
{
    static Session *session = new Session;
    return session->form;
}

// RUN with the default parameters (20 iterations, input removed after 16) and the default
// input, the history plotted on the open graph window.
void defaultRun(benchmark::State &state)
{
    sidestop::Form1 &form = openForm();
    for (auto _ : state)
        form.commRun_Click();
}
BENCHMARK(defaultRun)->Unit(benchmark::kMillisecond);

// One move of a unit's level bar with the online update on: the input, the bar redrawn
// (erased and drawn, or drawn over), the text and the colour restore.
void levelBarMove(benchmark::State &state)
{
    sidestop::Form1 &form = openForm();
    auto *bar = form.findChild<host::ScrollBar *>("VScroll1(5)");
    bool up = false;
    for (auto _ : state) {
        bar->setValue(up ? 90 : 40);
        up = !up;
    }
}
BENCHMARK(levelBarMove)->Unit(benchmark::kMicrosecond);

} // namespace
