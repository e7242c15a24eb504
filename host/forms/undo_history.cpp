// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/undo_history.h"

#include "host/forms/form.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/fault.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <cstring>

namespace host {

namespace {

// A caption without its mnemonic: "&&" is a plain ampersand.
QString plainCaption(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    if (text.endsWith("..."))
        text.chop(3);
    return text.trimmed();
}

QString shownName(const QWidget *control)
{
    return control->accessibleName().isEmpty() ? control->objectName() : control->accessibleName();
}

// What an action is called in the menu: a button or menu item by its caption, a scroll bar by
// the label that names it, typing by its text box, anything else as a click on it.
QString actionName(const QObject *control)
{
    if (const auto *item = qobject_cast<const QAction *>(control))
        return plainCaption(item->text());
    if (const auto *form = qobject_cast<const Form *>(control))
        return "Closing " + form->windowTitle().remove("[*]");
    if (const auto *button = qobject_cast<const QAbstractButton *>(control);
        button && !plainCaption(button->text()).isEmpty())
        return plainCaption(button->text());
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return "Typing in " + shownName(box);
    if (const auto *bar = qobject_cast<const ScrollBar *>(control))
        return shownName(bar);
    if (const auto *widget = qobject_cast<const QWidget *>(control))
        return "Click on " + shownName(widget);
    return "Change";
}

// Equal to the bit: a value that is no number still equals itself, and -0 is not 0.
bool sameValue(const StateValue &a, const StateValue &b)
{
    if (a.index() != b.index())
        return false;
    if (const auto *text = std::get_if<std::string>(&a))
        return *text == std::get<std::string>(b);
    const auto &x = std::get<std::vector<double>>(a);
    const auto &y = std::get<std::vector<double>>(b);
    return x.size() == y.size()
        && (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0);
}

bool sameValues(const std::vector<StateValue> &a, const std::vector<StateValue> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!sameValue(a[i], b[i]))
            return false;
    return true;
}

// A caption with an Alt mnemonic on its first letter, the name's ampersands kept plain.
QString itemCaption(const QString &verb, const QString &name)
{
    return "&" + verb + (name.isEmpty() ? QString() : " " + QString(name).replace("&", "&&"));
}

} // namespace

UndoHistory::UndoHistory(Form &form, std::vector<SessionSection> sections,
                         std::function<void()> restored)
    : QObject(&form)
    , m_client(form.client())
    , m_restored(std::move(restored))
{
    setObjectName("host.undoHistory");
    for (const SessionSection &section : sections)
        for (const StateEntry &entry : section.registry->entries())
            if (entry.write)
                m_entries.push_back(&entry);

    QMenuBar *bar = form.menuBar();
    QMenu *menu = form.addMenu("mnuEdit", "&Edit");
    const QList<QAction *> menus = bar->actions();
    for (qsizetype i = 0; i + 1 < menus.size(); ++i)
        if (menus[i]->menu() && menus[i]->menu()->objectName() == "mnuFile"
            && menus[i + 1] != menu->menuAction()) {
            bar->removeAction(menu->menuAction());
            bar->insertAction(menus[i + 1], menu->menuAction());
            break;
        }
    m_undoItem = form.addMenuItem(menu, "mnuUndo", "&Undo");
    m_undoItem->setShortcuts(QKeySequence::Undo);
    onMenuClick(m_undoItem, [this] { undo(); });
    m_redoItem = form.addMenuItem(menu, "mnuRedo", "&Redo");
    m_redoItem->setShortcuts(QKeySequence::Redo);
    onMenuClick(m_redoItem, [this] { redo(); });

    beforeHandlers(this, [this](const HandlerSource &source) { onHandlerStarts(source); });
    afterHandlers(this, [this] { onHandlerEnded(); });
    restart();
    // A window is made before its form loads: undoing starts from the loaded state.
    connect(
        &form, &Form::loaded, this, [this] { restart(); }, Qt::SingleShotConnection);
}

UndoHistory::~UndoHistory() = default;

UndoHistory::Snapshot UndoHistory::snapshot() const
{
    Snapshot values;
    values.reserve(m_entries.size());
    for (const StateEntry *entry : m_entries)
        values.push_back(entry->read());
    return values;
}

// The values were read from these very pieces: they are written back unchecked, so that a
// state a check would refuse (a diverged weight) comes back too.
void UndoHistory::restore(const std::shared_ptr<const Snapshot> &values)
{
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->write((*values)[i]);
    m_current = values;
    if (m_restored)
        m_restored();
}

