// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/automation.h"

#include "host/forms/demo_file.h"
#include "host/forms/demonstrations.h"
#include "host/forms/due_lines.h"
#include "host/forms/event_loop.h"
#include "host/forms/events.h"
#include "host/forms/file_write.h"
#include "host/forms/form.h"
#include "host/forms/messages.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "host/forms/printer_page.h"
#include "host/forms/run_context.h"
#include "host/forms/script_actions.h"
#include "host/forms/session_file.h"
#include "host/forms/undo_history.h"
#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/state_registry.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextStream>

#include <iostream>
#include <limits>
#include <optional>

namespace host {

namespace {

using namespace script;

struct PendingLine
{
    int yieldsLeft;
    QString line;
    QString command; // the at-yield line itself
};

struct AutomationState
{
    bool failed = false;
    std::vector<const StateRegistry *> registries;
    std::vector<PendingLine> atYield;
    bool mouseHeld = false;
};

AutomationState &state()
{
    static AutomationState automation;
    return automation;
}

// The rest of a command line after its first count words.
QString afterWords(const QString &line, int count)
{
    return line.section(QRegularExpression("\\s+"), count, -1, QString::SectionSkipEmpty);
}

void say(const QString &line) { std::cout << line.toStdString() << std::endl; }

// The value `var` prints: a piece of a live window's state, the latest window's first.
std::string variableText(const QString &name)
{
    const auto &registries = state().registries;
    for (auto registry = registries.rbegin(); registry != registries.rend(); ++registry)
        if (const StateEntry *entry = (*registry)->find(name.toStdString()))
            return stateText(*entry);
    scriptError("no variable named " + name);
}

void run(const QString &line);

SessionFile &currentSession()
{
    SessionFile *session = SessionFile::current();
    if (!session)
        scriptError("this program keeps no sessions");
    return *session;
}

void runCommand(const QString &command, const QStringList &words, const QString &rest)
{
    auto need = [&](int count) {
        if (words.size() < count + 1)
            scriptError(command + " needs " + QString::number(count) + " argument(s)");
    };
    if (command == "click") {
        need(1);
        click(findWidget(words[1]));
    } else if (command == "set") {
        need(2);
        setValue(findWidget(words[1]), words[2]);
    } else if (command == "type") {
        need(1);
        findControl<QLineEdit>(words[1], "text box")->setText(afterWords(rest, 2));
    } else if (command == "key") {
        need(2);
        QWidget *target = findWidget(words[1]);
        if (!words[2].isEmpty() && words[2].front().isDigit())
            pressKey(target, wholeNumber(words[2], 0, 0xFFFF));
        else
            pressKey(target, words[2]);
    } else if (command == "mouse") {
        need(4);
        mouse(findControl<PictureArea>(words[1], "picture area"), words[2],
              QPointF(number(words[3]), number(words[4])), state().mouseHeld);
    } else if (command == "menu") {
        need(1);
        QAction *item = findAction(words[1]);
        if (!item->isEnabled())
            scriptError(words[1] + " is disabled");
        item->trigger();
    } else if (command == "show") {
        need(2);
        say(words[1] + "." + words[2] + "=" + property(findWidget(words[1]), words[2]));
    } else if (command == "var") {
        need(1);
        say(words[1] + "=" + QString::fromStdString(variableText(words[1])));
    } else if (command == "pixel") {
        need(3);
        auto *area = findControl<PictureArea>(words[1], "picture area");
        QPointF at(number(words[2]), number(words[3]));
        if (!QRectF(QPointF(), area->scale().deviceSize()).contains(area->scale().toDevice(at)))
            scriptError(words[2] + " " + words[3] + " lies outside " + words[1]);
        say(words[1] + ".pixel=" + colorText(area->pixelAt(at)));
    } else if (command == "grab") {
        need(2);
        QString file = afterWords(rest, 2);
        const QByteArray format = QFileInfo(file).suffix().toLatin1();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!findWidget(words[1])->grab().save(&buffer, format.isEmpty() ? "PNG" : format.data()))
            scriptError("cannot write " + file);
        try {
            writeWholeFile(file, bytes);
        } catch (const Fault &fault) {
            scriptError(fault.what());
        }
    } else if (command == "export") {
        need(2);
        exportPicture(findControl<PictureArea>(words[1], "picture area"), words[2],
                      afterWords(rest, 3));
    } else if (command == "save" || command == "open") {
        need(1);
        const QString file = afterWords(rest, 1);
        if (command == "save")
            currentSession().save(file);
        else
            currentSession().openAsked(file);
    } else if (command == "undo" || command == "redo") {
        UndoHistory &history = currentSession().undoHistory();
        const bool back = command == "undo";
        // What the menu item does, also where it is disabled: the refusal says why.
        runHandler([&] { back ? history.undo() : history.redo(); },
                   {back ? history.undoItem() : history.redoItem(), newGesture()});
    } else if (command == "printto") {
        need(1);
        PrinterPage::setNextPdfPath(afterWords(rest, 1));
    } else if (command == "clock") {
        need(1);
        freezeClock(number(words[1]));
    } else if (command == "close") {
        need(1);
        findWidget(words[1])->window()->close();
    } else if (command == "zoom") {
        need(1);
        setProgramZoom(wholeNumber(words[1], 0, 1000));
    } else if (command == "realtime") {
        need(1);
        if (words[1] != "on" && words[1] != "off")
            scriptError("realtime takes on or off, not " + words[1]);
        runContext().realPauses = words[1] == "on";
    } else if (command == "answer") {
        need(1);
        runContext().answers.push_back(afterWords(rest, 1));
    } else if (command == "wait") {
        need(1);
        const double seconds = number(words[1]);
        if (!(seconds >= 0 && seconds <= 3600))
            scriptError("wait takes seconds from 0 to 3600, not " + words[1]);
        if (Demonstrations *demonstrations = Demonstrations::recording())
            demonstrations->noteWait(seconds);
        pause(int(seconds * 1000));
    } else if (command == "say") {
        if (Demonstrations *demonstrations = Demonstrations::recording())
            demonstrations->addCaption(afterWords(rest, 1));
        say("say: " + afterWords(rest, 1));
    } else if (command == "ask") {
        const QStringList parts = questionParts(afterWords(rest, 1));
        if (parts.size() < 3 || parts.size() > 5 || parts.contains(QString()))
            scriptError("ask needs a question and two to four answers, each after a |");
        if (Demonstrations *demonstrations = Demonstrations::recording())
            demonstrations->addQuestion(parts[0], parts.mid(1));
        else
            askQuestion(parts[0], parts.mid(1), 0, 0);
    } else if (command == "record" || command == "stop-recording" || command == "play") {
        if (command != "stop-recording")
            need(1);
        Demonstrations *demonstrations = Demonstrations::current();
        if (!demonstrations)
            scriptError("this program keeps no sessions, and so no demonstrations");
        if (command == "record")
            demonstrations->startRecording(afterWords(rest, 1));
        else if (command == "stop-recording")
            demonstrations->stopRecording();
        else
            demonstrations->play(afterWords(rest, 1));
    } else if (command == "at-yield") {
        need(2);
        state().atYield.push_back(
            {wholeNumber(words[1], 1, std::numeric_limits<int>::max()), afterWords(rest, 2), rest});
    } else {
        scriptError("unknown command " + command);
    }
}

void run(const QString &line)
{
    QString rest = line.trimmed();
    if (rest.isEmpty() || rest.startsWith('#'))
        return;
    QStringList words = rest.split(' ', Qt::SkipEmptyParts);
    try {
        runCommand(words[0], words, rest);
    } catch (const std::invalid_argument &error) {
        reportScriptError(QStringLiteral("%1: %2").arg(rest, error.what()));
    } catch (const Fault &fault) {
        if (runContext().scripted)
            say(QStringLiteral("fault: %1").arg(fault.what()));
        else
            reportFault(QString::fromStdString(fault.what()));
    }
    QCoreApplication::processEvents();
}

// A demonstration the runner plays: read and checked whole before the program starts.
std::optional<Demonstration> readScriptDemonstration(const QString &path, const QString &text)
{
    SessionFile *session = SessionFile::current();
    if (!session) {
        reportScriptError(path + ": this program keeps no sessions, and so no demonstrations");
        return std::nullopt;
    }
    try {
        return readDemonstration(text, session->program());
    } catch (const Fault &fault) {
        reportScriptError(path + ": " + fault.what());
        return std::nullopt;
    }
}

// Runs the at-yield lines that are due; a yield inside one of them counts on.
void yieldReached()
{
    for (const QString &line : takeDueLines(state().atYield, &PendingLine::line))
        run(line);
}

} // namespace

