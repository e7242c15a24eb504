// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/messages.h"
#include "host/numbers/number_text.h"
#include "host/numbers/state_registry.h"
#include "host/tests/support/test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

using host::ControlKind;
using host::testing::faultKind;
using host::testing::PaintCounter;
using host::testing::runScriptLines;

// A probe of the windows to come: ten vertical level bars with 100 at the top and 0 at the
// bottom under their labels, a caption label, and a run that yields until it is stopped.
class LevelForm : public host::Form
{
public:
    LevelForm()
        : host::Form("ProbeMain", "Levels", 6720, 3000)
    {
        std::vector<host::ControlRow> rows {
            {"",
             "Frame1",
             ControlKind::Frame,
             "External Input",
             {240, 120, 6132, 2172},
             {"MS Sans Serif", 12}},
            {"", "Label2", ControlKind::Label, "Main", {240, 2400, 1200, 252}},
            {"", "commRun", ControlKind::Button, "RUN", {3480, 2400, 1212, 372}},
            {"", "commStop", ControlKind::Button, "Stop", {4800, 2400, 1212, 372}},
        };
        for (int k = 0; k < 10; ++k) {
            rows.push_back({"Frame1",
                            host::arrayName("Label3", k),
                            ControlKind::Label,
                            QString::number(k + 1),
                            {120 + 600 * k, 480, 252, 252}});
            rows.push_back({"Frame1",
                            host::arrayName("VScroll1", k),
                            ControlKind::VScrollBar,
                            "",
                            {120 + 600 * k, 1080, 252, 372},
                            {},
                            0,
                            {100, 0, 2, 10}});
        }
        host::layOut(client(), rows);
        host::setColors(client(), QColor(128, 128, 255));
        for (int k = 0; k < 10; ++k) {
            auto *bar = control<host::ScrollBar>(host::arrayName("VScroll1", k));
            host::onChange(bar, [this, bar] { changes.push_back(bar->value()); });
            host::onScroll(bar, [this, bar] { scrolls.push_back(bar->value()); });
        }
        host::onClick(control<QPushButton>("commRun"), [this] { run(); });
        host::onClick(control<QPushButton>("commStop"), [this] { stop = true; });
    }

    host::ScrollBar *level(int k)
    {
        return control<host::ScrollBar>(host::arrayName("VScroll1", k));
    }

    // A run that yields until Stop; a run started inside it counts as one level deeper.
    void run()
    {
        stop = false;
        ++depth;
        deepest = std::max(deepest, depth);
        while (!stop && host::yield())
            ++yields;
        --depth;
        ++runsEnded;
    }

    std::vector<int> changes, scrolls;
    int depth = 0, deepest = 0, yields = 0, runsEnded = 0;
    bool stop = false;
};

// A second window holding a control of the same name, loaded on first touch.
class GraphForm : public host::Form
{
public:
    GraphForm()
        : host::Form("frmProbeGraph", "Graph", 3000, 1500)
    {
        host::layOut(client(),
                     {{"", "Label2", ControlKind::Label, "Graph", {120, 120, 1200, 252}}});
    }
    int loads = 0;

protected:
    void formLoad() override { ++loads; }
};

class TwoWindows : public testing::Test
{
protected:
    void SetUp() override
    {
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    LevelForm main;
    GraphForm graph;
};

TEST_F(TwoWindows, LevelBarsRunFrom100AtTheTopTo0AtTheBottom)
{
    host::ScrollBar *bar = main.level(3);
    EXPECT_EQ(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderToMinimum); // the thumb to the top
    EXPECT_EQ(bar->value(), 100);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the lower arrow: small change
    EXPECT_EQ(bar->value(), 98);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd); // the track below: large change
    EXPECT_EQ(bar->value(), 88);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 90);
    EXPECT_EQ(main.changes, (std::vector<int> {100, 98, 88, 90}));

    bar->setValue(100); // Qt places the thumb at the top for its position 0
    EXPECT_EQ(bar->sliderPosition(), 0);
}

TEST_F(TwoWindows, ChangeRunsAtOnceForANewValueOnlyAndScrollReadsTheThumb)
{
    host::ScrollBar *bar = main.level(0);
    bar->setValue(40);
    EXPECT_EQ(main.changes, std::vector<int> {40});
    bar->setValue(40);
    EXPECT_EQ(main.changes.size(), 1u);
    EXPECT_EQ(faultKind([bar] { bar->setValue(101); }), host::Fault::Kind::Overflow);
    EXPECT_EQ(bar->value(), 40);

    bar->setSliderDown(true); // dragging the thumb: Scroll sees where it is, Change waits
    bar->setSliderPosition(30); // Qt's position 30 from the top is level 70
    EXPECT_EQ(main.scrolls, std::vector<int> {70});
    EXPECT_EQ(main.changes.size(), 1u);
    bar->setSliderDown(false);
    EXPECT_EQ(main.changes, (std::vector<int> {40, 70}));
}

