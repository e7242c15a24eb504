// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace host {

class Form;
class SessionFile;

// A file dropped on the window opens as File > Open opens it, after the question about unsaved
// changes: one local file at a time (a drop of several, or of a web address, is not taken).
void acceptDroppedSessions(Form &form, SessionFile &session);

} // namespace host
