// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/printer_page.h"
#include "host/forms/run_context.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/tests/support/test_support.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using host::ControlKind;
using host::testing::PaintCounter;
using host::testing::runScriptLines;

std::string runLines(const std::string &lines) { return runScriptLines(lines); }

// A small window with one control of each kind the programs use.
class TestForm : public host::Form
{
public:
    TestForm()
        : host::Form("TestForm", "Test", 3000, 3000)
    {
        host::layOut(client(),
                     {
                         {"",
                          "hsbLevel",
                          ControlKind::HScrollBar,
                          "",
                          {120, 120, 1500, 240},
                          {},
                          0,
                          {0, 10, 1, 5}},
                         {"", "chkSwitch", ControlKind::CheckBox, "Switch", {120, 480, 1500, 300}},
                         {"", "commFail", ControlKind::Button, "Fail", {1800, 120, 900, 360}},
                         {"", "commLoop", ControlKind::Button, "Loop", {1800, 600, 900, 360}},
                         {"", "commStop", ControlKind::Button, "Stop", {1800, 1080, 900, 360}},
                         {"", "txtValue", ControlKind::TextBox, "", {120, 900, 1500, 300}},
                         // 100 x 100 pixels
                         {"", "picArea", ControlKind::Picture, "", {120, 1500, 1500, 1500}},
                     });
        bar = control<host::ScrollBar>("hsbLevel");
        check = control<QCheckBox>("chkSwitch");
        fail = control<QPushButton>("commFail");
        loop = control<QPushButton>("commLoop");
        stopButton = control<QPushButton>("commStop");
        text = control<QLineEdit>("txtValue");
        area = control<host::PictureArea>("picArea");

        host::onChange(bar, [this] { changes.push_back(bar->value()); });
        host::onMouseUp(check, [this](int, int, QPointF) { switchSeen = host::checkValue(check); });
        host::onClick(fail, [this] {
            ++clicks;
            throw host::Fault(host::Fault::Kind::NotANumber, "\"x\" is not a number.");
        });
        host::onClick(loop, [this] {
            stop = false;
            for (loops = 0; loops < 100 && !stop; ++loops)
                if (!host::yield())
                    break;
        });
        host::onClick(stopButton, [this] { stop = true; });
        host::onKeyPress(text, [this](int code) { keys.push_back(code); });

        area->setScale(0, 10, 10, 0);
        area->setForeColor(Qt::darkGreen);
        area->line(QPointF(0, 0.5), QPointF(10, 0.5)); // drawn before the window is shown
    }

    host::ScrollBar *bar;
    QCheckBox *check;
    QPushButton *fail, *loop, *stopButton;
    QLineEdit *text;
    host::PictureArea *area;
    std::vector<int> changes, keys;
    int switchSeen = -1, clicks = 0, loops = 0;
    bool stop = false;
};

class Forms : public testing::Test
{
protected:
    void SetUp() override
    {
        form.show();
        (void)host::yield();
    }
    TestForm form;
};

TEST_F(Forms, AScrollBarValueOutsideItsRangeIsAFaultThatChangesNothing)
{
    form.bar->setValue(4);
    try {
        form.bar->setValue(11);
        ADD_FAILURE() << "no fault";
    } catch (const host::Fault &fault) {
        EXPECT_EQ(fault.kind(), host::Fault::Kind::Overflow);
        EXPECT_STREQ(fault.what(), "The value 11 lies outside the range of hsbLevel (0 to 10).");
    }
    EXPECT_EQ(form.bar->value(), 4);
    EXPECT_EQ(form.changes, std::vector<int> {4});
}

TEST_F(Forms, ScrollBarChangeRunsBeforeSetValueReturns)
{
    form.bar->setValue(7);
    ASSERT_EQ(form.changes, std::vector<int> {7});
    form.bar->setValue(7); // no change, no event
    EXPECT_EQ(form.changes.size(), 1u);
    form.bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); // an arrow click
    EXPECT_EQ(form.changes, (std::vector<int> {7, 8}));
}

