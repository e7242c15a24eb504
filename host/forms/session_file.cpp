// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/session_file.h"

#include "host/forms/control_helpers.h"
#include "host/forms/events.h"
#include "host/forms/file_write.h"
#include "host/forms/form.h"
#include "host/forms/messages.h"
#include "host/forms/run_context.h"
#include "host/forms/session_drop.h"
#include "host/forms/session_recovery.h"
#include "host/forms/undo_history.h"
#include "host/numbers/fault.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <functional>

namespace host {

namespace {

constexpr int recentCount = 8;

std::vector<SessionFile *> &sessionFiles()
{
    static std::vector<SessionFile *> files;
    return files;
}

// The recent files of every program, in one settings file the launcher can read too. A script
// keeps a list of its own for as long as it runs and leaves the person's list alone.
QMap<QString, QStringList> &scriptedRecent()
{
    static QMap<QString, QStringList> lists;
    return lists;
}

QStringList readRecent(const QString &program)
{
    if (runContext().scripted)
        return scriptedRecent().value(program);
    return QSettings("neurosims", "sessions").value("recent/" + program).toStringList();
}

void writeRecent(const QString &program, const QStringList &files)
{
    if (runContext().scripted)
        scriptedRecent()[program] = files;
    else
        QSettings("neurosims", "sessions").setValue("recent/" + program, files);
}

QString shownName(const QString &path) { return QFileInfo(path).fileName(); }

[[noreturn]] void notOpened(const QString &path, const std::string &why)
{
    throw Fault(Fault::Kind::File,
                "The session \"" + path.toStdString() + "\" could not be opened: " + why + ".");
}

QByteArray sessionBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        notOpened(path, "there is no such file");
    if (info.isDir())
        notOpened(path, "it is a folder");
    if (info.size() > maxSessionBytes)
        notOpened(path, "it is larger than 16 MB, far larger than any session");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        notOpened(path, "it cannot be read (" + file.errorString().toStdString() + ")");
    QByteArray bytes = file.read(maxSessionBytes + 1);
    if (bytes.size() > maxSessionBytes)
        notOpened(path, "it is larger than 16 MB, far larger than any session");
    return bytes;
}

} // namespace

std::size_t stateFingerprint(const StateRegistry &registry)
{
    std::size_t hash = 0;
    auto mix = [&hash](std::size_t value) {
        hash ^= value + 0x9e3779b97f4a7c15u + (hash << 6) + (hash >> 2);
    };
    for (const StateEntry &entry : registry.entries()) {
        if (!entry.write || entry.name == "random")
            continue;
        const StateValue value = entry.read();
        if (const auto *text = std::get_if<std::string>(&value))
            mix(std::hash<std::string>()(*text));
        else
            for (double number : std::get<std::vector<double>>(value))
                mix(std::hash<double>()(number));
    }
    return hash;
}

SessionFile::SessionFile(Form &form, SessionContents contents)
    : QObject(&form)
    , m_form(form)
    , m_contents(std::move(contents))
    , m_controls(controlsRegistry(form.client()))
{
    setObjectName("host.sessionFile");
    m_displays.add(randomStateEntry());
    if (m_contents.displays)
        for (const StateEntry &entry : m_contents.displays->entries())
            m_displays.add(entry);
    m_lastFingerprint = fingerprint();
    // What the window's load sets up is no change of the user's.
    connect(&form, &Form::loaded, this, [this] { m_lastFingerprint = fingerprint(); });
    sessionFiles().push_back(this);
    afterHandlers(this, [this] { noteHandlerRan(); });
    addMenu();
    m_undo = new UndoHistory(form, sections(), m_contents.opened);
    m_recovery = new SessionRecovery(form, *this);
    // A clean close, saved or discarded, leaves no recovery copy behind.
    form.setCloseCheck([this] {
        if (!settleChanges("closing"))
            return false;
        m_recovery->remove();
        return true;
    });
    acceptDroppedSessions(form, *this);
}

SessionFile::~SessionFile() { std::erase(sessionFiles(), this); }

SessionFile *SessionFile::current()
{
    return sessionFiles().empty() ? nullptr : sessionFiles().back();
}

std::vector<SessionSection> SessionFile::sections() const
{
    return {{"state", m_contents.state}, {"controls", &m_controls}, {"displays", &m_displays}};
}

QByteArray SessionFile::text() const
{
    return QByteArray::fromStdString(sessionText(m_contents.program.toStdString(), sections()));
}

void SessionFile::save(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = text();
    } catch (const Fault &fault) {
        fileNotWritten(path, QString::fromStdString(fault.what()));
    }
    writeWholeFile(path, bytes);
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = false;
    m_lastFingerprint = fingerprint();
    remember(m_path);
    showTitle();
    emit matchesFile();
}

SessionValues SessionFile::checkedValues(const QString &path) const
{
    const QByteArray bytes = sessionBytes(path);
    try {
        return readSession(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                           m_contents.program.toStdString(), sections(), m_contents.together);
    } catch (const Fault &fault) {
        notOpened(path, fault.what());
    }
}

void SessionFile::showOpened(const SessionValues &values)
{
    writeSession(sections(), values);
    if (m_contents.opened)
        m_contents.opened();
    m_undo->restart(); // an open is no action: there is nothing to undo or redo after it
    m_lastFingerprint = fingerprint();
}

void SessionFile::openText(std::string_view text)
{
    showOpened(
        readSession(text, m_contents.program.toStdString(), sections(), m_contents.together));
}

