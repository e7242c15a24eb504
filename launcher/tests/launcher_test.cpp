// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/launcher_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
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
    }

    LauncherWindow &shown()
    {
        if (!launcherWindow) {
            launcherWindow = std::make_unique<LauncherWindow>(list, [this](const Program &p) {
                started << p.name;
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
    EXPECT_FALSE(LauncherWindow::startDetached(list[0])); // /build/reach/reach does not exist
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

} // namespace
