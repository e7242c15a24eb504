// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard, screen-reader and help side of the forms layer: tab order by the layout,
// accessible names, Enter on buttons, a menu bar that leaves the client area its size, and
// the help page with its pictures.

#include "host/forms/command_line.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/help_page.h"
#include "host/forms/picture_area.h"
#include "host/tests/support/test_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

using host::ControlKind;

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// A form whose table lists its controls out of reading order: a row of a text box, a scroll
// bar and a button below a frame that holds two rows of its own, and a picture area on the
// right holding a button.
class ProbeForm : public host::Form
{
public:
    ProbeForm()
        : host::Form("Probe", "Probe", 6000, 3600)
    {
        host::layOut(client(),
                     {
                         {"", "commLast", ControlKind::Button, "Last", {3000, 2800, 900, 360}},
                         {"", "Label9", ControlKind::Label, "Iterations:", {120, 2800, 1000, 252}},
                         {"", "txtIter", ControlKind::TextBox, "10", {1200, 2800, 600, 288}},
                         {"", "hsbIter", ControlKind::HScrollBar, "", {1900, 2830, 1000, 252}},
                         {"", "Frame1", ControlKind::Frame, "Input", {120, 120, 3600, 1800}},
                         {"Frame1", "Label1", ControlKind::Label, "Level", {120, 300, 0, 0}},
                         {"Frame1", "txtLevel", ControlKind::TextBox, "", {900, 1000, 600, 288}},
                         {"Frame1", "chkB", ControlKind::CheckBox, "B", {1800, 330, 900, 252}},
                         {"Frame1", "chkA", ControlKind::CheckBox, "A", {120, 300, 900, 252}},
                         {"Frame1", "Label2", ControlKind::Label, "Rate =", {120, 1000, 0, 0}},
                         {"", "picShow", ControlKind::Picture, "", {4000, 120, 1800, 1800}},
                         {"picShow", "commIn", ControlKind::Button, "", {100, 100, 600, 360}},
                         {"", "Label5", ControlKind::Label, "Speed", {4000, 2000, 1000, 252}},
                         {"", "hsbSpeed", ControlKind::HScrollBar, "", {4000, 2300, 1800, 252}},
                     });
    }
};

class Keyboard : public host::testing::ShownForm<ProbeForm>
{
protected:
    QStringList tabStops()
    {
        QStringList names;
        QWidget *start = control<QWidget>("chkA");
        QWidget *at = start;
        do {
            names << at->objectName();
            at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(&form))
                at = at->nextInFocusChain();
        } while (at != start && names.size() < 50);
        return names;
    }
};

TEST_F(Keyboard, TabFollowsRowsTopToBottomLeftToRightWithinFrames)
{
    // chkB sits a little lower than chkA but in the same row; the frame's controls come where
    // the frame is, the picture area's button after the frame on the top row.
    EXPECT_EQ(tabStops(),
              QStringList({"chkA", "chkB", "txtLevel", "commIn", "hsbSpeed", "txtIter", "hsbIter",
                           "commLast"}));
}

TEST_F(Keyboard, TabKeyWalksTheOrder)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    control<QWidget>("txtLevel")->setFocus();
    QStringList visited;
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"commIn", "hsbSpeed", "txtIter", "hsbIter"}));
    // A scroll bar reached by Tab moves with its arrow keys (Down and Up a small change),
    // and Change runs.
    auto *bar = control<host::ScrollBar>("hsbIter");
    ASSERT_EQ(QApplication::focusWidget(), bar);
    int changes = 0;
    host::onChange(bar, [&] { ++changes; });
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(Keyboard, AccessibleNamesAreCaptionsOrTheLabelThatNamesTheControl)
{
    EXPECT_EQ(accessibleName(control<QWidget>("commLast")), "Last");
    EXPECT_EQ(accessibleName(control<QWidget>("chkA")), "A");
    EXPECT_EQ(accessibleName(control<QWidget>("Label9")), "Iterations:");
    // Label on the left, under the frame's caption; trailing "=" and ":" dropped.
    EXPECT_EQ(accessibleName(control<QWidget>("txtLevel")), "Input: Rate");
    EXPECT_EQ(accessibleName(control<QWidget>("txtIter")), "Iterations");
    // The nearest label on the left, past the text box between them.
    EXPECT_EQ(accessibleName(control<QWidget>("hsbIter")), "Iterations");
    // The label above.
    EXPECT_EQ(accessibleName(control<QWidget>("hsbSpeed")), "Speed");
    // Nothing names it: its own name rather than nothing.
    EXPECT_EQ(accessibleName(control<QWidget>("picShow")), "picShow");
    EXPECT_EQ(accessibleName(control<QWidget>("commIn")), "commIn");
}

