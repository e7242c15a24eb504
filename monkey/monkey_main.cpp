// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The monkey: plays random but legal scripts against the program's window, round after
// round, each round on a fresh window: clicks, scroll values, typing into every text box,
// drags on the picture areas, menu items, presses during the yields of runs, closing in the
// middle of a run. It fails on an error a legal script should not meet and on a report that
// is not clear (see unclearReport); a crash, a hang or a sanitizer report fails it too. The
// script of the round being played is kept in <program>-monkey.nss (a round with an unclear
// line in <program>-monkey-roundN.nss), so that it can be played again with the program
// itself (NEUROSIMS_SCRIPT).
//
//     <program>_monkey [--seed N] [--events N] [--round N] [--budget N] [--echo 1]
//                      [--keep-going 1]
// --echo prints what each round's script printed; --keep-going reports every unclear line
// and plays on (the exit status is still 1).

#include "monkey/script_generator.h"
#include "monkey/script_session.h"

#include "host/forms/file_write.h"
#include "host/numbers/fault.h"

#include MONKEY_FORM_HEADER

#include <QApplication>
#include <QFile>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

namespace {

// A script kept for playing again; one that cannot be kept is said, and the round goes on.
void keepScript(const QString &path, const QString &script)
{
    try {
        host::writeWholeFile(path, script.toUtf8());
    } catch (const host::Fault &fault) {
        std::cout << fault.what() << "\n";
    }
}

} // namespace

int main(int argc, char *argv[])
{
    uint64_t seed = 1;
    int events = 2000, round = 200, budget = 300;
    bool echo = false, keepGoing = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const long long value = std::atoll(argv[i + 1]);
        if (!std::strcmp(argv[i], "--seed"))
            seed = uint64_t(value);
        else if (!std::strcmp(argv[i], "--events"))
            events = int(value);
        else if (!std::strcmp(argv[i], "--round"))
            round = int(value);
        else if (!std::strcmp(argv[i], "--budget"))
            budget = int(value);
        else if (!std::strcmp(argv[i], "--echo"))
            echo = value != 0;
        else if (!std::strcmp(argv[i], "--keep-going"))
            keepGoing = value != 0;
        else {
            std::cerr << "usage: " << argv[0]
                      << " [--seed N] [--events N] [--round N] [--budget N] [--echo 1]"
                         " [--keep-going 1]\n";
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle("Windows");
    QApplication::setQuitOnLastWindowClosed(false);

    monkey::ScriptSession session([] { return std::make_unique<MONKEY_FORM>(); });
    // The controls as the loaded window shows them (other windows as they are made).
    monkey::Inventory inventory;
    {
        MONKEY_FORM form;
        form.load();
        form.show();
        inventory = monkey::takeInventory(form.objectName());
        form.close();
    }
    monkey::ScriptGenerator generator(inventory, seed);
    const QString keep = QStringLiteral(MONKEY_PROGRAM "-monkey.nss");

    int played = 0, rounds = 0, faults = 0, messages = 0, cut = 0, problems = 0;
    while (played < events) {
        const QStringList lines = generator.script(std::min(round, events - played + 2));
        const QString script = lines.join('\n') + '\n';
        keepScript(keep, script);
        const auto result = session.run(script, budget);
        ++rounds;
        // The events taken, by the marks printed, and the closing lines when all were taken.
        const QString mark = inventory.mainForm + ".caption=";
        const int marks = int(QString::fromStdString(result.output).count(mark));
        const int marksMade = int(lines.count(generator.markLine()));
        played += marks == marksMade ? int(lines.size()) - 1 - marksMade
                                     : marks * monkey::ScriptGenerator::eventsPerMark;
        cut += result.budgetSpent;
        if (echo)
            std::cout << "--- round " << rounds << "\n" << result.output;
        for (const QString &line : QString::fromStdString(result.output).split('\n')) {
            faults += line.startsWith("fault: ");
            messages += line.startsWith("message: ");
            const QString problem = monkey::unclearReport(line);
            if (!problem.isEmpty()) {
                // The round is kept under its own name, for playing it again.
                const QString kept
                    = QStringLiteral(MONKEY_PROGRAM "-monkey-round%1.nss").arg(rounds);
                keepScript(kept, script);
                std::cout << MONKEY_PROGRAM " monkey, seed " << seed << ", round " << rounds << ": "
                          << problem.toStdString() << "\n  " << line.left(300).toStdString()
                          << "\n  the round's script is in " << kept.toStdString() << "\n";
                ++problems;
                if (!keepGoing)
                    return 1;
            }
        }
        if (result.exitCode == 1) {
            std::cout << MONKEY_PROGRAM " monkey: the window could not start\n";
            return 1;
        }
    }
    if (problems > 0) {
        std::cout << MONKEY_PROGRAM " monkey: " << problems << " unclear lines in " << played
                  << " events\n";
        return 1;
    }
    QFile::remove(keep);
    std::cout << MONKEY_PROGRAM " monkey, seed " << seed << ": " << played << " events in "
              << rounds << " rounds, " << faults << " faults, " << messages << " messages, " << cut
              << " rounds closed at the yield budget; clean\n";
    return 0;
}
