// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace host {

// What Help > About neurosims says, the same in every program: the command and the suite's
// version, what the suite is for, its licence, and where the guide and the source are.
QStringList aboutLines();

// Shows them in the host's About box.
void showAboutNeurosims();

} // namespace host
