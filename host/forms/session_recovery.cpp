// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/session_recovery.h"

#include "host/forms/events.h"
#include "host/forms/file_write.h"
#include "host/forms/form.h"
#include "host/forms/messages.h"
#include "host/forms/run_context.h"
#include "host/forms/session_file.h"
#include "host/numbers/fault.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QLockFile>
#include <QStandardPaths>

namespace host {

namespace {

constexpr int minuteMs = 60 * 1000;
constexpr int spacingMs = 1000;

QString dataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

} // namespace

SessionRecovery::SessionRecovery(Form &form, SessionFile &session)
    : QObject(&session)
    , m_form(form)
    , m_session(session)
    , m_path(QDir(dataFolder())
                 .filePath(session.contents().program + ".recovery." + session.contents().suffix))
    , m_lastModel(modelFingerprint())
{
    afterHandlers(this, [this] { noteHandlerRan(); });
    connect(&form, &Form::loaded, this, [this] { m_lastModel = modelFingerprint(); });
    connect(&session, &SessionFile::matchesFile, this, [this] {
        m_lastModel = modelFingerprint();
        remove();
    });
    m_minute.setInterval(minuteMs);
    connect(&m_minute, &QTimer::timeout, this, [this] {
        if (!runContext().scripted)
            write();
    });
    m_minute.start();
    m_soon.setSingleShot(true);
    connect(&m_soon, &QTimer::timeout, this, [this] { write(); });
}

// The program ends without a crash: what the copy holds was saved or let go.
SessionRecovery::~SessionRecovery() { remove(); }

bool SessionRecovery::owned()
{
    if (!m_lock) {
        QDir().mkpath(QFileInfo(m_path).path());
        m_lock = std::make_unique<QLockFile>(m_path + ".lock");
        m_lock->setStaleLockTime(0); // taken over only from a copy that is no longer running
    }
    if (!m_lock->isLocked())
        m_lock->tryLock(0);
    // A folder that holds no lock holds no copy either: the write says why.
    return m_lock->isLocked() || m_lock->error() != QLockFile::LockFailedError;
}

std::size_t SessionRecovery::modelFingerprint() const
{
    const StateRegistry *model = m_session.contents().state;
    return model ? stateFingerprint(*model) : 0;
}

void SessionRecovery::noteHandlerRan()
{
    const std::size_t model = modelFingerprint();
    if (model == m_lastModel)
        return;
    m_lastModel = model;
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : spacingMs;
    if (runContext().scripted || since >= spacingMs)
        write();
    else if (!m_soon.isActive())
        m_soon.start(int(spacingMs - since));
}

void SessionRecovery::write()
{
    if (!m_form.isLoaded() || !m_session.isModified() || !owned())
        return;
    QByteArray bytes;
    try {
        bytes = m_session.text();
    } catch (const Fault &) {
        return; // a state no file can hold (a run that overflowed): saving it says why
    }
    try {
        const std::size_t hash = qHash(bytes) | 1;
        if (hash == m_written && QFileInfo::exists(m_path))
            return;
        QDir().mkpath(QFileInfo(m_path).path());
        writeWholeFile(m_path, bytes);
        m_written = hash;
        m_sinceWrite.start();
    } catch (const Fault &fault) {
        if (m_told)
            return;
        m_told = true;
        showMessage("No recovery copy of this session could be kept: "
                    + QString::fromUtf8(fault.what())
                    + " The window keeps all its state; save the session to keep it safe. "
                      "This is said only once.");
    }
}

void SessionRecovery::remove()
{
    if (m_written == 0 && !QFileInfo::exists(m_path))
        return;
    m_soon.stop();
    m_sinceWrite.invalidate();
    if (owned())
        QFile::remove(m_path);
    m_written = 0;
}

void SessionRecovery::offer()
{
    if (!QFileInfo::exists(m_path) || !owned())
        return;
    const int chosen = askQuestion(
        m_session.contents().program
            + " stopped unexpectedly last time, before its session was saved; a recovery copy "
              "of it was kept. Reopen it?",
        {"&Reopen", "&Discard"}, 0, 0);
    if (chosen == 1) {
        remove();
        return;
    }
    m_session.recover(m_path);
    m_lastModel = modelFingerprint();
}

} // namespace host
