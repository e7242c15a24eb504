// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/script_session.h"

#include "host/forms/automation.h"
#include "host/forms/file_write.h"
#include "host/forms/form.h"
#include "host/forms/printer_page.h"
#include "host/forms/run_context.h"
#include "host/numbers/fault.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>

#include <iostream>
#include <sstream>

namespace monkey {

void closeAllWindows()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<host::Form *>(top);
        if (form && form->isLoaded())
            form->close();
    }
}

namespace {

// The rest of a line after its first count words, as the runner takes it.
QString afterWords(const QString &line, int count)
{
    return line.section(QRegularExpression("\\s+"), count, -1, QString::SectionSkipEmpty);
}

QString confinedLine(const QString &line, const QString &folder)
{
    const QString rest = line.trimmed();
    const QStringList words = rest.split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return line;
    if (words[0] == "at-yield" && words.size() >= 3)
        return "at-yield " + words[1] + " " + confinedLine(afterWords(rest, 2), folder);
    if (words[0] == "printto")
        return "printto " + QDir(folder).filePath("page.pdf");
    if (words[0] == "grab" && words.size() >= 3)
        return "grab " + words[1] + " " + QDir(folder).filePath("grab.png");
    // A demonstration is recorded to, and played from, one file of the folder.
    if ((words[0] == "record" || words[0] == "play") && words.size() >= 2)
        return words[0] + " " + QDir(folder).filePath("demo.nsd");
    if (words[0] == "realtime")
        return "# realtime";
    return line;
}

} // namespace

QString confineFiles(const QString &script, const QString &folder)
{
    // The runner reads the script as text, which drops every carriage return.
    QStringList lines = QString(script).remove('\r').split('\n');
    for (QString &line : lines)
        line = confinedLine(line, folder);
    return lines.join('\n');
}

ScriptSession::ScriptSession(FormFactory makeForm)
    : m_makeForm(std::move(makeForm))
{
}

ScriptSession::~ScriptSession() = default;

QString ScriptSession::scratchPath(const QString &name) const { return m_scratch.filePath(name); }

ScriptSession::Result ScriptSession::run(const QString &scriptText, int yieldBudget)
{
    Result result;
    const QString path = scratchPath("script.nss");
    try {
        host::writeWholeFile(path, scriptText.toUtf8());
    } catch (const host::Fault &fault) {
        result.exitCode = 1;
        result.output = fault.what();
        return result;
    }

    std::unique_ptr<host::Form> form = m_makeForm();
    int yields = 0;
    // Runs once the runner has installed its own yield hook: the budget wraps it.
    auto start = [&] {
        form->load();
        if (form->loadFailed())
            return false;
        form->show();
        host::RunContext &context = host::runContext();
        context.yieldHook = [&yields, &result, yieldBudget, inner = context.yieldHook] {
            if (inner)
                inner();
            // Every yield past the budget closes again what the lines run inside it loaded.
            if (++yields > yieldBudget) {
                result.budgetSpent = true;
                closeAllWindows();
            }
        };
        return true;
    };

    std::ostringstream captured;
    auto *saved = std::cout.rdbuf(captured.rdbuf());
    result.exitCode = host::runScript(path, start);
    {
        // What is still loaded closes under the script's rules: a fault in an unload
        // handler prints its line instead of waiting for a message box to be answered.
        host::RunContext &context = host::runContext();
        const host::RunContext person = context;
        context.scripted = true;
        context.print = [](const QString &line) { std::cout << line.toStdString() << '\n'; };
        closeAllWindows();
        context = person;
    }
    std::cout.rdbuf(saved);
    result.output = captured.str();

    host::printer().killDoc();
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return result;
}

} // namespace monkey