TEST_F(TwoWindows, ScriptsNameControlsByWindowWhenTwoHoldTheName)
{
    EXPECT_EQ(graph.loads, 0);
    EXPECT_EQ(runScriptLines("set VScroll1(4) 90\n"
                             "show VScroll1(4) value\n"
                             "show Label2 caption\n"
                             "show frmProbeGraph.Label2 caption\n"
                             "show Label2 caption\n"
                             "show ProbeMain.Label2 caption\n"
                             "show frmNone.Label2 caption\n"
                             "show ProbeMain backcolor\n"),
              "VScroll1(4).value=90\n"
              "Label2.caption=Main\n" // the graph window is not loaded yet
              "frmProbeGraph.Label2.caption=Graph\n"
              "error: show Label2 caption: Label2 is in more than one window: name one of "
              "ProbeMain.Label2, frmProbeGraph.Label2\n"
              "ProbeMain.Label2.caption=Main\n"
              "error: show frmNone.Label2 caption: no window named frmNone\n"
              "ProbeMain.backcolor=128,128,255\n"); // the client area's colour
    EXPECT_EQ(graph.loads, 1); // touching its control loaded it, hidden
    EXPECT_FALSE(graph.isVisible());

    QTemporaryDir dir;
    const std::string png = dir.filePath("graph.png").toStdString();
    EXPECT_EQ(runScriptLines("grab frmProbeGraph " + png + "\nclose frmProbeGraph\n"), "");
    EXPECT_FALSE(graph.isLoaded());
    EXPECT_TRUE(main.isLoaded());
    EXPECT_FALSE(host::programEnding());
}

TEST_F(TwoWindows, ARunStartedInsideARunEndsWithItsStop)
{
    EXPECT_EQ(runScriptLines("at-yield 2 click commRun\n"
                             "at-yield 5 click commStop\n"
                             "click commRun\n"),
              "");
    EXPECT_EQ(main.deepest, 2);
    EXPECT_EQ(main.runsEnded, 2); // the inner run ended, and the outer one saw the same Stop
    EXPECT_EQ(main.yields, 5); // the outer run's two, the inner run's three
}

TEST_F(TwoWindows, ClosingTheLastWindowInsideNestedRunsEndsThemAll)
{
    EXPECT_EQ(
        runScriptLines("at-yield 2 click commRun\nat-yield 4 close ProbeMain\nclick commRun\n"),
        "");
    EXPECT_EQ(main.runsEnded, 2);
    EXPECT_EQ(main.yields, 2); // the inner run's fourth yield ended both
    EXPECT_TRUE(host::programEnding());
    EXPECT_FALSE(host::yield());
}

TEST_F(TwoWindows, LinesAfterTheLastWindowClosedAreAnError)
{
    int status = -1;
    // Closed by its own line, or inside a run: the first line after it is named, once.
    EXPECT_EQ(runScriptLines("close ProbeMain\n# a comment is no line to run\n\n"
                             "show Label2 caption\nclick commRun\n",
                             &status),
              "error: show Label2 caption: the program ended when its last window closed; this "
              "line and any after it were not run\n");
    EXPECT_EQ(status, 2);
    main.show();
    EXPECT_EQ(
        runScriptLines("at-yield 2 close ProbeMain\nclick commRun\nclick commStop\n", &status),
        "error: click commStop: the program ended when its last window closed; this line "
        "and any after it were not run\n");
    EXPECT_EQ(status, 2);
    // A script that ends with the close, comments after it included, ends cleanly.
    main.show();
    EXPECT_EQ(runScriptLines("close ProbeMain\n# done\n", &status), "");
    EXPECT_EQ(status, 0);
}

