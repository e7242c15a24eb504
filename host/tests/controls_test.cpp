// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/tests/support/test_support.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using host::ControlKind;
using host::testing::faultKind;
using host::testing::runScriptLines;

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

} // namespace
