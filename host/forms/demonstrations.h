// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QAction;
class QLabel;

namespace host {

class DemoPlayer;
class DemoRecorder;
class Form;
class PresenterBar;
class SessionFile;
struct Demonstration;

// A window's demonstrations: recording one (the File menu's Record Demonstration... item,
// which turns into Stop Recording, Esc, and a marker in the menu bar's corner while it runs),
// captions and questions added to it, and playing one with a presenter bar below the window's
// client area. Made on first use, for the window whose sessions it records and opens.
class Demonstrations : public QObject
{
    Q_OBJECT

public:
    static Demonstrations &of(SessionFile &session);
    // The latest window's; nullptr when no window keeps sessions.
    static Demonstrations *current();
    // The latest window's while it records; nullptr otherwise.
    static Demonstrations *recording();

    // The File menu's items, above its Quit.
    void addMenuItems();

    // Starts recording; the file is named now (a script's record FILE) or asked for at the
    // stop. Refused (a fault) while a recording, a replay or a run goes on.
    void startRecording(const QString &path = {});
    // Saves the recording and ends it; a person who names no file goes on recording.
    void stopRecording();
    bool isRecording() const { return m_recorder != nullptr; }
    bool isPlaying() const { return m_player != nullptr; }
    void addCaption(const QString &text);
    void addQuestion(const QString &question, const QStringList &choices);
    void noteWait(double seconds);

    // Reads, checks and plays a demonstration file with the presenter bar, the answers kept
    // beside it. A refused file is a fault naming the file, the line and the fault; a replay
    // waits until no run goes on.
    void play(const QString &path);
    // Plays an already read demonstration (the runner's, headless: no bar, no answers kept).
    void playHere(const Demonstration &demonstration, const QString &path, bool presenting);
    DemoPlayer *player() const { return m_player; }

private:
    explicit Demonstrations(SessionFile &session);
    ~Demonstrations() override;

    void onRecordItem();
    void onCaptionItem();
    void onAskItem();
    void onPlayItem();
    void save(const QString &path);
    void showState();
    void checkBetweenActions(const QString &what) const;

    SessionFile &m_session;
    Form &m_form;
    std::unique_ptr<DemoRecorder> m_recorder;
    QString m_recordPath;
    DemoPlayer *m_player = nullptr;
    QPointer<QLabel> m_marker;
    QAction *m_recordItem = nullptr;
    QAction *m_captionItem = nullptr;
    QAction *m_askItem = nullptr;
    QAction *m_playItem = nullptr;
    QAction *m_escape = nullptr;
};

// Puts the demonstration items into a window's File menu (objectName mnuFile), when the window
// keeps sessions.
void addDemonstrationItems(Form &form);

} // namespace host
