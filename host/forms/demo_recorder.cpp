// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/demo_recorder.h"

#include "host/forms/events.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/run_context.h"
#include "host/forms/script_actions.h"
#include "host/forms/scroll_bar.h"
#include "host/forms/session_file.h"
#include "host/numbers/clock.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace host {

namespace {

// Whether an action on this control belongs in a recording: a control of a window's client
// area, or a menu item of its menu bar outside the File menu (which opens, saves, records and
// plays: nothing a demonstration replays).
bool recordable(const QObject *control)
{
    if (auto *item = qobject_cast<const QAction *>(control)) {
        const QObject *menu = item->parent();
        for (; menu && !qobject_cast<const QMenuBar *>(menu); menu = menu->parent())
            if (menu->objectName() == "mnuFile")
                return false;
        return menu != nullptr;
    }
    auto *widget = qobject_cast<const QWidget *>(control);
    auto *form = widget ? qobject_cast<const Form *>(widget->window()) : nullptr;
    return form && form->client()->isAncestorOf(widget);
}

std::vector<QWidget *> formsShown()
{
    std::vector<QWidget *> forms;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<Form *>(top))
            forms.push_back(top);
    return forms;
}

} // namespace

DemoRecorder::DemoRecorder(SessionFile &session)
    : m_session(session)
{
    m_demonstration.program = session.program();
    m_demonstration.session = session.text().toStdString();
    // The clock stands still while the recording runs, as it does while the replay runs: what
    // the program seeds from it is the same in both.
    // A seed fixed on the command line stands in for the clock: the recording keeps it as its
    // clock, so that a replay seeds alike without it.
    m_clockBefore = frozenClock();
    m_seedBefore = fixedSeed();
    m_demonstration.clock = m_seedBefore ? *m_seedBefore
        : m_clockBefore                  ? *m_clockBefore
                                         : double(clockSeconds());
    freezeClock(*m_demonstration.clock);
    fixSeed(std::nullopt);
    m_baseYieldDepth = yieldDepth();
    for (QWidget *form : formsShown())
        attach(form);
    watchActions([this](QObject *control, const QString &command, const QString &arguments) {
        onAction(control, command, arguments);
    });
    runContext().answered = [this](int choice) {
        if (m_inFlight)
            addLeading("answer " + QString::number(choice + 1));
    };
    afterHandlers(this, [this] { m_inFlight = false; });
    m_clock.start();
}

DemoRecorder::~DemoRecorder()
{
    watchActions({});
    runContext().answered = {};
    fixSeed(m_seedBefore);
    if (m_clockBefore)
        freezeClock(*m_clockBefore);
    else
        thawClock();
}

// Controls whose bindings report their actions already are left to them; the others (a check
// box read only when a run starts, a text box) report through the recorder's own connections.
void DemoRecorder::attach(QWidget *window)
{
    auto *form = static_cast<Form *>(window);
    for (QWidget *child : form->client()->findChildren<QWidget *>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
            continue;
        if (auto *box = qobject_cast<QLineEdit *>(child)) {
            // Typed keys and a script's type line change the text from the event loop; a
            // handler's texts are its own.
            connect(box, &QLineEdit::textChanged, this, [this, box] {
                if (!atEventLoop() || m_typing == box)
                    return;
                commitTyping();
                m_typing = box;
            });
            connect(box, &QLineEdit::editingFinished, this, [this, box] {
                if (m_typing == box)
                    commitTyping();
            });
            box->installEventFilter(this);
        } else if (auto *button = qobject_cast<QAbstractButton *>(child)) {
            button->installEventFilter(this);
            if (!isNoticed(button))
                connect(button, &QAbstractButton::clicked, this,
                        [button] { noticeAction(button, "click"); });
        } else if (auto *bar = qobject_cast<ScrollBar *>(child); bar && !isNoticed(bar)) {
            connect(bar, &ScrollBar::changed, this,
                    [bar](int value) { noticeAction(bar, "set", QString::number(value)); });
        }
    }
    for (QAction *item : form->menuBar()->findChildren<QAction *>())
        if (!item->objectName().isEmpty() && !item->menu() && !isNoticed(item))
            connect(item, &QAction::triggered, this, [item] { noticeAction(item, "menu"); });
}

bool DemoRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !atEventLoop())
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (auto *box = qobject_cast<QLineEdit *>(watched);
        box && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        commitTyping();
        add("key " + script::scriptName(box) + " Enter");
        // A default button the Enter presses is part of this action.
        m_quiet = true;
        QTimer::singleShot(0, this, [this] { m_quiet = false; });
    } else if (auto *button = qobject_cast<QAbstractButton *>(watched);
               button && key == Qt::Key_Space) {
        m_keyed = button;
    }
    return false;
}

void DemoRecorder::onAction(QObject *control, const QString &command, const QString &arguments)
{
    if (m_quiet || !recordable(control))
        return;
    commitTyping();
    const QString name = script::scriptName(control);
    if (command == "click" && control == m_keyed.data())
        add("key " + name + " Space");
    else
        add(command + " " + name + (arguments.isEmpty() ? "" : " " + arguments));
    m_keyed = nullptr;
}

// The time since the recording began: a person's, or under a script only its waits (a
// script's own lines take no time worth keeping, unless it runs in real time).
double DemoRecorder::seconds() const
{
    const RunContext &context = runContext();
    if (context.scripted && !context.realPauses)
        return m_waited;
    return double(m_clock.elapsed()) / 1000 + m_waited;
}

void DemoRecorder::add(const QString &line)
{
    if (yieldDepth() > m_baseYieldDepth && !m_steps.empty()) {
        // Inside a run: the line runs in the same yield of the replayed run.
        addLeading(QStringLiteral("at-yield %1 %2").arg(yieldsSoFar() - m_stepYields).arg(line));
        return;
    }
    const double now = seconds();
    m_steps.push_back({now - m_lastAction, {line}});
    m_lastAction = now;
    m_stepYields = yieldsSoFar();
    m_inFlight = true;
}

// A line that goes before the action whose handlers are running.
void DemoRecorder::addLeading(const QString &line)
{
    if (m_steps.empty())
        return;
    QStringList &lines = m_steps.back().lines;
    lines.insert(lines.size() - 1, line);
}

void DemoRecorder::commitTyping()
{
    if (!m_typing)
        return;
    QLineEdit *box = m_typing;
    m_typing = nullptr;
    add("type " + script::scriptName(box) + " " + box->text());
}

void DemoRecorder::addCaption(const QString &text)
{
    commitTyping();
    add("say " + text.simplified());
    m_inFlight = false;
}

void DemoRecorder::addQuestion(const QString &question, const QStringList &choices)
{
    commitTyping();
    QStringList parts {question.simplified()};
    for (const QString &choice : choices)
        parts << QString(choice).replace('|', '/').simplified();
    parts[0].replace('|', '/');
    add("ask " + parts.join(" | "));
    m_inFlight = false;
}

void DemoRecorder::noteWait(double seconds) { m_waited += seconds; }

Demonstration DemoRecorder::finish()
{
    commitTyping();
    Demonstration demonstration = m_demonstration;
    for (const Step &step : m_steps) {
        DemoStep written;
        for (const QString &line : step.lines)
            written.lines.push_back({0, written.lines.empty() ? step.wait : 0, line});
        demonstration.steps.push_back(std::move(written));
    }
    return demonstration;
}

} // namespace host
