// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/messages.h"
#include "host/forms/picture_area.h"
#include "host/numbers/number_text.h"
#include "host/tests/support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    static double value = 0;
    host::exposeVariable("probeValue", value);
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
    static std::array<float, 2> pair {1.5f, -std::numeric_limits<float>::infinity()};
    host::exposeVariable("probePair", pair);
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

class Controls : public testing::Test
{
protected:
    Controls()
        : form("Probe", "Probe", 6000, 3000)
    {
    }
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    host::Form form;
};

TEST_F(Controls, ATableMakesNamedPlacedControlsWithTheirStartStates)
{
    host::layOut(
        form.client(),
        {
            {"", "Frame4", ControlKind::Frame, "LI Rule", {120, 120, 2292, 972}},
            {"Frame4", "optRegLI", ControlKind::Option, "Standard ", {960, 240, 1092, 252}, {}, 1},
            {"Frame4", "optQ94", ControlKind::Option, "Variation", {240, 600, 1812, 252}},
            {"",
             "chkRamp",
             ControlKind::CheckBox,
             "Use ramped onset",
             {2520, 120, 1572, 315},
             {},
             1},
            {"", "txtExtipoff", ControlKind::TextBox, " ", {2520, 600, 492, 288}},
            {"", "Label1", ControlKind::Label, "sized to its caption", {2520, 1000, 0, 0}},
            {"",
             "comPardef",
             ControlKind::Button,
             "",
             {2520, 1400, 252, 252},
             {},
             0,
             {},
             {},
             QColor(192, 0, 0)},
            {"", "picSwatch", ControlKind::Picture, "", {3000, 1400, 300, 300}},
            {"",
             "Line1",
             ControlKind::Line,
             "",
             {},
             {},
             2,
             {},
             {},
             {},
             Qt::gray,
             {120, 2400, 2000, 2400}},
        });
    auto *standard = form.control<QRadioButton>("optRegLI");
    EXPECT_TRUE(standard->isChecked());
    EXPECT_FALSE(form.control<QRadioButton>("optQ94")->isChecked());
    EXPECT_EQ(standard->parentWidget()->objectName(), "Frame4");
    EXPECT_EQ(standard->geometry(), QRect(64, 16, 73, 17)); // 15 twips a pixel
    EXPECT_EQ(form.control<QLineEdit>("txtExtipoff")->text(), " ");
    EXPECT_GT(form.control<QLabel>("Label1")->width(), 60);
    EXPECT_EQ(runScriptLines("show chkRamp value\n"
                             "show comPardef backcolor\n"
                             "show picSwatch backcolor\n"
                             "show optQ94 caption\n"),
              "chkRamp.value=1\ncomPardef.backcolor=192,0,0\npicSwatch.backcolor=255,255,255\n"
              "optQ94.caption=Variation\n");

    host::setColors(form.control<QLabel>("Label1"), QColor(0, 192, 192), QColor(0, 0, 255));
    EXPECT_EQ(runScriptLines("show Label1 backcolor\nshow Label1 forecolor\n"),
              "Label1.backcolor=0,192,192\nLabel1.forecolor=0,0,255\n");
    EXPECT_EQ(runScriptLines("show Line1 forecolor\n"), "Line1.forecolor=160,160,164\n");
    host::setColors(form.control<QWidget>("Line1"), {}, QColor(0, 0, 255));
    EXPECT_EQ(runScriptLines("show Line1 forecolor\n"), "Line1.forecolor=0,0,255\n");

    EXPECT_THROW(host::layOut(form.client(), {{"Later", "x", ControlKind::Label, "x", {}}}),
                 std::logic_error);
}

// A tool tip table reaches every control it names, array elements too; a name the form lacks
// is an error that names it, and no tip of the table is set.
TEST_F(Controls, ToolTipsGoToTheControlsTheTableNames)
{
    host::layOut(form.client(),
                 {
                     {"", "commGo", ControlKind::Button, "Go", {120, 120, 900, 360}},
                     {"", "opInk(2)", ControlKind::Option, "Red", {120, 600, 900, 252}},
                 });
    host::setToolTips(form, {{"commGo", "Runs the model."}, {"opInk(2)", "Draws in red."}});
    EXPECT_EQ(form.control<QWidget>("commGo")->toolTip(), "Runs the model.");
    EXPECT_EQ(form.control<QWidget>("opInk(2)")->toolTip(), "Draws in red.");
    try {
        host::setToolTips(form, {{"commGo", "Changed."}, {"commGone", "Lost."}});
        ADD_FAILURE() << "an unknown name was taken";
    } catch (const std::logic_error &error) {
        EXPECT_NE(std::string(error.what()).find("commGone"), std::string::npos) << error.what();
    }
    EXPECT_EQ(form.control<QWidget>("commGo")->toolTip(), "Runs the model.");
}

