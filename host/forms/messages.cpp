// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/messages.h"

#include "host/forms/run_context.h"

#include <QApplication>
#include <QMessageBox>

namespace host {

namespace {

bool printed(const char *kind, const QString &text)
{
    const RunContext &context = runContext();
    if (!context.scripted || !context.print)
        return false;
    context.print(QStringLiteral("%1: %2").arg(kind, text));
    return true;
}

} // namespace

void showMessage(const QString &text)
{
    if (!printed("message", text))
        QMessageBox::information(QApplication::activeWindow(),
                                 QApplication::applicationDisplayName(), text);
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
