// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace host {

// A demonstration: a program's start state and what a teacher did from there, as automation
// script lines the runner plays (docs/demonstrations.md). The file, one line each:
//
//   demonstration PROGRAM FORMAT     the header: the program it drives, the format number
//   clock SECONDS                    (optional) the frozen clock the recording ran under
//   session                          the start state: a session file's text, up to
//   ...                              its end line
//   end session
//   ACTION lines                     script lines: click, set, type, key, mouse, menu, zoom,
//                                    answer, at-yield, var, show, realtime, and
//                                      wait SECONDS      the time before the next line
//                                      say TEXT          a caption the replay shows
//                                      ask QUESTION | A | B [| C | D]
//                                                        a question the replay waits on
//   end demonstration                the last line: without it the file is cut off
//
// Blank lines and lines starting with # are comments.
constexpr int demonstrationFormat = 1;
// The suffix of a program's demonstrations, without the dot: "reach-demo".
QString demonstrationSuffixOf(const QString &program);

// A line of the file, its number from 1, and the wait before it.
struct DemoLine
{
    int number = 0;
    double waitBefore = 0;
    QString text;
};

// What a replay does as one action: the lines that go with one thing the teacher did (the
// answers and the presses inside its run that come first, or a mouse drag from its press to
// its release).
struct DemoStep
{
    std::vector<DemoLine> lines;
};

struct Demonstration
{
    QString program;
    int format = demonstrationFormat;
    std::optional<double> clock;
    std::string session;
    std::vector<DemoStep> steps;
};

// Whether a script's text is a demonstration: its first line that is no comment is the
// header.
bool isDemonstration(const QString &text);

// Reads a demonstration of the program, refusing with a host::Fault that names the line and
// the fault: another program, a newer format, a cut-off file, a command a demonstration does
// not hold or one whose arguments are wrong. The controls are checked against the windows
// apart (checkControls in demo_player.h).
Demonstration readDemonstration(const QString &text, const QString &program);

// A question line's parts: the question, then two to four choices.
QStringList questionParts(const QString &arguments);

// The file's text: the header, the clock, the session, the steps with their waits.
QString demonstrationText(const Demonstration &demonstration);

} // namespace host
