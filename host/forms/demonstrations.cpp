// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/demonstrations.h"

#include "host/forms/automation.h"
#include "host/forms/demo_file.h"
#include "host/forms/demo_player.h"
#include "host/forms/demo_recorder.h"
#include "host/forms/events.h"
#include "host/forms/file_write.h"
#include "host/forms/form.h"
#include "host/forms/messages.h"
#include "host/forms/presenter_bar.h"
#include "host/forms/run_context.h"
#include "host/forms/session_file.h"
#include "host/numbers/fault.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace host {

namespace {

constexpr qint64 maxDemonstrationBytes = 32 * 1024 * 1024;

[[noreturn]] void notPlayed(const QString &path, const std::string &why)
{
    throw Fault(Fault::Kind::File,
                "The demonstration \"" + path.toStdString() + "\" could not be played: " + why
                    + ".");
}

QString demonstrationFileText(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        notPlayed(path, "it cannot be read");
    const QByteArray bytes = file.read(maxDemonstrationBytes + 1);
    if (bytes.size() > maxDemonstrationBytes)
        notPlayed(path, "it is larger than 32 MB, far larger than any demonstration");
    return QString::fromUtf8(bytes);
}

// A script never sees a dialog: it names its files and texts on its own lines.
bool noDialogUnderScript(const QString &item, const QString &lines)
{
    if (!runContext().scripted)
        return false;
    showMessage("File > " + item + " asks in a dialog; a script uses " + lines + ".");
    return true;
}

} // namespace

Demonstrations::Demonstrations(SessionFile &session)
    : QObject(&session)
    , m_session(session)
    , m_form(session.form())
{
    setObjectName("host.demonstrations");
    m_escape = new QAction(this);
    m_escape->setShortcut(Qt::Key_Escape);
    m_escape->setShortcutContext(Qt::WindowShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QAction::triggered, this,
            [this] { runHandler([this] { stopRecording(); }); });
    m_form.addAction(m_escape);
}

Demonstrations::~Demonstrations() = default;

Demonstrations &Demonstrations::of(SessionFile &session)
{
    if (auto *made = session.findChild<Demonstrations *>(QString(), Qt::FindDirectChildrenOnly))
        return *made;
    return *new Demonstrations(session);
}

Demonstrations *Demonstrations::current()
{
    SessionFile *session = SessionFile::current();
    return session ? &of(*session) : nullptr;
}

Demonstrations *Demonstrations::recording()
{
    SessionFile *session = SessionFile::current();
    auto *made = session
        ? session->findChild<Demonstrations *>(QString(), Qt::FindDirectChildrenOnly)
        : nullptr;
    return made && made->isRecording() ? made : nullptr;
}

void Demonstrations::addMenuItems()
{
    QMenu *file = m_form.menuBar()->findChild<QMenu *>("mnuFile");
    if (!file || m_recordItem)
        return;
    QAction *before = nullptr;
    for (QAction *item : file->actions())
        if (item->objectName() == "mnuFileLine")
            before = item;
    auto item = [&](const QString &name, const QString &caption, void (Demonstrations::*chosen)()) {
        QAction *made = m_form.addMenuItem(file, name, caption);
        file->removeAction(made);
        file->insertAction(before, made);
        onMenuClick(made, [this, chosen] { (this->*chosen)(); });
        return made;
    };
    QAction *line = file->insertSeparator(before);
    line->setObjectName("mnuDemoLine");
    m_recordItem = item("mnuRecordDemo", "Record &Demonstration...", &Demonstrations::onRecordItem);
    m_captionItem = item("mnuAddCaption", "Add &Caption...", &Demonstrations::onCaptionItem);
    m_askItem = item("mnuAskPrediction", "Ask for a &Prediction...", &Demonstrations::onAskItem);
    m_playItem = item("mnuPlayDemo", "P&lay Demonstration...", &Demonstrations::onPlayItem);
    showState();
}

void Demonstrations::showState()
{
    m_escape->setEnabled(isRecording());
    if (isRecording() && !m_marker) {
        m_marker = new QLabel("\u25cf Recording  ", m_form.menuBar());
        m_marker->setObjectName("lblRecording");
        m_marker->setStyleSheet("color: #c00000; font-weight: bold;");
        m_marker->setToolTip("A demonstration is being recorded: File > Stop Recording or Esc "
                             "ends it");
        m_form.menuBar()->setCornerWidget(m_marker, Qt::TopRightCorner);
        m_marker->show();
    } else if (!isRecording() && m_marker) {
        m_form.menuBar()->setCornerWidget(nullptr, Qt::TopRightCorner);
        delete m_marker;
    }
    if (!m_recordItem)
        return;
    m_recordItem->setText(isRecording() ? "Stop &Recording" : "Record &Demonstration...");
    m_recordItem->setEnabled(!isPlaying());
    m_captionItem->setEnabled(isRecording());
    m_askItem->setEnabled(isRecording());
    m_playItem->setEnabled(!isRecording() && !isPlaying());
}

// A recording and a replay start from a state no run is working on.
static void checkNoRun(const char *what)
{
    if (yieldDepth() > 0)
        throw Fault(Fault::Kind::Invalid,
                    std::string(what) + " starts between runs; start it once the run has ended.");
}

