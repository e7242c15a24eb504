// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace host {
class Form;
}

namespace somatomap {

// The tooltips of the window's controls, and Help > "About this model".
void addHelp(host::Form &form);

} // namespace somatomap
