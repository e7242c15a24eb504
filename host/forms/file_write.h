// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace host {

// The one way the programs write a file: pictures, numbers, printed pages, grabs. The bytes go
// to a new file beside the target, which takes the target's place only once all of them are
// on the disk. A write that fails (a full disk, a missing folder, a folder in the way) leaves
// an earlier file as it was and no partial file behind. A target marked read-only, or one
// the user may not write, is refused and kept, whatever its folder allows.
// A failure faults (Fault::Kind::File): The file "<path>" could not be written: <why>.
void writeWholeFile(const QString &path, const QByteArray &bytes);

// The fault of a file that could not be written, for why the bytes could not even be made.
[[noreturn]] void fileNotWritten(const QString &path, const QString &why);

} // namespace host