TEST_F(Forms, YUpLineAndBoxesLandOnTheExpectedPixels)
{
    host::PictureArea &area = *form.area;
    area.setForeColor(Qt::blue);
    area.line(QPointF(0, 1), QPointF(10, 1)); // y = 1 of 10, up from the bottom: pixel row 90
    EXPECT_EQ(area.image().pixelColor(50, 90), QColor(Qt::blue));
    EXPECT_EQ(area.image().pixelColor(50, 10), QColor(Qt::white));
    EXPECT_EQ(area.currentPoint(), QPointF(10, 1));

    area.setFillsBoxes(true);
    area.setFillColor(Qt::red);
    area.box(QPointF(2, 8), QPointF(8, 4));
    EXPECT_EQ(area.pixelAt(QPointF(5, 6)), QColor(Qt::red)); // inside: the fill colour
    EXPECT_EQ(area.image().pixelColor(50, 20), QColor(Qt::blue)); // top edge: the fore colour
    area.boxBy(QPointF(6, 3), QPointF(3, -2)); // second corner relative: (9, 1)
    EXPECT_EQ(area.pixelAt(QPointF(7.5, 2)), QColor(Qt::red));
    EXPECT_EQ(area.currentPoint(), QPointF(9, 1));
    area.filledBox(QPointF(2, 3), QPointF(4, 2));
    EXPECT_EQ(area.pixelAt(QPointF(3, 2.5)), QColor(Qt::blue));
    EXPECT_EQ(area.currentPoint(), QPointF(4, 2));

    area.cls();
    EXPECT_EQ(area.pixelAt(QPointF(5, 6)), QColor(Qt::white));
    EXPECT_EQ(area.currentPoint(), QPointF(0, 0));
}

TEST_F(Forms, NewBackColourShowsWithoutYielding)
{
    PaintCounter counter(form.area);
    form.area->setBackColor(Qt::yellow);
    EXPECT_GE(counter.paints, 1);
}

TEST_F(Forms, DrawingBeforeTheFirstShowIsKept)
{
    EXPECT_EQ(form.area->image().pixelColor(50, 95), QColor(Qt::darkGreen));
}

TEST_F(Forms, PrintMovesTheCurrentPointToTheNextLine)
{
    host::PictureArea &area = *form.area;
    area.setForeColor(Qt::black);
    area.setCurrentPoint(QPointF(3, 9));
    area.print("Wg");
    EXPECT_DOUBLE_EQ(area.currentX(), 0);
    EXPECT_LT(area.currentY(), 9 - 0.5); // at least half a unit (5 pixels) lower on a y-up scale
    EXPECT_GT(area.currentY(), 9 - 3);
    bool inked = false;
    for (int x = 30; x < 60; ++x)
        for (int y = 10; y < 25; ++y)
            inked = inked || area.image().pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
}

TEST_F(Forms, ChildPicturesMoveInUserUnits)
{
    auto *child = new host::PictureArea(form.area);
    host::placeTwips(child, {0, 0, 150, 150});
    form.area->moveChild(child, QPointF(2.5, 7));
    EXPECT_EQ(child->pos(), QPoint(25, 30));
    EXPECT_EQ(form.area->childPosition(child), QPointF(2.5, 7));
}

