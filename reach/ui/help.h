// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace host {
class Form;
}

namespace reach {

// Help > "About this model", with the two displays as they are when the page opens.
void addHelp(host::Form &form);

// What each control and picture does in the model, in one sentence, shown when the pointer
// rests on it.
void addToolTips(host::Form &form);

} // namespace reach