// A run goes on with the state it started from: a session opened inside it would leave a mix
// of the two.
void SessionFile::refuseDuringRun()
{
    if (yieldDepth() > 0)
        throw Fault(Fault::Kind::Invalid,
                    "A session opens between runs; open it once the run has ended.");
}

void SessionFile::open(const QString &path)
{
    refuseDuringRun();
    showOpened(checkedValues(path));
    m_path = QFileInfo(path).absoluteFilePath();
    m_modified = false;
    remember(m_path);
    showTitle();
    emit matchesFile();
}

void SessionFile::recover(const QString &path)
{
    showOpened(checkedValues(path));
    m_path.clear();
    m_modified = true;
    showTitle();
}

bool SessionFile::isModified() const { return m_modified || fingerprint() != m_lastFingerprint; }

std::size_t SessionFile::fingerprint() const
{
    std::size_t hash = 0;
    for (const SessionSection &section : sections())
        hash = hash * 31 + stateFingerprint(*section.registry);
    return hash;
}

void SessionFile::noteHandlerRan()
{
    const std::size_t now = fingerprint();
    if (now == m_lastFingerprint)
        return;
    m_lastFingerprint = now;
    m_modified = true;
    showTitle();
}

void SessionFile::showTitle()
{
    // The caption as the window first showed it, the seed of the command line included.
    if (m_caption.isEmpty())
        m_caption = m_form.windowTitle();
    // An untitled window keeps its caption, the mark after it.
    m_form.setWindowTitle(m_path.isEmpty() ? m_caption + "[*]"
                                           : shownName(m_path) + "[*] \u2014 " + m_caption);
    m_form.setWindowModified(m_modified);
}

void SessionFile::addMenu()
{
    QMenuBar *bar = m_form.menuBar();
    QAction *first = bar->actions().isEmpty() ? nullptr : bar->actions().front();
    QMenu *menu = m_form.addMenu("mnuFile", "&File");
    if (first) {
        bar->removeAction(menu->menuAction());
        bar->insertAction(first, menu->menuAction());
    }
    auto item = [&](const QString &name, const QString &caption, QKeySequence::StandardKey keys,
                    std::function<void()> handler) {
        QAction *action = m_form.addMenuItem(menu, name, caption);
        action->setShortcuts(keys);
        onMenuClick(action, std::move(handler));
        return action;
    };
    item("mnuOpen", "&Open...", QKeySequence::Open, [this] { chooseAndOpen(); });
    item("mnuSave", "&Save", QKeySequence::Save, [this] {
        if (m_path.isEmpty())
            chooseAndSave();
        else
            save(m_path);
    });
    item("mnuSaveAs", "Save &As...", QKeySequence::SaveAs, [this] { chooseAndSave(); });
    m_recent = menu->addMenu("Open &Recent");
    m_recent->setObjectName("mnuRecent");
    connect(m_recent, &QMenu::aboutToShow, this, [this] { fillRecent(); });
    fillRecent();
    m_form.addMenuSeparator(menu, "mnuFileLine");
    // The window's own Quit keys move to the menu item, so that one action holds them.
    QAction *quit = m_form.addMenuItem(menu, "mnuQuit", "&Quit");
    for (QAction *keys : m_form.findChildren<QAction *>(Qt::FindDirectChildrenOnly))
        if (keys->property("host.quitKeys").toBool()) {
            quit->setShortcuts(keys->shortcuts());
            keys->setShortcuts({});
        }
    connect(quit, &QAction::triggered, this, [] { closeAllForms(); });
}

QStringList SessionFile::recentFiles() const { return readRecent(m_contents.program); }

void SessionFile::remember(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > recentCount)
        files.removeLast();
    writeRecent(m_contents.program, files);
}

void SessionFile::forget(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    writeRecent(m_contents.program, files);
}

void SessionFile::fillRecent()
{
    m_recent->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction *action = m_recent->addAction(
            QString("&%1 %2").arg(i + 1).arg(QString(shownName(path)).replace("&", "&&")));
        action->setObjectName(arrayName("mnuRecentFile", i));
        action->setToolTip(path);
        onMenuClick(action, [this, path] {
            if (!QFileInfo::exists(path)) {
                forget(path);
                showMessage("The session \"" + path
                            + "\" is gone (moved or deleted); it was taken off the recent files.");
                return;
            }
            openAsked(path);
        });
    }
    m_recent->setEnabled(!files.isEmpty());
}

// A script never sees a dialog: it names its files with open FILE and save FILE.
static bool noDialogUnderScript(const QString &item, const QString &command)
{
    if (!runContext().scripted)
        return false;
    showMessage("File > " + item + " asks for a file; a script names it: " + command + " FILE.");
    return true;
}

void SessionFile::chooseAndOpen()
{
    if (noDialogUnderScript("Open...", "open") || !settleChanges("opening another session"))
        return;
    const QString filter
        = QString("%1 sessions (*.%2);;All files (*)").arg(m_contents.program, m_contents.suffix);
    const QString path
        = QFileDialog::getOpenFileName(&m_form, "Open a session", QFileInfo(m_path).path(), filter);
    if (!path.isEmpty())
        open(path);
}

bool SessionFile::chooseAndSave()
{
    if (noDialogUnderScript("Save As...", "save"))
        return false;
    const QString filter = QString("%1 sessions (*.%2)").arg(m_contents.program, m_contents.suffix);
    QString start = m_path.isEmpty() ? m_contents.program + "." + m_contents.suffix : m_path;
    QFileDialog dialog(&m_form, "Save the session", start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(m_contents.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    save(dialog.selectedFiles().front());
    return true;
}

} // namespace host
