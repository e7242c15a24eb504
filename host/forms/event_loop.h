// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace host {

// True once no form remains loaded: loops that yield stop then.
bool programEnding();

// Processes pending events (their handlers run inside the caller, on the same state) and
// returns; false when the program is ending or ended during the yield (even when a form was
// loaded again before it returned), so that a yielding loop ends cleanly. Every loop that
// yields must stop when it returns false.
[[nodiscard]] bool yield();

// Waits about the given time while repainting what changed, handling no input (a click made
// meanwhile waits for the next yield). While a script runs it only repaints, unless the
// script asked for real pauses.
void pause(int milliseconds);

} // namespace host
