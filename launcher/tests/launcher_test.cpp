// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/launcher_window.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using launcher::LauncherWindow;
using launcher::Program;

class Launcher : public ::testing::Test
{
protected:
    Launcher()
    {
        // One thumbnail is there (a window of 800 by 600), the others not yet.
        QImage window(800, 600, QImage::Format_RGB32);
        window.fill(QColor(0, 192, 192));
        window.save(folder.filePath("calc.png"));
        list = launcher::programs({"/build", "/source", folder.path()});
        // The settings the programs keep their recent files in, here the test's own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }

    LauncherWindow &shown()
    {
        if (!launcherWindow) {
            launcherWindow = std::make_unique<LauncherWindow>(
                list, [this](const Program &p, const QString &file) {
                    started << (file.isEmpty() ? p.name : p.name + " " + file);
                    return p.name != "somatomap";
                });
            launcherWindow->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(launcherWindow.get()));
        }
        return *launcherWindow;
    }

    QPushButton *entry(const QString &name) { return shown().findChild<QPushButton *>(name); }

    QTemporaryDir folder;
    std::vector<Program> list;
    QStringList started;
    std::unique_ptr<LauncherWindow> launcherWindow;
};

TEST_F(Launcher, ListsTheFourProgramsWithTheirPlaces)
{
    ASSERT_EQ(list.size(), 4u);
    QStringList names;
    for (const Program &p : list)
        names << p.name;
    EXPECT_EQ(names.join(' ').toStdString(), "reach sidestop calc somatomap");
    EXPECT_EQ(list[2].executable.toStdString(), "/build/calc/calc");
    // calc runs in its own folder, where its pattern file lies.
    EXPECT_EQ(list[2].workingDirectory.toStdString(), "/source/calc");
    for (const Program &p : list)
        EXPECT_FALSE(p.teaches.isEmpty()) << p.name.toStdString();
}

TEST_F(Launcher, EachEntryShowsIconNameSentenceAndThumbnail)
{
    for (const Program &p : list) {
        QPushButton *button = entry(p.name);
        ASSERT_NE(button, nullptr) << p.name.toStdString();
        EXPECT_FALSE(button->findChild<QLabel *>("icon")->pixmap().isNull());
        EXPECT_TRUE(button->findChild<QLabel *>("name")->text().contains(p.name));
        EXPECT_EQ(button->findChild<QLabel *>("teaches")->text(), p.teaches);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(face->text(QAccessible::Name), p.name);
    }
    const QPixmap thumbnail = entry("calc")->findChild<QLabel *>("thumbnail")->pixmap();
    EXPECT_EQ(thumbnail.size(), LauncherWindow::thumbnailSize);
    EXPECT_EQ(entry("reach")->findChild<QLabel *>("thumbnail")->text().toStdString(),
              "(no picture yet)");
}

TEST_F(Launcher, ClickingAnEntryOrPressingEnterOnItStartsThatProgram)
{
    QTest::mouseClick(entry("calc"), Qt::LeftButton);
    // A click on the entry's thumbnail or sentence counts as a click on the entry.
    QWidget *sentence = entry("reach")->findChild<QLabel *>("teaches");
    QTest::mouseClick(sentence, Qt::LeftButton, {}, sentence->rect().center());
    QTest::keyClick(entry("sidestop"), Qt::Key_Return);
    QTest::keyClick(entry("sidestop"), Qt::Key_Space);
    EXPECT_EQ(started.join(' ').toStdString(), "calc reach sidestop sidestop");
    EXPECT_EQ(shown().findChild<QLabel *>("status")->text().toStdString(), "sidestop is starting.");
}

TEST_F(Launcher, AProgramThatCannotStartIsSaidSo)
{
    QTest::mouseClick(entry("somatomap"), Qt::LeftButton);
    EXPECT_EQ(shown().findChild<QLabel *>("status")->text().toStdString(),
              "somatomap could not start: somatomap is not built yet.");
    EXPECT_FALSE(LauncherWindow::startDetached(list[0], {})); // /build/reach/reach is not there
}

TEST_F(Launcher, TabVisitsTheEntriesInOrder)
{
    shown().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown()));
    entry("reach")->setFocus();
    QStringList visited;
    for (int k = 0; k < 3; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(' ').toStdString(), "sidestop calc somatomap");
}

TEST_F(Launcher, RecentSessionsOfEveryProgramOpenInTheirProgramAndAGoneOneIsGreyed)
{
    auto *sessions = shown().findChild<QListWidget *>("recentSessions");
    EXPECT_TRUE(sessions->isHidden()); // none yet
    const QString lesson = folder.filePath("lesson.calc-session");
    const QString map = folder.filePath("hand.somatomap-session");
    QFile(lesson).open(QIODevice::WriteOnly);
    QFile(map).open(QIODevice::WriteOnly);
    {
        QSettings settings("neurosims", "sessions");
        settings.setValue("recent/somatomap", QStringList {map});
        settings.setValue("recent/calc", QStringList {lesson, folder.filePath("old.calc-session")});
    }
    // Saved by a program while the launcher was open: the list shows when the launcher is
    // active again.
    QEvent activated(QEvent::WindowActivate);
    QApplication::sendEvent(&shown(), &activated);
    EXPECT_FALSE(sessions->isHidden());
    ASSERT_EQ(sessions->count(), 3);
    // In the programs' order, each program's latest first.
    EXPECT_EQ(sessions->item(0)->text().toStdString(), "calc: lesson.calc-session");
    EXPECT_EQ(sessions->item(1)->text().toStdString(), "calc: old.calc-session (gone)");
    EXPECT_FALSE(sessions->item(1)->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(sessions->item(2)->text().toStdString(), "somatomap: hand.somatomap-session");

    auto activate = [&](int row) {
        const QRect place = sessions->visualItemRect(sessions->item(row));
        QTest::mouseClick(sessions->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(sessions->viewport(), Qt::LeftButton, {}, place.center());
    };
    activate(0);
    activate(1); // gone: nothing starts
    sessions->setCurrentRow(2);
    QTest::keyClick(sessions, Qt::Key_Return);
    EXPECT_EQ(started.join('|'), "calc " + lesson + "|somatomap " + map);
    EXPECT_EQ(shown().findChild<QLabel *>("status")->text().toStdString(),
              "somatomap could not start: somatomap is not built yet.");
}

} // namespace
