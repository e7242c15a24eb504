// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unsaved changes before the window closes or another file replaces them: Save, Discard or
// Cancel.

#include "host/forms/messages.h"
#include "host/forms/run_context.h"
#include "host/forms/session_file.h"
#include "host/numbers/fault.h"

#include <QFileInfo>

namespace host {

namespace {

enum Choice { saveChoice, discardChoice, cancelChoice };

} // namespace

bool SessionFile::settleChanges(const QString &doing)
{
    try {
        if (!isModified())
            return true;
        const QString which = m_path.isEmpty()
            ? QString("The session of this window")
            : "The session \"" + QFileInfo(m_path).fileName() + "\"";
        // Enter saves at the window; a script that gives no answer discards, so that its
        // lines go on as they were written.
        const int chosen = askQuestion(
            which + " has changes that are not saved. Save them before " + doing + "?",
            {"&Save", "&Discard", "&Cancel"}, runContext().scripted ? discardChoice : saveChoice,
            cancelChoice);
        if (chosen == cancelChoice)
            return false;
        if (chosen == discardChoice)
            return true;
        if (m_path.isEmpty())
            return chooseAndSave();
        save(m_path);
        return true;
    } catch (const Fault &fault) {
        reportFault(QString::fromUtf8(fault.what()));
        return false;
    }
}

void SessionFile::openAsked(const QString &path)
{
    refuseDuringRun();
    if (settleChanges("opening another session"))
        open(path);
}

} // namespace host
