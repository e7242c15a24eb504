// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/demo_player.h"

#include "host/forms/automation.h"
#include "host/forms/due_lines.h"
#include "host/forms/event_loop.h"
#include "host/forms/file_write.h"
#include "host/forms/messages.h"
#include "host/forms/picture_area.h"
#include "host/forms/run_context.h"
#include "host/forms/script_actions.h"
#include "host/forms/scroll_bar.h"
#include "host/forms/session_file.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QThread>

namespace host {

namespace {

QString afterWords(const QString &line, int count)
{
    return line.section(QRegularExpression("\\s+"), count, -1, QString::SectionSkipEmpty);
}

// Whether a menu item is one of the File menu's, which a demonstration never chooses.
bool inFileMenu(const QAction *item)
{
    for (const QObject *at = item->parent(); at; at = at->parent())
        if (at->objectName() == "mnuFile")
            return true;
    return false;
}

void checkLine(const QString &text)
{
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    const QString &command = words[0];
    if (command == "at-yield")
        return checkLine(afterWords(text, 2));
    if (command == "click" || command == "key" || command == "show")
        script::lookUpWidget(words[1]);
    else if (command == "type" && !qobject_cast<QLineEdit *>(script::lookUpWidget(words[1])))
        script::scriptError(words[1] + " is not a text box");
    else if (command == "mouse" && !qobject_cast<PictureArea *>(script::lookUpWidget(words[1])))
        script::scriptError(words[1] + " is not a picture area");
    else if (command == "menu" && inFileMenu(script::lookUpAction(words[1])))
        script::scriptError(words[1]
                            + " is a File menu item, which a demonstration never "
                              "chooses");
    else if (command == "set") {
        QWidget *control = script::lookUpWidget(words[1]);
        const double value = script::number(words[2]);
        if (auto *bar = qobject_cast<ScrollBar *>(control)) {
            const int low = std::min(bar->minimumValue(), bar->maximumValue());
            const int high = std::max(bar->minimumValue(), bar->maximumValue());
            if (value < low || value > high)
                script::scriptError(QStringLiteral("%1 is outside the range of %2 (%3 to %4)")
                                        .arg(words[2], words[1])
                                        .arg(low)
                                        .arg(high));
        } else if (qobject_cast<QCheckBox *>(control)) {
            if (value < 0 || value > 2)
                script::scriptError(words[2] + " is no value of the check box " + words[1]
                                    + " (0, 1 or 2)");
        } else {
            script::scriptError(words[1] + " has no value to set");
        }
    }
}

QString csvCell(QString text)
{
    if (text.contains(',') || text.contains('"') || text.contains('\n'))
        return '"' + text.replace('"', "\"\"") + '"';
    return text;
}

} // namespace

void checkControls(const Demonstration &demonstration)
{
    for (const DemoStep &step : demonstration.steps)
        for (const DemoLine &line : step.lines)
            try {
                checkLine(line.text);
            } catch (const std::invalid_argument &error) {
                throw Fault(
                    Fault::Kind::File,
                    QStringLiteral("line %1: %2").arg(line.number).arg(error.what()).toStdString());
            }
}

DemoPlayer::DemoPlayer(SessionFile &session, Demonstration demonstration, QString path)
    : m_session(session)
    , m_demonstration(std::move(demonstration))
    , m_path(std::move(path))
{
}

DemoPlayer::~DemoPlayer() = default;

QString DemoPlayer::answersPath() const
{
    const QFileInfo file(m_path);
    return file.dir().filePath(file.completeBaseName() + ".answers.csv");
}

void DemoPlayer::begin()
{
    checkControls(m_demonstration);
    try {
        m_session.openText(m_demonstration.session);
    } catch (const Fault &fault) {
        throw Fault(Fault::Kind::File, std::string("the start state was refused: ") + fault.what());
    }
}

void DemoPlayer::run()
{
    RunContext &context = runContext();
    m_outerYieldHook = context.yieldHook;
    context.yieldHook = [this] {
        if (m_outerYieldHook)
            m_outerYieldHook();
        onYield();
    };
    // The recording's clock is what it seeded from; a seed this program was started with
    // gives way to it for the replay.
    m_clockBefore = frozenClock();
    m_seedBefore = fixedSeed();
    if (m_demonstration.clock) {
        freezeClock(*m_demonstration.clock);
        fixSeed(std::nullopt);
    }
    const std::size_t answersBefore = context.answers.size();
    m_stopped = false;
    emit changed();
    while (m_done < stepCount() && !m_stopped) {
        // Between steps the window is live: the presenter's buttons, a script's at-yield.
        if (!yield()) {
            m_stopped = true;
            break;
        }
        holdWhilePaused();
        if (m_stopped)
            break;
        for (const DemoLine &line : m_demonstration.steps[std::size_t(m_done)].lines) {
            wait(line.waitBefore);
            if (m_stopped || programEnding())
                break;
            runLine(line);
        }
        m_skipWait = false;
        if (!m_atYield.empty() && context.scripted)
            reportScriptError(QStringLiteral("line %1: the replay's run ended before that yield")
                                  .arg(m_atYield.front().line.number));
        m_atYield.clear();
        ++m_done;
        if (m_stepping)
            m_paused = true;
        emit changed();
    }
    // A stopped replay leaves no answer of its own for the program's later questions.
    while (m_stopped && context.answers.size() > answersBefore)
        context.answers.pop_back();
    context.yieldHook = m_outerYieldHook;
    fixSeed(m_seedBefore);
    if (m_clockBefore)
        freezeClock(*m_clockBefore);
    else
        thawClock();
    m_stopped = true;
    emit changed();
}

void DemoPlayer::runLine(const DemoLine &line)
{
    const QStringList words = line.text.split(' ', Qt::SkipEmptyParts);
    const QString &command = words[0];
    RunContext &context = runContext();
    if (command == "say") {
        m_caption = afterWords(line.text, 1);
        if (context.scripted && context.print)
            context.print("say: " + m_caption);
        emit changed();
    } else if (command == "ask") {
        ask(afterWords(line.text, 1));
    } else if (command == "at-yield") {
        m_atYield.push_back({words[1].toLongLong(), {line.number, 0, afterWords(line.text, 2)}});
    } else if (command == "answer") {
        context.answers.push_back(afterWords(line.text, 1));
    } else {
        runScriptLine(line.text);
    }
}

void DemoPlayer::ask(const QString &arguments)
{
    const QStringList parts = questionParts(arguments);
    const QStringList choices = parts.mid(1);
    int chosen = 0;
    try {
        chosen = askQuestion(parts[0], choices, 0, 0);
    } catch (const Fault &fault) {
        reportFault(QString::fromStdString(fault.what()));
        return;
    }
    if (!m_keepAnswers)
        return;
    try {
        keepAnswer(parts[0], choices[chosen]);
    } catch (const Fault &fault) {
        reportFault(QString::fromStdString(fault.what()));
    }
}

// The answers file gains a row: the time, the demonstration, the question, the answer.
void DemoPlayer::keepAnswer(const QString &question, const QString &answer)
{
    const QString path = answersPath();
    QByteArray text;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            fileNotWritten(path, file.errorString());
        text = file.readAll();
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
    }
    if (text.isEmpty())
        text = "time,demonstration,question,answer\n";
    const QStringList row {QString::fromStdString(dateTimeText()),
                           csvCell(QFileInfo(m_path).fileName()), csvCell(question),
                           csvCell(answer)};
    writeWholeFile(path, text + row.join(',').toUtf8() + '\n');
}

