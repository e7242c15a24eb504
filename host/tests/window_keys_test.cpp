// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys that act on whole windows (Quit, Close, a default button for Enter), key names in
// scripts, menu mnemonics, and where a second window opens.

#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/scroll_bar.h"
#include "host/tests/support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using host::ControlKind;

class KeyForm : public host::Form
{
public:
    explicit KeyForm(const QString &name = "Keys")
        : host::Form(name, name, 4500, 1500)
    {
        host::layOut(client(),
                     {
                         {"", "txtLevel", ControlKind::TextBox, "", {120, 120, 900, 288}},
                         {"", "chkSlow", ControlKind::CheckBox, "Slow", {1200, 120, 900, 252}},
                         {"", "hsbSpeed", ControlKind::HScrollBar, "", {120, 600, 1800, 252}},
                         {"", "commGo", ControlKind::Button, "Go", {2400, 600, 900, 360}},
                         {"", "commStop", ControlKind::Button, "Stop", {3400, 600, 900, 360}},
                     });
        setDefaultButton(control<QPushButton>("commGo"));
        host::onClick(control<QPushButton>("commGo"), [this] { ++goes; });
        host::onClick(control<QPushButton>("commStop"), [this] { ++stops; });
    }

    int goes = 0;
    int stops = 0;
};

class WindowKeys : public host::testing::ShownForm<KeyForm>
{
};

// Each way of every named key the scroll bar answers, through the script's key command; the
// old key codes still work, and a name no key has is the script's error.
TEST_F(WindowKeys, ScriptKeysByNameMoveAScrollBarEachWay)
{
    auto *bar = control<host::ScrollBar>("hsbSpeed");
    int changes = 0;
    host::onChange(bar, [&] { ++changes; });
    EXPECT_EQ(host::testing::runScriptLines(
                  "set hsbSpeed 10\nkey hsbSpeed Right\nshow hsbSpeed value\nkey hsbSpeed Left\n"
                  "key hsbSpeed left\nshow hsbSpeed value\nkey hsbSpeed Down\nshow hsbSpeed "
                  "value\nkey hsbSpeed Up\nshow hsbSpeed value\nkey hsbSpeed PageDown\nshow "
                  "hsbSpeed value\nkey hsbSpeed PageUp\nshow hsbSpeed value\nkey hsbSpeed End\n"
                  "show hsbSpeed value\nkey hsbSpeed Home\nshow hsbSpeed value\n"),
              "hsbSpeed.value=11\nhsbSpeed.value=9\nhsbSpeed.value=10\nhsbSpeed.value=9\n"
              "hsbSpeed.value=10\nhsbSpeed.value=9\nhsbSpeed.value=32767\nhsbSpeed.value=0\n");
    EXPECT_EQ(changes, 10);
    int status = 0;
    EXPECT_EQ(host::testing::runScriptLines("key hsbSpeed Sideways\n", &status),
              "error: key hsbSpeed Sideways: \"Sideways\" is no key code and no key name (Left, "
              "Right, Up, "
              "Down, PageUp, PageDown, Home, End, Enter, ...)\n");
    EXPECT_EQ(status, 2);
    EXPECT_EQ(host::testing::runScriptLines("key commStop 13\nkey commStop Enter\n"), "");
    EXPECT_EQ(form.stops, 2);
}

// Enter on a control that does not take it presses the default button; a focused button
// takes its own Enter; a disabled default button is not pressed.
TEST_F(WindowKeys, EnterPressesTheDefaultButtonUnlessAButtonHasTheFocus)
{
    for (const char *name : {"txtLevel", "chkSlow", "hsbSpeed"})
        QTest::keyClick(control<QWidget>(name), Qt::Key_Return);
    QTest::keyClick(control<QWidget>("txtLevel"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.goes, 4);
    QTest::keyClick(control<QWidget>("commStop"), Qt::Key_Return);
    EXPECT_EQ(form.stops, 1);
    EXPECT_EQ(form.goes, 4);
    QTest::keyClick(control<QWidget>("chkSlow"), Qt::Key_Return, Qt::ControlModifier);
    control<QPushButton>("commGo")->setEnabled(false);
    QTest::keyClick(control<QWidget>("chkSlow"), Qt::Key_Return);
    EXPECT_EQ(form.goes, 4);
}

// Ctrl+W closes a second window but not the main one; Ctrl+Q closes them all, and the program
// ends.
TEST_F(WindowKeys, CloseKeysCloseASecondWindowAndQuitKeysEndTheProgram)
{
    form.setMainForm();
    KeyForm second("Second");
    second.show();
    for (QWidget *window : {static_cast<QWidget *>(&second), static_cast<QWidget *>(&form)}) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    }
    EXPECT_FALSE(second.isLoaded());
    EXPECT_TRUE(form.isLoaded());
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    QTest::keyClick(&second, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(second.isLoaded());
    EXPECT_FALSE(form.isLoaded());
    EXPECT_TRUE(host::programEnding());
}

TEST(Menus, EveryCaptionCarriesAMnemonic)
{
    host::Form form("Menus", "Menus", 3000, 1500);
    EXPECT_THROW(form.addMenu("mnuFile", "File"), std::logic_error);
    EXPECT_THROW(form.addMenu("mnuSave", "Save && quit"), std::logic_error);
    QMenu *view = form.addMenu("mnuView", "&View");
    EXPECT_THROW(form.addMenuItem(view, "itCurve", "Curve"), std::logic_error);
    EXPECT_NO_THROW(form.addMenuItem(view, "itCurve", "Learning && &curve"));
    EXPECT_THROW(form.addMenuCommand("menAbout", "About"), std::logic_error);
}

// A second window opens to the right of the first where the screen has room, else to its left,
// else against the screen's right edge; never below the screen.
TEST(SecondWindow, OpensBesideTheFirstOnItsScreen)
{
    host::Form first("First", "First", 1500, 1500);
    host::Form second("Second", "Second", 1500, 1500);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    const QRect room = first.screen()->availableGeometry();
    const int gap = 4;
    auto placed = [&](host::Form &window, QPoint firstAt) {
        window.hide();
        first.move(firstAt);
        window.placeBeside(&first);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.frameGeometry().top(),
                  std::min(first.frameGeometry().top(),
                           room.bottom() + 1 - window.frameGeometry().height()));
        return window.frameGeometry();
    };
    QRect at = placed(second, room.topLeft() + QPoint(10, 10));
    EXPECT_EQ(at.left(), first.frameGeometry().right() + 1 + gap);
    at = placed(second, QPoint(room.right() - first.frameGeometry().width(), room.bottom() - 20));
    EXPECT_EQ(at.right() + 1 + gap, first.frameGeometry().left());
    host::Form wide("Wide", "Wide", (room.width() - 100) * 15, 1500);
    EXPECT_EQ(placed(wide, room.topLeft() + QPoint(50, 0)).right(), room.right());
}

} // namespace
