// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/messages.h"

#include "host/forms/run_context.h"
#include "host/numbers/fault.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace host {

namespace {

QString plainCaption(QString caption) { return caption.remove('&'); }

// The choice a script's answer names: a caption (any case, without "&") or a number from 1.
int chosenByScript(const QString &answer, const QStringList &choices)
{
    bool isNumber = false;
    const int number = answer.toInt(&isNumber);
    if (isNumber && number >= 1 && number <= choices.size())
        return number - 1;
    for (int i = 0; i < choices.size(); ++i)
        if (plainCaption(choices[i]).compare(answer, Qt::CaseInsensitive) == 0)
            return i;
    QStringList plain;
    for (const QString &choice : choices)
        plain << plainCaption(choice);
    throw Fault(Fault::Kind::Invalid,
                "The answer \"" + answer.toStdString() + "\" names none of the choices ("
                    + plain.join(", ").toStdString() + ").");
}

bool printed(const char *kind, const QString &text)
{
    const RunContext &context = runContext();
    if (!context.scripted || !context.print)
        return false;
    context.print(QStringLiteral("%1: %2").arg(kind, text));
    return true;
}

int askedQuestion(const QString &text, const QStringList &choices, int defaultChoice,
                  int cancelChoice)
{
    RunContext &context = runContext();
    // A demonstration played to a person answers as its recording did.
    if (context.scripted || !context.answers.empty()) {
        int chosen = defaultChoice;
        if (!context.answers.empty()) {
            const QString answer = context.answers.front();
            context.answers.pop_front();
            chosen = chosenByScript(answer, choices);
        }
        QStringList plain;
        for (const QString &choice : choices)
            plain << plainCaption(choice);
        if (context.scripted && context.print)
            context.print(
                QStringLiteral("question: %1 [%2] %3").arg(text, plain.join('/'), plain[chosen]));
        return chosen;
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    std::vector<QPushButton *> buttons;
    for (const QString &choice : choices)
        buttons.push_back(box.addButton(choice, QMessageBox::ActionRole));
    box.setDefaultButton(buttons[std::size_t(defaultChoice)]);
    box.setEscapeButton(buttons[std::size_t(cancelChoice)]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return int(i);
    return cancelChoice;
}

} // namespace

void showMessage(const QString &text)
{
    if (!printed("message", text))
        QMessageBox::information(QApplication::activeWindow(),
                                 QApplication::applicationDisplayName(), text);
}

int askQuestion(const QString &text, const QStringList &choices, int defaultChoice,
                int cancelChoice)
{
    RunContext &context = runContext();
    const int chosen = askedQuestion(text, choices, defaultChoice, cancelChoice);
    if (context.answered)
        context.answered(chosen);
    return chosen;
}

void showAbout(const QString &title, const QStringList &lines)
{
    if (printed("message", lines.join(" / ")))
        return;
    QStringList html;
    for (const QString &line : lines)
        html << line.toHtmlEscaped();
    if (!html.isEmpty())
        html.first() = "<b>" + html.first() + "</b>";
    QMessageBox::about(QApplication::activeWindow(), title, html.join("<br>"));
}

void reportFault(const QString &text)
{
    if (!printed("fault", text))
        QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                             text);
}

} // namespace host