void Demonstrations::startRecording(const QString &path)
{
    if (isRecording() || isPlaying())
        throw Fault(Fault::Kind::Invalid,
                    isRecording() ? "A demonstration is being recorded already."
                                  : "A demonstration is playing.");
    checkNoRun("A recording");
    m_recorder = std::make_unique<DemoRecorder>(m_session);
    m_recordPath = path;
    showState();
}

void Demonstrations::stopRecording()
{
    if (!isRecording())
        throw Fault(Fault::Kind::Invalid, "No demonstration is being recorded.");
    QString path = m_recordPath;
    if (path.isEmpty()) {
        if (noDialogUnderScript("Stop Recording", "record FILE and stop-recording"))
            return;
        const QString suffix = demonstrationSuffixOf(m_session.program());
        QFileDialog dialog(&m_form, "Save the demonstration",
                           QFileInfo(m_session.path()).path() + "/" + m_session.program() + "."
                               + suffix,
                           QString("%1 demonstrations (*.%2)").arg(m_session.program(), suffix));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return; // no file named: the recording goes on
        path = dialog.selectedFiles().front();
    }
    save(path);
    m_recorder.reset();
    showState();
}

void Demonstrations::save(const QString &path)
{
    writeWholeFile(path, demonstrationText(m_recorder->finish()).toUtf8());
}

void Demonstrations::checkBetweenActions(const QString &what) const
{
    if (!isRecording())
        throw Fault(Fault::Kind::Invalid, "No demonstration is being recorded.");
    if (yieldDepth() > 0)
        throw Fault(Fault::Kind::Invalid,
                    what.toStdString() + " goes between actions; add it once the run has ended.");
}

void Demonstrations::addCaption(const QString &text)
{
    checkBetweenActions("A caption");
    m_recorder->addCaption(text);
}

void Demonstrations::addQuestion(const QString &question, const QStringList &choices)
{
    checkBetweenActions("A question");
    m_recorder->addQuestion(question, choices);
}

void Demonstrations::noteWait(double seconds)
{
    if (m_recorder)
        m_recorder->noteWait(seconds);
}

void Demonstrations::onRecordItem()
{
    if (isRecording()) {
        stopRecording();
        return;
    }
    startRecording();
}

void Demonstrations::onCaptionItem()
{
    if (noDialogUnderScript("Add Caption...", "say TEXT"))
        return;
    bool ok = false;
    const QString text = QInputDialog::getText(
        &m_form, "Add a caption", "The sentence the replay shows at this point:", QLineEdit::Normal,
        {}, &ok);
    if (ok && !text.trimmed().isEmpty())
        addCaption(text);
}

void Demonstrations::onAskItem()
{
    if (noDialogUnderScript("Ask for a Prediction...", "ask QUESTION | A | B"))
        return;
    QDialog dialog(&m_form);
    dialog.setWindowTitle("Ask for a prediction");
    auto *form = new QFormLayout(&dialog);
    auto *question = new QLineEdit(&dialog);
    form->addRow("Question:", question);
    std::vector<QLineEdit *> answers;
    for (int i = 1; i <= 4; ++i) {
        answers.push_back(new QLineEdit(&dialog));
        form->addRow(QStringLiteral("Answer %1:").arg(i), answers.back());
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QStringList choices;
    for (QLineEdit *answer : answers)
        if (!answer->text().trimmed().isEmpty())
            choices << answer->text();
    if (question->text().trimmed().isEmpty() || choices.size() < 2)
        throw Fault(Fault::Kind::Invalid,
                    "A prediction needs a question and at least two answers; none was added.");
    addQuestion(question->text(), choices);
}

void Demonstrations::onPlayItem()
{
    if (noDialogUnderScript("Play Demonstration...", "play FILE"))
        return;
    const QString suffix = demonstrationSuffixOf(m_session.program());
    const QString path = QFileDialog::getOpenFileName(
        &m_form, "Play a demonstration", QFileInfo(m_session.path()).path(),
        QString("%1 demonstrations (*.%2);;All files (*)").arg(m_session.program(), suffix));
    if (!path.isEmpty())
        play(path);
}

void Demonstrations::play(const QString &path)
{
    if (isRecording() || isPlaying())
        throw Fault(Fault::Kind::Invalid,
                    isRecording() ? "A demonstration is being recorded."
                                  : "A demonstration is playing already.");
    checkNoRun("A replay");
    Demonstration demonstration;
    try {
        demonstration = readDemonstration(demonstrationFileText(path), m_session.program());
    } catch (const Fault &fault) {
        notPlayed(path, fault.what());
    }
    playHere(demonstration, path, true);
}

void Demonstrations::playHere(const Demonstration &demonstration, const QString &path,
                              bool presenting)
{
    DemoPlayer player(m_session, demonstration, path);
    try {
        player.begin();
    } catch (const Fault &fault) {
        if (presenting)
            notPlayed(path, fault.what());
        reportScriptError(path + ": " + fault.what());
        return;
    }
    player.setKeepAnswers(presenting);
    m_player = &player;
    showState();
    std::unique_ptr<PresenterBar> bar;
    if (presenting)
        bar = std::make_unique<PresenterBar>(m_form, player);
    player.run();
    bar.reset();
    m_player = nullptr;
    showState();
}

void addDemonstrationItems(Form &form)
{
    if (auto *session = form.findChild<SessionFile *>())
        Demonstrations::of(*session).addMenuItems();
}

} // namespace host