void runScriptLine(const QString &line) { run(line); }

bool scriptLinesWaiting() { return !state().atYield.empty(); }

void reportScriptError(const QString &text)
{
    if (!runContext().scripted) {
        reportFault(text);
        return;
    }
    state().failed = true;
    say("error: " + text);
}

void exposeState(const StateRegistry &registry, const QObject *owner)
{
    state().registries.push_back(&registry);
    QObject::connect(owner, &QObject::destroyed,
                     [&registry] { std::erase(state().registries, &registry); });
}

int runScript(const QString &path, const std::function<bool()> &start)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        say("error: cannot read the script " + path);
        return 2;
    }
    RunContext &context = runContext();
    const RunContext person = context;
    context.scripted = true;
    context.realPauses = false;
    context.yieldHook = yieldReached;
    context.print = say;
    state().failed = false;
    QTextStream stream(&file);
    const QString text = stream.readAll();
    QStringList lines = text.split('\n');
    std::optional<Demonstration> demonstration;
    if (isDemonstration(text)) {
        // Nothing of a refused demonstration runs, not even the program.
        demonstration = readScriptDemonstration(path, text);
        if (!demonstration) {
            context = person;
            return 2;
        }
        lines.clear();
    }
    // The clock lines that open a script freeze the clock before the program loads, so that
    // what the load seeds from the clock is the same on every run of the script; its answer
    // lines there answer the questions of the start (a recovery copy to reopen).
    qsizetype next = 0;
    for (; next < lines.size(); ++next) {
        const QString line = lines[next].trimmed();
        if (!line.isEmpty() && !line.startsWith('#') && !line.startsWith("clock ")
            && !line.startsWith("answer "))
            break;
        run(line);
    }
    const bool started = !start || start();
    QCoreApplication::processEvents();
    if (started && demonstration)
        if (Demonstrations *demonstrations = Demonstrations::current())
            demonstrations->playHere(*demonstration, path, false);
    for (; started && next < lines.size() && !programEnding(); ++next)
        run(lines[next]);
    // A line after the last window has closed finds no program to act on: the script says so
    // at the first such line instead of ending as if it had run.
    for (; started && next < lines.size(); ++next) {
        const QString line = lines[next].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        state().failed = true;
        say("error: " + line
            + ": the program ended when its last window closed; this line and any after it "
              "were not run");
        break;
    }
    // Nothing of the script outlives it: a line waiting for a yield that never came is an
    // error, not an action for whatever yields later.
    for (const PendingLine &pending : state().atYield) {
        state().failed = true;
        say("error: " + pending.command + ": the script ended before that yield");
    }
    state().atYield.clear();
    for (const QString &answer : context.answers) {
        state().failed = true;
        say("error: answer " + answer + ": the script ended before a question took this answer");
    }
    state().mouseHeld = false;
    thawClock();
    context = person;
    return !started ? 1 : state().failed ? 2 : 0;
}

} // namespace host