// A click on the selected option, by mouse or Space, leaves it selected and runs its Click
// handler: for one alone in its frame and for one among others. Code may still deselect it.
TEST_F(Controls, ClickingTheSelectedOptionKeepsItSelected)
{
    host::layOut(form.client(),
                 {
                     {"", "FrameA", ControlKind::Frame, "Alone", {120, 120, 2000, 600}},
                     {"FrameA", "optAlone", ControlKind::Option, "Alone", {120, 240, 1500, 252}},
                     {"", "FrameB", ControlKind::Frame, "Pair", {120, 900, 2000, 900}},
                     {"FrameB", "optOne", ControlKind::Option, "One", {120, 240, 1500, 252}},
                     {"FrameB", "optTwo", ControlKind::Option, "Two", {120, 540, 1500, 252}},
                 });
    int clicks = 0;
    for (const char *name : {"optAlone", "optOne"}) {
        auto *option = form.control<QRadioButton>(name);
        clicks = 0;
        host::onClick(option, [&clicks] { ++clicks; });
        host::testing::clickIndicator(option);
        host::testing::clickIndicator(option);
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Space);
        EXPECT_TRUE(option->isChecked()) << name;
        EXPECT_EQ(clicks, 3) << name;
        host::deselect(option);
        EXPECT_FALSE(option->isChecked()) << name;
    }
    host::testing::clickIndicator(form.control<QRadioButton>("optTwo"));
    host::testing::clickIndicator(form.control<QRadioButton>("optOne"));
    EXPECT_FALSE(form.control<QRadioButton>("optTwo")->isChecked());
}

TEST_F(Controls, EveryFaceMapsToAnInstalledFontAndLongCaptionsShrinkToFit)
{
    for (const char *face : {"MS Sans Serif", "Arial Narrow", "Book Antiqua", "Garamond",
                             "Times New Roman", "Courier New"}) {
        const QFont font = host::classicFont({face, 9.75});
        EXPECT_TRUE(font.families().contains(QFontInfo(font).family()))
            << face << " shows as " << QFontInfo(font).family().toStdString();
    }
    host::layOut(form.client(),
                 {
                     {"", "optShort", ControlKind::Option, "4", {120, 120, 1500, 252}},
                     {"", "Frame3", ControlKind::Frame, "Path Colour", {120, 600, 975, 1710}},
                 });
    EXPECT_EQ(form.control<QRadioButton>("optShort")->font().pointSizeF(), 8.25);
    auto *frame = form.control<QWidget>("Frame3");
    EXPECT_LT(QFontMetrics(frame->font()).horizontalAdvance("Path Colour"), frame->width() - 10);
}

TEST_F(Controls, EveryHandlerOfAnEventRunsWithButtonShiftAndPosition)
{
    host::layOut(form.client(),
                 {
                     {"", "commGo", ControlKind::Button, "Go", {120, 120, 900, 360}},
                     {"", "Label1", ControlKind::Label, "press me", {120, 600, 1500, 300}},
                     {"", "picArea", ControlKind::Picture, "", {2000, 120, 1500, 1500}},
                     {"", "txtValue", ControlKind::TextBox, "", {120, 1200, 1500, 300}},
                 });
    std::vector<std::string> seen;
    auto *go = form.control<QPushButton>("commGo");
    host::onClick(go, [&] { seen.push_back("first"); });
    host::onClick(go, [&] { seen.push_back("second"); });
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<std::string> {"first", "second"}));

    struct Press
    {
        int button, shift;
        QPointF at;
    };
    std::vector<Press> presses;
    auto record = [&](int button, int shift, QPointF at) {
        presses.push_back({button, shift, at});
    };
    auto *label = form.control<QLabel>("Label1");
    auto *area = form.control<host::PictureArea>("picArea");
    area->setScale(0, 10, 10, 0);
    host::onMouseDown(label, record);
    host::onMouseUp(area, record);
    QTest::mousePress(label, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 4));
    QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(25, 75));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0].button, 2);
    EXPECT_EQ(presses[0].shift, 1);
    EXPECT_EQ(presses[0].at, QPointF(150, 60)); // twips on a plain control
    EXPECT_EQ(presses[1].button, 1);
    EXPECT_EQ(presses[1].shift, 6);
    EXPECT_EQ(presses[1].at, QPointF(2.5, 2.5)); // user units on a picture area

    auto *box = form.control<QLineEdit>("txtValue");
    std::vector<int> keys;
    int changes = 0;
    host::onKeyPress(box, [&](int code) { keys.push_back(code); });
    host::onChange(box, [&] { ++changes; });
    box->setFocus();
    QTest::keyClicks(box, "a1");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(keys, (std::vector<int> {97, 49, 8, 27, 13}));
    EXPECT_EQ(box->text(), "a"); // every key still reached the box
    EXPECT_EQ(changes, 3);
    host::showText(box, "0.25");
    EXPECT_EQ(changes, 4);
}

TEST_F(Controls, AScaleWithoutWidthOrHeightIsAFault)
{
    host::layOut(form.client(),
                 {{"", "picArea", ControlKind::Picture, "", {120, 120, 1500, 1500}}});
    auto *area = form.control<host::PictureArea>("picArea");
    area->setScale(0, 10, 10, 0);
    EXPECT_EQ(faultKind([area] { area->setScale(0, 10, 0, 0); }), host::Fault::Kind::Invalid);
    EXPECT_EQ(faultKind([area] { area->setScale(0, 5, 10, 5); }), host::Fault::Kind::Invalid);
    EXPECT_EQ(area->scaleWidth(), 10); // the scale before stays
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