TEST_F(Keyboard, CaptionChangesReachScreenReadersAndNamesSetByTheProgramStay)
{
    auto *button = control<QPushButton>("commLast");
    button->setText("Stop");
    EXPECT_EQ(accessibleName(button), "Stop");
    host::setAccessibleName(control<QWidget>("picShow"), "Hand display");
    host::arrangeForKeyboard(form.client());
    EXPECT_EQ(accessibleName(control<QWidget>("picShow")), "Hand display");
}

TEST_F(Keyboard, ButtonsPressWithSpaceAndEnterButNotWhenDisabled)
{
    auto *button = control<QPushButton>("commLast");
    int clicks = 0;
    host::onClick(button, [&] { ++clicks; });
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 3);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 3);
}

// A form with a menu from its constructor; a second one comes after load.
class MenuForm : public host::Form
{
public:
    MenuForm()
        : host::Form("Menued", "Menued", 3000, 1500)
    {
        addMenuItem(addMenu("mnuFile", "&File"), "itQuit", "&Quit");
    }
};

TEST(MenuBar, AddsItsHeightToTheWindowAndLeavesTheClientItsTwips)
{
    MenuForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.client()->size(), QSize(200, 100));
    const int bar = form.menuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(form.height(), 100 + bar);
    EXPECT_EQ(form.client()->y(), bar);
    form.addMenu("mnuLater", "&Later");
    QApplication::processEvents();
    EXPECT_EQ(form.client()->size(), QSize(200, 100));
    EXPECT_EQ(form.height(), 100 + form.menuBar()->height());
}

// The help page: its HTML from a file, one picture drawn by the program.
class Help : public ::testing::Test
{
protected:
    Help()
    {
        page.open();
        page.write("<h1>About</h1><p>Cells vote.</p><img src=\"display\">");
        page.flush();
        host::addHelpMenu(
            form, {"About the probe", page.fileName(), {{"display", [this] {
                                                             ++drawings;
                                                             QImage picture(40, 30,
                                                                            QImage::Format_RGB32);
                                                             picture.fill(QColor(0, 128, 0));
                                                             return picture;
                                                         }}}});
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QWidget *helpWindow() { return form.findChild<QWidget *>("Help"); }

    QTemporaryFile page;
    MenuForm form;
    int drawings = 0;
};

TEST_F(Help, F1OpensThePageWithThePictureTheProgramDraws)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    QWidget *window = helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "About the probe");
    auto *browser = window->findChild<QTextBrowser *>("helpText");
    EXPECT_TRUE(browser->toPlainText().contains("Cells vote."));
    const QImage shown = browser->document()
                             ->resource(QTextDocument::ImageResource, QUrl("display"))
                             .value<QImage>();
    EXPECT_EQ(shown.size(), QSize(40, 30));
    EXPECT_EQ(drawings, 1);
    // The menu bar holds Help last, with its item under the host's names.
    EXPECT_EQ(form.menuBar()->actions().back()->menu()->objectName(), "mnuHelp");
}

TEST_F(Help, OpeningAgainRedrawsThePictureInTheSameWindow)
{
    host::testing::runScriptLines("menu mnuAboutModel\n");
    QWidget *first = helpWindow();
    first->close();
    EXPECT_EQ(host::testing::runScriptLines("menu mnuAboutModel\nshow Help visible\n"),
              "Help.visible=true\n");
    EXPECT_EQ(helpWindow(), first);
    EXPECT_EQ(drawings, 2);
    // The page's window closes with Escape.
    QTest::keyClick(first->findChild<QTextBrowser *>("helpText"), Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
}

TEST_F(Help, AboutNeurosimsTellsTheVersionAndTheLicence)
{
    QCoreApplication::setApplicationName("neurosims-probe");
    const std::string said = host::testing::runScriptLines("menu mnuAboutNeurosims\n");
    for (const QString &told : {"message: neurosims-probe " + host::suiteVersion() + " / ",
                                QString("GPL-3.0-or-later"), QString("The user guide: /")})
        EXPECT_NE(said.find(told.toStdString()), std::string::npos) << said;
}

TEST_F(Help, AMissingPageIsReportedNotACrash)
{
    host::Form other("Other", "Other", 3000, 1500);
    host::addHelpMenu(other, {"None", ":/no/such/page.html", {}});
    EXPECT_EQ(host::testing::runScriptLines("menu Other.mnuAboutModel\n"),
              "fault: Unexpected error: no help page :/no/such/page.html\n");
}

} // namespace
