// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as a person starts it: a file on its command line, and a start after a crash.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What the lines print of the learned network.
constexpr const char *dump = "var weights\nvar sumError\nvar order\nvar shownPattern\n"
                             "show txtEpoques text\n";

class CalcProcess : public ::testing::Test
{
protected:
    // Starts calc under a script whose data folder is the test's own.
    void start(QProcess &calc, const QString &lines, const QStringList &arguments = {})
    {
        const QString script = dir.filePath(QString("script%1.nss").arg(++scripts));
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.toUtf8());
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("NEUROSIMS_SCRIPT", script);
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        calc.setProcessEnvironment(environment);
        calc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        calc.start(CALC_PROGRAM, arguments);
        ASSERT_TRUE(calc.waitForStarted());
    }
    std::string run(const QString &lines, const QStringList &arguments = {})
    {
        QProcess calc;
        start(calc, lines, arguments);
        EXPECT_TRUE(calc.waitForFinished(60000));
        return calc.readAllStandardOutput().toStdString();
    }

    QTemporaryDir dir;
    int scripts = 0;
};

TEST_F(CalcProcess, TheFileOfTheCommandLineOpens)
{
    const QString sample = QString(NEUROSIMS_SOURCE_DIR) + "/docs/sessions/calc.calc-session";
    const std::string opened = run(QString("clock 500\nshow Form1 caption\n") + dump, {sample});
    EXPECT_EQ(opened.rfind("Form1.caption=calc.calc-session \u2014 ", 0), 0u) << opened;
    EXPECT_EQ(opened.substr(opened.find('\n') + 1),
              run(QString("clock 500\nopen ") + sample + "\n" + dump));

    // A file that is no session: the message, and the program as it starts without one.
    const QString bad = dir.filePath("bad.calc-session");
    QFile junk(bad);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("{ \"program\": \"calc\", \"format\": 1 ");
    junk.close();
    const std::string refused = run(QString("clock 500\n") + dump, {bad});
    const std::string says = "fault: The session \"" + bad.toStdString() + "\" could not be opened";
    EXPECT_EQ(refused.rfind(says, 0), 0u) << refused;
    EXPECT_EQ(refused.substr(refused.find('\n') + 1), run(QString("clock 500\n") + dump));
}

// Killed after a learning run, the program offers its recovery copy at the next start, and
// the copy holds the network as it had learned.
TEST_F(CalcProcess, AKilledProgramsRecoveryCopyReopens)
{
    QProcess calc;
    start(calc,
          QString("clock 500\nclick optSig\nclick chkRandom\ntype txtIpepoques 4\n"
                  "click commLearn\n")
              + dump
              + "# a long run in real time, which the kill cuts short\n"
                "realtime on\nclick chkGoSlow\ntype txtIpepoques 500\nclick commLearn\n");
    QByteArray learned;
    while (!learned.contains("txtEpoques.text=") && calc.waitForReadyRead(30000))
        learned += calc.readAllStandardOutput();
    while (!learned.endsWith('\n') && calc.waitForReadyRead(30000))
        learned += calc.readAllStandardOutput();
    calc.kill();
    calc.waitForFinished();
    ASSERT_EQ(calc.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(learned.contains("txtEpoques.text=4")) << learned.toStdString();

    const std::string reopened = run(QString("answer Reopen\nshow Form1 caption\n") + dump);
    const std::string asked = "question: calc stopped unexpectedly last time";
    ASSERT_EQ(reopened.rfind(asked, 0), 0u) << reopened;
    const std::size_t caption = reopened.find('\n') + 1;
    // Untitled and modified.
    EXPECT_EQ(reopened.substr(caption, reopened.find('\n', caption) - caption + 1),
              "Form1.caption=NUMERAL IDENTIFIER NETWORK*\n");
    EXPECT_EQ(reopened.substr(reopened.find('\n', caption) + 1), learned.toStdString());
    // That start ended cleanly: nothing is offered again.
    EXPECT_EQ(run("show Form1 caption\n"), "Form1.caption=NUMERAL IDENTIFIER NETWORK\n");
}

} // namespace
