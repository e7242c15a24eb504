// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/session_drop.h"

#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/session_file.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

namespace host {

namespace {

QString droppedFile(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

class SessionDrop : public QObject
{
public:
    SessionDrop(Form &form, SessionFile &session)
        : QObject(&session)
        , m_session(&session)
    {
        form.setAcceptDrops(true);
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The file opens once the drop has ended: the question may not keep the dragging
        // program waiting.
        if (type == QEvent::Drop)
            QMetaObject::invokeMethod(
                this,
                [session = m_session, path] {
                    if (session)
                        runHandler([&] { session->openAsked(path); });
                },
                Qt::QueuedConnection);
        return true;
    }

private:
    QPointer<SessionFile> m_session;
};

} // namespace

void acceptDroppedSessions(Form &form, SessionFile &session) { new SessionDrop(form, session); }

} // namespace host