TEST_F(Forms, FarGeometryDrawsItsVisiblePartAndPlacesThatAreNotFiniteAreRefused)
{
    host::PictureArea &area = *form.area;
    area.cls();
    area.setForeColor(Qt::blue);
    // The same line as from (0, 5) to (10, 5), continued 1e30 units: the same pixels.
    area.line(QPointF(0, 5), QPointF(1e30, 5));
    EXPECT_EQ(area.pixelAt(QPointF(5, 5)), QColor(Qt::blue));
    EXPECT_EQ(area.pixelAt(QPointF(9.9, 5)), QColor(Qt::blue));
    EXPECT_EQ(area.currentPoint(), QPointF(1e30, 5));
    area.setForeColor(Qt::red);
    area.filledBox(QPointF(-1e300, 3), QPointF(1e300, -1e300)); // everything below y = 3
    EXPECT_EQ(area.pixelAt(QPointF(5, 1)), QColor(Qt::red));
    EXPECT_EQ(area.pixelAt(QPointF(5, 5)), QColor(Qt::blue));
    area.setCurrentPoint(QPointF(1e15, 1e15));
    area.print("far away"); // nothing shows, the current point moves on
    EXPECT_EQ(area.currentX(), 0);

    // A place that is not finite: refused before anything is drawn or moved.
    const QImage before = area.image();
    auto *child = new host::PictureArea(&area);
    area.moveChild(child, QPointF(2, 8));
    const QPoint childAt = child->pos();
    area.setCurrentPoint(QPointF(1, 1));
    for (const QPointF bad : {QPointF(std::nan(""), 1), QPointF(1, HUGE_VAL), QPointF(1e308, 1)}) {
        EXPECT_EQ(host::testing::faultKind([&] { area.line(QPointF(1, 1), bad); }),
                  host::Fault::Kind::Invalid);
        EXPECT_EQ(host::testing::faultKind([&] { area.box(bad, QPointF(1, 1)); }),
                  host::Fault::Kind::Invalid);
        EXPECT_EQ(host::testing::faultKind([&] { area.moveChild(child, bad); }),
                  host::Fault::Kind::Invalid);
    }
    EXPECT_EQ(area.currentPoint(), QPointF(1, 1));
    EXPECT_EQ(area.image(), before);
    // A finite place too far for a child's whole-pixel position is refused too.
    try {
        area.moveChild(child, QPointF(1e20, 5));
        ADD_FAILURE() << "moved";
    } catch (const host::Fault &fault) {
        EXPECT_STREQ(fault.what(),
                     "(1E+20, 5) is no place this display can show: it lies beyond what its "
                     "scale can draw.");
    }
    EXPECT_EQ(child->pos(), childAt);
    EXPECT_EQ(area.childPosition(child), QPointF(2, 8));
    EXPECT_EQ(area.pixelAt(QPointF(std::nan(""), -1e300)), area.image().pixelColor(0, 99));
}

TEST_F(Forms, AReleaseFarOutsideAControlIsNoClick)
{
    int clicks = 0;
    host::onClick(form.area, [&clicks] { ++clicks; });
    runLines("mouse picArea down 5 5\nmouse picArea up 1e20 -1e20\n"
             "mouse picArea down 5 5\nmouse picArea up 5 5\n");
    EXPECT_EQ(clicks, 1);
}

