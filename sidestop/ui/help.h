// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace host {
class Form;
}

namespace sidestop {

class Form1;

// The tooltips of both windows, and Help > "About this model" on the main window.
void addHelp(Form1 &form);

} // namespace sidestop
