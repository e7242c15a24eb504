#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QAction;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace host {

// The one event boundary: every handler runs through it. A host::Fault raised inside is
// reported (a message box, or a "fault: ..." line under automation) and the program goes on;
// the handler is expected to check its inputs before changing any state.
void runHandler(const std::function<void()> &handler);
void reportFault(const QString &message);

// Event bindings in the classic sense; each handler runs through runHandler.
void onClick(QAbstractButton *button, std::function<void()> handler);
void onTriggered(QAction *menuItem, std::function<void()> handler);
// Scroll bar Change: runs synchronously whenever the value changes (set from code, an arrow
// or track click, the thumb released). Scroll: runs while the thumb is dragged.
void onChange(QScrollBar *bar, std::function<void()> handler);
void onScroll(QScrollBar *bar, std::function<void()> handler);
// Mouse button pressed or released over a control; a release handler runs after the control
// has reacted to the release (a check box shows its new value already).
void onMouseDown(QWidget *control, std::function<void()> handler);
void onMouseUp(QWidget *control, std::function<void()> handler);
// Key typed into a text box, with its key code (13 for Enter).
void onKeyPress(QLineEdit *box, std::function<void(int keyCode)> handler);
// Text box Change: runs whenever its text changes, from code or by typing.
void onTextChange(QLineEdit *box, std::function<void()> handler);

} // namespace host