void UndoHistory::restart()
{
    m_undo.clear();
    m_redo.clear();
    m_current = std::make_shared<const Snapshot>(snapshot());
    showItems();
}

void UndoHistory::refuseWhileRunning(const QAction *item, const char *what) const
{
    if (m_handlerRuns && m_running.control != item)
        throw Fault(Fault::Kind::Invalid,
                    std::string(what)
                        + " waits until the run has ended: what a run does is taken "
                          "back as a whole.");
}

void UndoHistory::undo()
{
    refuseWhileRunning(m_undoItem, "Undo");
    if (m_undo.empty())
        throw Fault(Fault::Kind::Invalid, "There is nothing to undo.");
    Action action = std::move(m_undo.back());
    m_undo.pop_back();
    restore(action.before);
    m_redo.push_back(std::move(action));
    showItems();
}

void UndoHistory::redo()
{
    refuseWhileRunning(m_redoItem, "Redo");
    if (m_redo.empty())
        throw Fault(Fault::Kind::Invalid, "There is nothing to redo.");
    Action action = std::move(m_redo.back());
    m_redo.pop_back();
    restore(action.after);
    m_undo.push_back(std::move(action));
    showItems();
}

// What changed since the last handler ended was done where no handler watches: typed into a
// box without one, say. It is an action of its own, unless the control that sets the handler
// off changed (Qt ticks a check box before its handler runs): that belongs to the handler.
void UndoHistory::onHandlerStarts(const HandlerSource &source)
{
    auto now = std::make_shared<const Snapshot>(snapshot());
    if (!sameValues(*now, *m_current)) {
        const auto *own = qobject_cast<const QWidget *>(source.control);
        const QWidget *changed = nullptr;
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (!sameValue((*now)[i], (*m_current)[i])) {
                const QString name = QString::fromStdString(m_entries[i]->name);
                if (own && own->objectName() == name) {
                    changed = own;
                    break;
                }
                if (!changed)
                    changed = m_client->findChild<QWidget *>(name);
            }
        if (changed != own || !own)
            addAction(std::move(now), {changed, 0});
    }
    m_running = source;
    m_runningControl = source.control;
    m_handlerRuns = true;
    ++m_serial;
    // Nothing is undone while the handler runs, a run's yield included.
    m_undoItem->setEnabled(false);
    m_redoItem->setEnabled(false);
}

void UndoHistory::onHandlerEnded()
{
    m_handlerRuns = false;
    if (!m_runningControl)
        m_running.control = nullptr; // gone with its handler (a recent file's menu item)
    auto now = std::make_shared<const Snapshot>(snapshot());
    if (sameValues(*now, *m_current)) {
        showItems();
        return;
    }
    const bool undoing = m_running.control == m_undoItem || m_running.control == m_redoItem;
    const bool goesOn = !m_undo.empty() && m_redo.empty() && m_running.control
        && m_undo.back().control == m_running.control && m_undo.back().gesture == m_running.gesture
        && m_undo.back().serial + 1 == m_serial;
    if (undoing) {
        // Whatever the redraw after Undo or Redo set is no action of its own.
        m_current = std::move(now);
    } else if (goesOn) {
        m_undo.back().after = now;
        m_undo.back().serial = m_serial;
        // Typed and typed away again: nothing is left to undo.
        if (sameValues(*now, *m_undo.back().before))
            m_undo.pop_back();
        m_current = std::move(now);
    } else {
        addAction(std::move(now), m_running);
    }
    showItems();
}

void UndoHistory::addAction(std::shared_ptr<const Snapshot> after, const HandlerSource &source)
{
    m_undo.push_back(
        {actionName(source.control), m_current, after, source.control, source.gesture, m_serial});
    if (m_undo.size() > std::size_t(undoDepth))
        m_undo.pop_front();
    m_redo.clear();
    m_current = std::move(after);
}

void UndoHistory::showItems()
{
    const QString undoCaption = itemCaption("Undo", m_undo.empty() ? "" : m_undo.back().name);
    const QString redoCaption = itemCaption("Redo", m_redo.empty() ? "" : m_redo.back().name);
    if (m_undoItem->text() != undoCaption)
        m_undoItem->setText(undoCaption);
    if (m_redoItem->text() != redoCaption)
        m_redoItem->setText(redoCaption);
    m_undoItem->setEnabled(!m_handlerRuns && !m_undo.empty());
    m_redoItem->setEnabled(!m_handlerRuns && !m_redo.empty());
}

} // namespace host
