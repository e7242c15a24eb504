// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/demo_file.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "host/numbers/round_trip_text.h"

#include <QRegularExpression>

#include <cmath>
#include <set>

namespace host {

namespace {

constexpr double longestWait = 3600;
constexpr int longestText = 32767;

[[noreturn]] void refuse(int line, const QString &why)
{
    throw Fault(Fault::Kind::File, QStringLiteral("line %1: %2").arg(line).arg(why).toStdString());
}

bool isComment(const QString &line)
{
    const QString text = line.trimmed();
    return text.isEmpty() || text.startsWith('#');
}

QStringList wordsOf(const QString &line) { return line.split(' ', Qt::SkipEmptyParts); }

QString afterWords(const QString &line, int count)
{
    return line.section(QRegularExpression("\\s+"), count, -1, QString::SectionSkipEmpty);
}

std::optional<double> numberIn(const QString &text)
{
    try {
        const double value = toDouble(text.toStdString());
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    } catch (const Fault &) {
        return std::nullopt;
    }
}

// The actions a demonstration may hold: what a person does to the windows and what the
// runner prints. What writes or reads files, closes windows or moves the clock is left out:
// a demonstration from elsewhere can do no more than its teacher could at the window.
const std::set<QString> &actionCommands()
{
    static const std::set<QString> commands {"click", "set",  "type",     "key",     "mouse",
                                             "menu",  "zoom", "answer",   "var",     "show",
                                             "say",   "ask",  "at-yield", "realtime"};
    return commands;
}

const std::set<QString> &runnerOnlyCommands()
{
    static const std::set<QString> commands {"pixel",  "grab",           "export", "save",
                                             "open",   "printto",        "clock",  "close",
                                             "record", "stop-recording", "play"};
    return commands;
}

void checkNumber(int line, const QString &text, double low, double high, bool whole)
{
    const auto value = numberIn(text);
    if (!value || *value < low || *value > high || (whole && *value != std::floor(*value)))
        refuse(line,
               QStringLiteral("\"%1\" is not a %2 from %3 to %4")
                   .arg(text, whole ? "whole number" : "number", QString::number(low, 'g', 15),
                        QString::number(high, 'g', 15)));
}

// An action line's command and the count and form of its arguments.
void checkAction(int line, const QString &text, bool insideYield)
{
    const QStringList words = wordsOf(text);
    const QString &command = words[0];
    if (!actionCommands().contains(command)) {
        if (runnerOnlyCommands().contains(command) || command == "wait")
            refuse(line, command + " is no action a demonstration holds here");
        refuse(line, "unknown command " + command);
    }
    auto need = [&](int count) {
        if (words.size() < count + 1)
            refuse(line, command + " needs " + QString::number(count) + " argument(s)");
    };
    if (command == "mouse") {
        need(4);
        if (words[2] != "down" && words[2] != "move" && words[2] != "up")
            refuse(line, "mouse action must be down, move or up, not " + words[2]);
        checkNumber(line, words[3], -1e300, 1e300, false);
        checkNumber(line, words[4], -1e300, 1e300, false);
    } else if (command == "set") {
        need(2);
        checkNumber(line, words[2], -2147483648.0, 2147483647.0, true);
    } else if (command == "key" || command == "show") {
        need(2);
    } else if (command == "type") {
        need(1);
        if (afterWords(text, 2).size() > longestText)
            refuse(line, "the text is longer than a text box holds");
    } else if (command == "zoom") {
        need(1);
        checkNumber(line, words[1], 50, 300, true);
    } else if (command == "realtime") {
        need(1);
        if (words[1] != "on" && words[1] != "off")
            refuse(line, "realtime takes on or off, not " + words[1]);
    } else if (command == "say") {
        if (afterWords(text, 1).size() > longestText)
            refuse(line, "the caption is too long");
    } else if (command == "ask") {
        const QStringList parts = questionParts(afterWords(text, 1));
        if (parts.size() < 3 || parts.size() > 5)
            refuse(line, "ask needs a question and two to four answers, each after a |");
        for (const QString &part : parts)
            if (part.isEmpty())
                refuse(line, "ask has an empty question or answer");
    } else if (command == "at-yield") {
        need(2);
        checkNumber(line, words[1], 1, 1e9, true);
        if (insideYield)
            refuse(line, "at-yield inside at-yield");
        const QString inner = afterWords(text, 2);
        const QString innerCommand = wordsOf(inner).front();
        if (innerCommand == "say" || innerCommand == "ask")
            refuse(line, innerCommand + " cannot run inside a yield");
        checkAction(line, inner, true);
    } else {
        need(1);
    }
}

QString commandOf(const QString &text) { return wordsOf(text).value(0); }

} // namespace

QString demonstrationSuffixOf(const QString &program) { return program + "-demo"; }

QStringList questionParts(const QString &arguments)
{
    QStringList parts = arguments.split('|');
    for (QString &part : parts)
        part = part.trimmed();
    return parts;
}

bool isDemonstration(const QString &text)
{
    for (const QString &line : text.split('\n'))
        if (!isComment(line))
            return commandOf(line.trimmed()) == "demonstration";
    return false;
}

Demonstration readDemonstration(const QString &whole, const QString &program)
{
    const QStringList lines = QString(whole).remove('\r').split('\n');
    Demonstration demonstration;
    qsizetype at = 0;
    auto nextLine = [&]() -> std::optional<QString> {
        for (; at < lines.size(); ++at)
            if (!isComment(lines[at]))
                return lines[at++].trimmed();
        return std::nullopt;
    };
    auto lineNumber = [&] { return int(at); }; // of the line nextLine gave last

    const auto header = nextLine();
    const QStringList words = header ? wordsOf(*header) : QStringList();
    if (words.size() != 3 || words[0] != "demonstration")
        refuse(header ? lineNumber() : 1,
               "a demonstration starts with \"demonstration PROGRAM FORMAT\"");
    if (words[1] != program)
        refuse(lineNumber(),
               QStringLiteral("this demonstration was recorded in %1; it cannot "
                              "drive %2")
                   .arg(words[1], program));
    const auto format = numberIn(words[2]);
    if (!format || *format < 1 || *format != std::floor(*format))
        refuse(lineNumber(), "\"" + words[2] + "\" is no format number");
    if (*format > demonstrationFormat)
        refuse(lineNumber(),
               QStringLiteral("the demonstration is of format %1, newer than "
                              "this program reads (%2 and older)")
                   .arg(words[2])
                   .arg(demonstrationFormat));
    demonstration.program = program;
    demonstration.format = int(*format);

    auto line = nextLine();
    if (line && commandOf(*line) == "clock") {
        const QStringList clock = wordsOf(*line);
        if (clock.size() != 2)
            refuse(lineNumber(), "clock needs the seconds since midnight");
        checkNumber(lineNumber(), clock[1], 0, 86400, false);
        demonstration.clock = numberIn(clock[1]);
        line = nextLine();
    }
    if (!line || *line != "session")
        refuse(line ? lineNumber() : int(lines.size()),
               "the start state (a session line, the session, end session) is missing");
    const int sessionLine = lineNumber();
    QStringList session;
    for (;; ++at) {
        if (at >= lines.size())
            refuse(sessionLine, "the file is cut off inside its start state (no end session)");
        if (lines[at].trimmed() == "end session") {
            ++at;
            break;
        }
        session << lines[at];
    }
    demonstration.session = session.join('\n').toStdString();

    DemoStep step;
    double wait = 0;
    bool dragging = false;
    bool ended = false;
    while ((line = nextLine())) {
        const int number = lineNumber();
        if (ended)
            refuse(number, "there is more after end demonstration");
        if (*line == "end demonstration") {
            ended = true;
            continue;
        }
        const QStringList parts = wordsOf(*line);
        if (parts[0] == "wait") {
            if (parts.size() != 2)
                refuse(number, "wait needs the seconds");
            checkNumber(number, parts[1], 0, longestWait, false);
            wait += *numberIn(parts[1]);
            continue;
        }
        checkAction(number, *line, false);
        step.lines.push_back({number, wait, *line});
        wait = 0;
        const bool leading = parts[0] == "answer" || parts[0] == "at-yield";
        if (parts[0] == "mouse")
            dragging = parts[2] != "up";
        if (!leading && !dragging) {
            demonstration.steps.push_back(std::move(step));
            step = {};
        }
    }
    if (!ended)
        refuse(int(lines.size()),
               "the file ends without its end demonstration line: it is cut off");
    if (!step.lines.empty())
        demonstration.steps.push_back(std::move(step));
    return demonstration;
}

QString demonstrationText(const Demonstration &demonstration)
{
    QStringList lines {
        "# A neurosims demonstration: its start state, then what was done, as "
        "script lines.",
        QStringLiteral("demonstration %1 %2").arg(demonstration.program).arg(demonstration.format)};
    if (demonstration.clock)
        lines << "clock " + QString::fromStdString(roundTripText(*demonstration.clock));
    lines << "session" << QString::fromStdString(demonstration.session).trimmed() << "end session";
    for (const DemoStep &step : demonstration.steps)
        for (const DemoLine &line : step.lines) {
            if (line.waitBefore >= 0.05)
                lines << "wait " + QString::number(line.waitBefore, 'f', 1);
            lines << line.text;
        }
    lines << "end demonstration";
    return lines.join('\n') + '\n';
}

} // namespace host
