// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/demonstrations.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/forms/session_file.h"
#include "host/tests/support/test_support.h"
#include "reach/ui/form1.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using host::testing::clickIndicator;
using host::testing::runScriptLines;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A teacher's demonstration, recorded from real mouse and key events on the window.
class ReachDemo : public host::testing::ShownForm<reach::Form1>
{
protected:
    host::Demonstrations &demonstrations()
    {
        return host::Demonstrations::of(*form.findChild<host::SessionFile *>());
    }

    QPoint onHandDisplay(double x, double y)
    {
        return control<host::PictureArea>("picture1")->scale().toDevice(QPointF(x, y)).toPoint();
    }

    QString file(const QString &name) const { return folder.path() + "/" + name; }

    void recordLesson(const QString &path)
    {
        demonstrations().startRecording(path);
        clickIndicator(control<QRadioButton>("optTarget"));
        auto *display = control<host::PictureArea>("picture1");
        QTest::mousePress(display, Qt::LeftButton, {}, onHandDisplay(-40, 130));
        QTest::mouseMove(display, onHandDisplay(-45, 140));
        QTest::mouseRelease(display, Qt::LeftButton, {}, onHandDisplay(-45, 140));
        clickIndicator(control<QCheckBox>("chkSidestop"));
        auto *tuning = control<host::ScrollBar>("hsbCelltune");
        QTest::mouseClick(tuning, Qt::LeftButton, {}, QPoint(tuning->width() - 4, 4));
        auto *box = control<QLineEdit>("txtDxpos");
        box->setFocus();
        QTest::keyClicks(box, "17");
        QTest::mouseClick(control<QPushButton>("commReach"), Qt::LeftButton);
        demonstrations().stopRecording();
    }

    QTemporaryDir folder;
};

// The replay in a fresh process ends in the state the recording ended in: every piece of the
// session (the model, the controls, the random generator, the displays' paths) and the
// values `var` prints.
TEST_F(ReachDemo, RecordedByHandReplaysToTheSameStateInAFreshProcess)
{
    const QString demo = file("lesson.reach-demo");
    recordLesson(demo);
    const QString checks = "var handx\nvar handy\nvar targetx\nvar targety\nvar cellResp\n";
    const std::string recorded
        = runScriptLines(("save " + file("recorded.session") + "\n" + checks).toStdString());
    const QByteArray text = fileBytes(demo);
    for (const char *line : {"click optTarget", "mouse picture1 down", "click chkSidestop",
                             "set hsbCelltune", "type txtDxpos 17", "click commReach"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();

    writeFile(file("replay.nss"),
              ("play " + demo + "\nsave " + file("replayed.session") + "\n" + checks).toUtf8());
    QProcess replay;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("NEUROSIMS_SCRIPT", file("replay.nss"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    replay.setProcessEnvironment(environment);
    replay.start(REACH_PROGRAM, {});
    ASSERT_TRUE(replay.waitForFinished(60000));
    EXPECT_EQ(replay.exitCode(), 0);
    EXPECT_EQ(replay.readAllStandardOutput().toStdString(), recorded);
    EXPECT_EQ(fileBytes(file("replayed.session")), fileBytes(file("recorded.session")));
}

// Space pauses the replay where it is; Right runs one action and holds again.
TEST_F(ReachDemo, SpaceAndRightPauseAndStepTheReplay)
{
    const QString demo = file("keys.reach-demo");
    recordLesson(demo);
    // The keys go to the window while the replay runs, one at each pass of its events.
    int passes = 0;
    QTimer keys;
    QObject::connect(&keys, &QTimer::timeout, &form, [&] {
        if (!demonstrations().isPlaying())
            return;
        if (passes == 0)
            QTest::keyClick(&form, Qt::Key_Space);
        else if (passes == 4)
            QTest::keyClick(&form, Qt::Key_Right);
        ++passes;
    });
    keys.start(0);
    const std::string printed = runScriptLines("at-yield 3 show lblDemoProgress caption\n"
                                               "at-yield 8 show lblDemoProgress caption\n"
                                               "at-yield 9 show cmdDemoPlay caption\n"
                                               "at-yield 10 click cmdDemoPlay\n"
                                               "play "
                                               + demo.toStdString());
    EXPECT_EQ(printed,
              "lblDemoProgress.caption=action 0 of 6\n"
              "lblDemoProgress.caption=action 1 of 6\n"
              "cmdDemoPlay.caption=Play\n");
}

// A demonstration naming a control the window lacks, or a value out of a control's range, is
// refused with its line before any of it runs: the state stays as it was.
TEST_F(ReachDemo, RefusesUnknownControlsAndValuesOutOfRangeBeforeAnythingRuns)
{
    const QByteArray start = "demonstration reach 1\nsession\n{}\nend session\n"
                             "click optDistractor\n";
    writeFile(file("unknown.reach-demo"), start + "click cmdNoSuch\nend demonstration\n");
    writeFile(file("range.reach-demo"), start + "set hsbCelltune 5000\nend demonstration\n");
    const std::string printed
        = runScriptLines(("play " + file("unknown.reach-demo") + "\nplay "
                          + file("range.reach-demo") + "\nshow optDistractor value")
                             .toStdString());
    const std::string path = file("").toStdString();
    EXPECT_EQ(printed,
              "fault: The demonstration \"" + path
                  + "unknown.reach-demo\" could not be played: line 6: no control "
                    "named cmdNoSuch.\n"
                    "fault: The demonstration \""
                  + path
                  + "range.reach-demo\" could not be played: line 6: 5000 is outside "
                    "the range of hsbCelltune (1 to 100).\n"
                    "optDistractor.value=false\n");
}

} // namespace