TEST_F(Forms, FaultInAHandlerIsOneMessageAndTheNextEventWorks)
{
    std::string output = runLines("click commFail\nset hsbLevel 3\nshow hsbLevel value\n");
    EXPECT_EQ(output, "fault: \"x\" is not a number.\nhsbLevel.value=3\n");
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(Forms, CheckBoxMouseUpSeesTheNewValue)
{
    std::string output = runLines("click chkSwitch\nshow chkSwitch value\nset chkSwitch 0\n");
    EXPECT_EQ(output, "chkSwitch.value=1\n");
    EXPECT_EQ(form.switchSeen, 1);
    EXPECT_EQ(host::checkValue(form.check), 0);
}

TEST_F(Forms, DisabledCheckBoxRunsNoMouseUpHandler)
{
    form.check->setEnabled(false);
    EXPECT_EQ(runLines("click chkSwitch\nshow chkSwitch value\n"), "chkSwitch.value=0\n");
    EXPECT_EQ(form.switchSeen, -1);
}

TEST_F(Forms, ScriptDrivesTheFormLineForLine)
{
    std::string output = runLines("# a comment\n"
                                  "type txtValue 0.5 and more\n"
                                  "show txtValue text\n"
                                  "key txtValue 13\n"
                                  "set hsbLevel 4\n"
                                  "show hsbLevel value\n"
                                  "show picArea backcolor\n"
                                  "show commFail caption\n"
                                  "show commStop enabled\n"
                                  "pixel picArea 5 5\n"
                                  "pixel picArea 5 -0.5\n"
                                  "show nothing value\n"
                                  "set hsbLevel 11\n"
                                  "frobnicate\n");
    EXPECT_EQ(output,
              "txtValue.text=0.5 and more\n"
              "hsbLevel.value=4\n"
              "picArea.backcolor=255,255,255\n"
              "commFail.caption=Fail\n"
              "commStop.enabled=true\n"
              "picArea.pixel=255,255,255\n"
              "error: pixel picArea 5 -0.5: 5 -0.5 lies outside picArea\n"
              "error: show nothing value: no control named nothing\n"
              "error: set hsbLevel 11: 11 is outside the range of hsbLevel\n"
              "error: frobnicate: unknown command frobnicate\n");
    EXPECT_EQ(form.keys, std::vector<int> {13});
}

TEST_F(Forms, NumbersAControlCannotTakeAreErrorsAndChangeNothing)
{
    std::string output = runLines("set hsbLevel 2.7\n"
                                  "set chkSwitch 5\n"
                                  "key txtValue 1e12\n"
                                  "at-yield 1e12 click commStop\n");
    EXPECT_EQ(output,
              "error: set hsbLevel 2.7: \"2.7\" is not a whole number\n"
              "error: set chkSwitch 5: 5 is not from 0 to 2\n"
              "error: key txtValue 1e12: 1e12 is not from 0 to 65535\n"
              "error: at-yield 1e12 click commStop: 1e12 is not from 1 to 2147483647\n");
    EXPECT_TRUE(form.changes.empty());
    EXPECT_TRUE(form.keys.empty());
}

TEST_F(Forms, PrinttoAndGrabWriteFilesWhoseNamesHaveBlanks)
{
    QTemporaryDir dir;
    QString pdf = dir.filePath("script page.pdf");
    QString png = dir.filePath("picture area.png");
    EXPECT_EQ(
        runLines("printto " + pdf.toStdString() + "\ngrab picArea " + png.toStdString() + "\n"),
        "");
    EXPECT_GT(QFile(png).size(), 0);
    host::printer().line(QPointF(0, 0), QPointF(1000, 1000));
    host::printer().endDoc();
    EXPECT_GT(QFile(pdf).size(), 0);
}

TEST_F(Forms, HandlersRunInsideAYieldingLoop)
{
    std::string output = runLines("at-yield 3 click commStop\nclick commLoop\n");
    EXPECT_EQ(output, "");
    EXPECT_EQ(form.loops, 3);
}

TEST_F(Forms, NothingOfAScriptOutlivesIt)
{
    EXPECT_EQ(runLines("clock 100\nat-yield 5 click commStop\n"),
              "error: at-yield 5 click commStop: the script ended before that yield\n");
    form.loop->click();
    EXPECT_EQ(form.loops, 100);
    EXPECT_NE(host::clockSeconds(), 100.0f);
}

TEST_F(Forms, ClosingTheWindowEndsAYieldingLoop)
{
    runLines("at-yield 2 close TestForm\nclick commLoop\n");
    EXPECT_EQ(form.loops, 1);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(host::programEnding());
}

TEST(FormLifetime, ProgramEndsWhenTheLastLoadedWindowCloses)
{
    TestForm first;
    host::Form second("SecondForm", "Second", 1500, 1500);
    first.show();
    second.load(); // loaded, still hidden
    EXPECT_TRUE(second.isLoaded());
    EXPECT_FALSE(second.isVisible());
    first.close();
    EXPECT_FALSE(host::programEnding());
    second.unload();
    EXPECT_TRUE(host::programEnding());
    EXPECT_FALSE(host::yield());
}

TEST(PrinterPage, WritesAPdfWhoseTextReadsBackAndKeepsThePageOnFailure)
{
    QTemporaryDir dir;
    host::PrinterPage &page = host::printer();
    page.setScale(-100, 200, 100, -50);
    page.setFontName("Helvetica");
    page.setFontSize(11);
    page.line(QPointF(-90, 0), QPointF(90, 0));
    page.setCurrentPoint(QPointF(4, -8));
    page.print(" TARGET ");
    page.print("second line");
    ASSERT_TRUE(page.isOpen());

    host::PrinterPage::setNextPdfPath(dir.filePath("missing-folder/page.pdf"));
    EXPECT_THROW(page.endDoc(), host::Fault);
    EXPECT_TRUE(page.isOpen()); // nothing lost

    QString pdf = dir.filePath("page.pdf");
    host::PrinterPage::setNextPdfPath(pdf);
    page.endDoc();
    EXPECT_FALSE(page.isOpen());
    QProcess text;
    text.start("pdftotext", {"-raw", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("TARGET")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("second line")) << printed.toStdString();

    page.line(QPointF(0, 0), QPointF(1, 1));
    QPrinter unreachable(QPrinter::HighResolution);
    unreachable.setOutputFormat(QPrinter::PdfFormat);
    unreachable.setOutputFileName(dir.filePath("missing-folder/printer.pdf"));
    EXPECT_FALSE(page.render(unreachable));
    page.killDoc();
    EXPECT_FALSE(page.isOpen());
}

TEST(PrinterPage, FarPlacesMakeAReadablePdf)
{
    QTemporaryDir dir;
    host::PrinterPage page;
    page.setScale(-100, 200, 100, -50);
    page.box(QPointF(1e20 - 2, 1e20 + 2), QPointF(1e20 + 2, 1e20 - 2));
    page.line(QPointF(0, 0), QPointF(-1e25, 1e25));
    page.setCurrentPoint(QPointF(-90, 190));
    page.print("NEAR");
    EXPECT_EQ(host::testing::faultKind([&] { page.line(QPointF(0, 0), QPointF(0, NAN)); }),
              host::Fault::Kind::Invalid);
    const QString pdf = dir.filePath("far.pdf");
    ASSERT_NO_THROW(page.writePdf(pdf));
    QProcess text;
    text.start("pdftotext", {"-raw", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    EXPECT_EQ(text.exitCode(), 0) << text.readAllStandardError().toStdString();
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains("NEAR"));
}

TEST(PrinterPage, UnderAScriptAPageWithoutAFileIsKept)
{
    const host::RunContext person = host::runContext();
    host::runContext().scripted = true;
    host::PrinterPage page;
    page.line(QPointF(0, 0), QPointF(1440, 1440));
    try {
        page.endDoc();
        ADD_FAILURE() << "sent without a file";
    } catch (const host::Fault &fault) {
        EXPECT_EQ(fault.kind(), host::Fault::Kind::File);
        EXPECT_STREQ(fault.what(),
                     "No file was named for the printed page (printto FILE). The "
                     "page is kept for the next Print.");
    }
    EXPECT_TRUE(page.isOpen());
    host::runContext() = person;
}

TEST(PrinterPage, KeepsItsProportionsOnLetterPaper)
{
    QTemporaryDir dir;
    host::PrinterPage page;
    page.filledBox(QPointF(1440, 1440), QPointF(5 * 1440, 5 * 1440)); // a 4-inch square
    QString pdf = dir.filePath("letter.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        ASSERT_TRUE(page.render(writer));
    }
    QProcess raster;
    raster.start("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, dir.filePath("letter")});
    ASSERT_TRUE(raster.waitForFinished(20000));
    QImage sheet(dir.filePath("letter.png"));
    ASSERT_FALSE(sheet.isNull());
    QRect inked;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qGray(sheet.pixel(x, y)) < 128)
                inked |= QRect(x, y, 1, 1);
    EXPECT_NEAR(inked.width(), inked.height(), 1); // about 113 pixels: the page fits the sheet
    EXPECT_GT(inked.width(), 100);
}

} // namespace