void DemoPlayer::wait(double seconds)
{
    const RunContext &context = runContext();
    if (seconds <= 0 || (context.scripted && !context.realPauses))
        return;
    QElapsedTimer clock;
    clock.start();
    while (!m_stopped && !m_skipWait && !programEnding()
           && double(clock.elapsed()) < seconds * 1000 / m_speed) {
        if (m_paused) {
            holdWhilePaused();
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

// Under a script a hold that no waiting line can end would never end: it stops the replay.
bool DemoPlayer::stuck()
{
    if (!runContext().scripted || scriptLinesWaiting())
        return false;
    reportScriptError(QStringLiteral("play: the replay holds at action %1 of %2 and no line "
                                     "of the script goes on with it; it was stopped")
                          .arg(m_done)
                          .arg(stepCount()));
    stop();
    return true;
}

void DemoPlayer::holdWhilePaused()
{
    m_holding = true;
    while (m_paused && !m_stopped && !stuck()) {
        if (!yield()) {
            stop();
            break;
        }
        if (!runContext().scripted)
            QThread::msleep(5);
    }
    m_holding = false;
}

// Inside a yield of a replayed run: its at-yield lines, and a pause holding the run there.
void DemoPlayer::onYield()
{
    if (m_holding)
        return;
    for (const DemoLine &line : takeDueLines(m_atYield, &Pending::line))
        runLine(line);
    if (!m_paused)
        return;
    m_holding = true;
    while (m_paused && !m_stopped && !programEnding() && !stuck()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (m_outerYieldHook)
            m_outerYieldHook();
        if (!runContext().scripted)
            QThread::msleep(5);
    }
    m_holding = false;
}

void DemoPlayer::playOrPause()
{
    if (m_stopped)
        return;
    if (m_paused) {
        m_paused = false;
        m_stepping = false;
    } else {
        m_paused = true;
    }
    emit changed();
}

void DemoPlayer::next()
{
    if (m_stopped)
        return;
    m_stepping = true;
    m_paused = false;
    m_skipWait = true;
    emit changed();
}

void DemoPlayer::stop()
{
    m_stopped = true;
    m_paused = false;
    m_atYield.clear();
    emit changed();
}

void DemoPlayer::setSpeed(double speed)
{
    m_speed = std::clamp(speed, 0.5, 4.0);
    emit changed();
}

} // namespace host
