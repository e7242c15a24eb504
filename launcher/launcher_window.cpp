// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/launcher_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace launcher {

namespace {

// A push button that holds a whole entry and presses with Enter as with Space.
class EntryButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

// The thumbnail, read straight at its shown size (faster than reading it whole and
// scaling it).
QPixmap thumbnail(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid())
        return {};
    reader.setScaledSize(size.scaled(LauncherWindow::thumbnailSize, Qt::KeepAspectRatio));
    return QPixmap::fromImage(reader.read());
}

QLabel *label(const QString &text, QWidget *parent)
{
    auto *shown = new QLabel(text, parent);
    shown->setAttribute(Qt::WA_TransparentForMouseEvents);
    return shown;
}

} // namespace

LauncherWindow::LauncherWindow(std::vector<Program> programs, Starter start, QWidget *parent)
    : QWidget(parent)
    , m_programs(std::move(programs))
    , m_start(std::move(start))
{
    setObjectName("Launcher");
    setWindowTitle("neurosims");
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel("Four simulations of how neurons compute. Choose one:", this);
    layout->addWidget(heading);
    for (const Program &program : m_programs)
        layout->addWidget(entry(program));
    addRecentSessions(layout);
    m_status = new QLabel(this);
    m_status->setObjectName("status");
    layout->addWidget(m_status);
}

QWidget *LauncherWindow::entry(const Program &program)
{
    auto *button = new EntryButton(this);
    button->setObjectName(program.name);
    button->setAccessibleName(program.name);
    button->setAccessibleDescription(program.teaches);
    button->setToolTip("Starts " + program.name + ".");
    auto *row = new QHBoxLayout(button);
    auto *icon = label({}, button);
    icon->setObjectName("icon");
    icon->setPixmap(QIcon(program.icon).pixmap(48, 48));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto *words = new QVBoxLayout;
    auto *name = label("<b>" + program.name + "</b>", button);
    name->setObjectName("name");
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    name->setFont(large);
    words->addWidget(name);
    auto *teaches = label(program.teaches, button);
    teaches->setObjectName("teaches");
    teaches->setWordWrap(true);
    teaches->setMinimumWidth(280);
    words->addWidget(teaches);
    words->addStretch();
    row->addLayout(words, 1);
    auto *picture = label({}, button);
    picture->setObjectName("thumbnail");
    const QPixmap shown = thumbnail(program.thumbnail);
    if (shown.isNull())
        picture->setText("(no picture yet)");
    else
        picture->setPixmap(shown);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(thumbnailSize);
    row->addWidget(picture);
    // A button does not size itself by its layout: the entry is as large as what it holds.
    button->setMinimumSize(row->sizeHint());
    connect(button, &QPushButton::clicked, this, [this, program] { start(program, {}); });
    return button;
}

void LauncherWindow::addRecentSessions(QLayout *layout)
{
    m_recentHeading = new QLabel("Recent sessions (double-click one to open it):", this);
    layout->addWidget(m_recentHeading);
    m_recent = new QListWidget(this);
    m_recent->setObjectName("recentSessions");
    m_recent->setAccessibleName("Recent sessions");
    m_recentHeading->setBuddy(m_recent);
    connect(m_recent, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const RecentSession &session = m_sessions.at(std::size_t(m_recent->row(item)));
        if (!session.gone)
            start(session.program, session.path);
    });
    layout->addWidget(m_recent);
    showRecentSessions();
}

void LauncherWindow::showRecentSessions()
{
    m_sessions = recentSessions(m_programs);
    m_recent->clear();
    for (const RecentSession &session : m_sessions) {
        const QString name = QFileInfo(session.path).fileName();
        auto *item = new QListWidgetItem(session.program.name + ": " + name, m_recent);
        if (session.gone) {
            item->setText(item->text() + " (gone)");
            item->setToolTip(session.path + " was moved or deleted.");
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        } else {
            item->setToolTip("Opens " + session.path + " in " + session.program.name + ".");
        }
    }
    // Four rows show; more scroll. Without any, the list and its heading are left out.
    if (!m_sessions.empty())
        m_recent->setFixedHeight(m_recent->sizeHintForRow(0) * 4 + 2 * m_recent->frameWidth());
    m_recentHeading->setHidden(m_sessions.empty());
    m_recent->setHidden(m_sessions.empty());
}

// A program started from here may have saved a session since: the list is read again.
bool LauncherWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        showRecentSessions();
    return QWidget::event(event);
}

void LauncherWindow::start(const Program &program, const QString &file)
{
    const QString opening = file.isEmpty() ? QString() : " with " + QFileInfo(file).fileName();
    m_status->setText(m_start(program, file) ? program.name + " is starting" + opening + "."
                                             : program.name + " could not start: "
                              + QFileInfo(program.executable).fileName() + " is not built yet.");
}

bool LauncherWindow::startDetached(const Program &program, const QString &file)
{
    return startingWith({})(program, file);
}

LauncherWindow::Starter LauncherWindow::startingWith(const QStringList &arguments)
{
    return [arguments](const Program &program, const QString &file) {
        if (!QFileInfo(program.executable).isExecutable())
            return false;
        // "--" ends the options: a file whose name starts with a dash is still a file.
        QStringList all = arguments;
        if (!file.isEmpty())
            all << "--" << file;
        return QProcess::startDetached(program.executable, all, program.workingDirectory);
    };
}

} // namespace launcher
