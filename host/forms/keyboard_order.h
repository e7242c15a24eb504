// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

namespace host {

// Readies a laid-out client for the keyboard and for screen readers (layOut calls it; it
// may run again). The tab order follows the layout: top to bottom, left to right within a
// row, a frame's or picture area's controls in its place. Scroll bars take the focus by Tab
// (their arrow keys change the value) and buttons press with Enter as well as Space. A
// control without a caption of its own (text box, scroll bar, picture area, blank button)
// is named after the label beside or above it, under its frame's caption.
void arrangeForKeyboard(QWidget *client);

// The name a screen reader gives a control, instead of the one the layout derives; it stays
// when the layout is arranged again.
void setAccessibleName(QWidget *control, const QString &name);

} // namespace host
