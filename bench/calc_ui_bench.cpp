#include "calc/ui/form1.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

// One shown numeral window for all benchmarks (offscreen unless a platform is chosen),
// started in the program's source folder so that it finds its pattern file. It lives until
// the process ends: Qt's own globals are torn down at exit before any static of ours.
struct Session
{
    static int &argumentCount()
    {
        static int count = 1;
        return count;
    }
    static char **arguments()
    {
        static char name[] = "calc_ui_bench";
        static char *list[] = {name, nullptr};
        return list;
    }
    static bool prepared()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QDir::setCurrent(QFileInfo(__FILE__).dir().filePath("../calc"));
        return true;
    }

    bool ready = prepared();
    QApplication app {argumentCount(), arguments()};
    calc::Form1 form;
};

calc::Form1 &shownForm()
{
    static Session *session = new Session;
    if (!session->form.isVisible()) {
        session->form.show();
        QApplication::processEvents();
    }
    return session->form;
}

// Twenty epochs of the sixteen standard patterns under the sigmoid rule (which uses them
// all), every display on: the input figure, the output boxes and the weight diagram after
// each presentation.
void twentyEpochs(benchmark::State &state)
{
    calc::Form1 &form = shownForm();
    form.findChild<QRadioButton *>("optSig")->setChecked(true);
    form.findChild<QLineEdit *>("txtIpepoques")->setText("20");
    for (auto _ : state)
        form.commLearn_Click();
    state.counters["presentations"] = 320;
}
BENCHMARK(twentyEpochs)->Unit(benchmark::kMillisecond);

void showWeights(benchmark::State &state)
{
    calc::Form1 &form = shownForm();
    for (auto _ : state)
        form.show_weights();
}
BENCHMARK(showWeights)->Unit(benchmark::kMicrosecond);

// A keypad click and a test of the numeral, alternating between 8 and 1 so that the segment
// and output boxes change every time.
void keypadAndTest(benchmark::State &state)
{
    calc::Form1 &form = shownForm();
    bool eight = false;
    for (auto _ : state) {
        eight = !eight;
        form.commShownum_Click(eight ? 8 : 1);
        form.commProcessIp_Click();
    }
}
BENCHMARK(keypadAndTest)->Unit(benchmark::kMicrosecond);

} // namespace
