#pragma once

#include <QStringList>

namespace host {

// What Help > About neurosims says, the same in every program: the command and the suite's
// version, what the suite is for, its licence, and where the guide and the source are.
QStringList aboutLines();

// Shows them in the host's About box.
void showAboutNeurosims();

} // namespace host