TEST_F(TwoWindows, VarPrintsOnlyValuesThatReadBack)
{
    double value = 0;
    std::array<float, 2> pair {1.5f, -std::numeric_limits<float>::infinity()};
    host::StateRegistry registry;
    registry.addDerived("probeValue", value);
    registry.addDerived("probePair", pair);
    QObject owner;
    host::exposeState(registry, &owner);
    int status = -1;
    for (double shown : {-0.0, 0.1 + 0.2, -std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::denorm_min()}) {
        value = shown;
        const std::string line = runScriptLines("var probeValue\n", &status);
        ASSERT_EQ(line.rfind("probeValue=", 0), 0u) << line;
        const double back = host::toDouble(line.substr(11));
        EXPECT_EQ(back, shown);
        EXPECT_EQ(std::signbit(back), std::signbit(shown)) << line;
        EXPECT_EQ(status, 0);
    }
    EXPECT_EQ(runScriptLines("var probeValue\n"), "probeValue=5e-324\n");
    for (double broken : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        value = broken;
        const std::string line = runScriptLines("var probeValue\n", &status);
        EXPECT_EQ(line.rfind("error: var probeValue: the value ", 0), 0u) << line;
        EXPECT_NE(line.find("is not a finite number"), std::string::npos) << line;
        EXPECT_EQ(status, 2);
    }
    EXPECT_NE(runScriptLines("var probePair\n").find("error: var probePair"), std::string::npos);
}

TEST_F(TwoWindows, AHiddenLoadedWindowKeepsTheProgramRunning)
{
    graph.load();
    main.close();
    EXPECT_FALSE(host::programEnding());
    EXPECT_TRUE(host::yield());
    graph.unload();
    EXPECT_TRUE(host::programEnding());
}

TEST_F(TwoWindows, MessagesPrintAndTheScriptGoesOn)
{
    host::onClick(main.control<QPushButton>("commStop"),
                  [] { host::showMessage("Choose a numeral first."); });
    EXPECT_EQ(runScriptLines("click commStop\nshow Label2 caption\n"),
              "message: Choose a numeral first.\nLabel2.caption=Main\n");
}

TEST_F(TwoWindows, AScriptAnswersQuestionsInOrderElseTheDefaultChooses)
{
    std::vector<int> chosen;
    host::onClick(main.control<QPushButton>("commStop"), [&chosen] {
        chosen.push_back(host::askQuestion("Save the map?", {"&Save", "&Discard", "Cancel"}, 0, 2));
    });
    EXPECT_EQ(runScriptLines("answer discard\nanswer 3\nclick commStop\nclick commStop\n"
                             "click commStop\nanswer Keep\nclick commStop\n"),
              "question: Save the map? [Save/Discard/Cancel] Discard\n"
              "question: Save the map? [Save/Discard/Cancel] Cancel\n"
              "question: Save the map? [Save/Discard/Cancel] Save\n"
              "fault: The answer \"Keep\" names none of the choices (Save, Discard, Cancel).\n");
    EXPECT_EQ(chosen, (std::vector<int> {1, 2, 0}));
    EXPECT_NE(runScriptLines("answer Save\n").find("error: answer Save: the script ended"),
              std::string::npos);
}

TEST_F(TwoWindows, APauseTakesItsTimeAndRepaints)
{
    auto *label = main.control<QLabel>("Label2");
    PaintCounter counter(label);
    label->setText("changed"); // a repaint is now pending
    QElapsedTimer clock;
    clock.start();
    host::pause(30);
    EXPECT_GE(clock.elapsed(), 30);
    EXPECT_GE(counter.paints, 1);
}

TEST_F(TwoWindows, AScriptPausesOnlyWhenItAsksForRealTime)
{
    auto *stop = main.control<QPushButton>("commStop");
    int paused = 0;
    host::onClick(stop, [&paused] {
        QElapsedTimer clock;
        clock.start();
        host::pause(200);
        paused = int(clock.elapsed());
    });
    runScriptLines("click commStop\n");
    EXPECT_LT(paused, 200);
    runScriptLines("realtime on\nclick commStop\n");
    EXPECT_GE(paused, 200);
    runScriptLines("click commStop\n"); // the next script starts without real pauses
    EXPECT_LT(paused, 200);
}

// A window whose load cannot complete.
class BrokenForm : public host::Form
{
public:
    BrokenForm()
        : host::Form("Broken", "Broken", 1500, 1500)
    {
    }

protected:
    void formLoad() override
    {
        throw host::Fault(host::Fault::Kind::File, "calc2.dat, line 3: a number is missing.");
    }
};

TEST(FormLoad, AFailedLoadIsReportedOnceAndTheScriptNeverRuns)
{
    BrokenForm form;
    QTemporaryDir dir;
    const QString path = dir.filePath("script.nss");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("show Broken caption\n");
    file.close();
    testing::internal::CaptureStdout();
    const int status = host::runScript(path, [&form] {
        form.load();
        return !form.loadFailed();
    });
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "fault: calc2.dat, line 3: a number is missing.\n");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(form.loadFailed());
}

} // namespace
