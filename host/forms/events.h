// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>

class QAction;
class QObject;
class QLineEdit;
class QWidget;

namespace host {

class ScrollBar;

// What set a handler off: the control or menu item (nullptr when none did), and the gesture it
// belongs to. The moves and the release of a press share the press's gesture; typing into a
// text box and moving a scroll bar are gesture 0, a value being set; a click, a menu item and
// a key elsewhere each make a gesture of their own (newGesture).
struct HandlerSource
{
    const QObject *control = nullptr;
    std::uint64_t gesture = 0;
};
std::uint64_t newGesture();

// The one event boundary: every handler runs through it. A host::Fault raised inside is
// reported (a message box, or a "fault: ..." line under automation) and the program goes on;
// the handler is expected to check its inputs before changing any state.
void runHandler(const std::function<void()> &handler, HandlerSource source = {});
// Runs hook before every outermost handler (one not run from inside another) with what set it
// off, and after every outermost handler, for as long as owner lives: where a window notes
// what its state was and that it may have changed.
void beforeHandlers(QObject *owner, std::function<void(const HandlerSource &)> hook);
void afterHandlers(QObject *owner, std::function<void()> hook);

// Event bindings in the classic sense. A control may have several handlers for one event;
// they run in the order they were bound, each through runHandler.

// Click: a button, check box or option button pressed and released by mouse or keyboard;
// a picture area or label pressed and released with the pointer still over it.
void onClick(QWidget *control, std::function<void()> handler);
void onMenuClick(QAction *menuItem, std::function<void()> handler);
// Scroll bar Change: runs synchronously whenever the value changes (set from code, an arrow
// or track click, the thumb released). Scroll: runs while the thumb is dragged; the bar's
// value() is then the thumb's position.
void onChange(ScrollBar *bar, std::function<void()> handler);
void onScroll(ScrollBar *bar, std::function<void()> handler);
// A slider whose thumb, dragged or set, does one job: the handler gets the bar's value on
// Scroll and on Change alike.
void onScrollOrChange(ScrollBar *bar, std::function<void(int value)> handler);
// Text box Change: runs whenever its text changes, from code or by typing.
void onChange(QLineEdit *box, std::function<void()> handler);
// Key typed into a text box, with its key code (13 Enter, 8 Backspace, 27 Escape, 9 Tab,
// else the character's code). The key still reaches the box.
void onKeyPress(QLineEdit *box, std::function<void(int keyCode)> handler);

// Mouse handlers: button (1 left, 2 right, 4 middle; 0 for a move with no button held),
// shift state (1 shift, 2 ctrl, 4 alt) and the position, in user units on a picture area and
// in twips on any other control. MouseUp runs after the control has reacted to the release
// (a check box shows its new value already). A disabled control runs none of them.
using MouseHandler = std::function<void(int button, int shift, QPointF position)>;
void onMouseDown(QWidget *control, MouseHandler handler);
void onMouseMove(QWidget *control, MouseHandler handler);
void onMouseUp(QWidget *control, MouseHandler handler);

// What a person does, as it passes here, for whoever records it: a click on a button or a
// label, a scroll bar's new value, a menu item chosen, a mouse press, drag or release on a
// picture area. The watcher gets the control and the script command that does the same
// ("click", "set" with "12", "mouse" with "down 10 20", picture area user units written so
// that they read back to the very position), before the action's handlers run; only actions
// that arrive from the event loop (atEventLoop) reach it. One watcher at a time; an empty one
// ends the watching.
using ActionWatcher
    = std::function<void(QObject *control, const QString &command, const QString &arguments)>;
void watchActions(ActionWatcher watcher);
// Reports an action to the watcher as the bindings do: for a control that has no handler
// of that event bound (the watcher attaches to it itself).
void noticeAction(QObject *control, const QString &command, const QString &arguments = {});
// Whether a control's clicks, changes or choices already reach the watcher through its
// bindings.
bool isNoticed(const QObject *control);

// Whether code runs straight from the event loop, where what a person does arrives: outside
// every handler, or inside a yield and outside the handlers begun within it.
bool atEventLoop();
// How many yields are running, one inside another, and how many have begun so far.
int yieldDepth();
long long yieldsSoFar();
// Held by yield() while it processes events: it counts the yield, and handlers begun inside
// count their depth from there.
class YieldLevel
{
public:
    YieldLevel();
    ~YieldLevel();
    YieldLevel(const YieldLevel &) = delete;
    YieldLevel &operator=(const YieldLevel &) = delete;

private:
    int m_savedBase;
};

} // namespace host
