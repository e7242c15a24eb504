// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QMenu;

namespace host {

class PictureArea;

// The menu a picture area opens on a right click: Copy, Save as PNG (at the screen's
// resolution or at twice it), Save as SVG and Save data as CSV (only for a display whose
// program gives it numbers). Each item asks for a file with the system's save dialog; a
// cancelled dialog does nothing, and a file that cannot be written is reported as a fault.
// While a script runs no dialog opens: the item faults and names the export command to use.
QMenu *exportMenu(PictureArea *area);

// What a display shows, for the names its exports are offered under ("cell display"); an
// area without one is offered under its program's and its own name.
void setExportName(PictureArea *area, const QString &name);
// What a picture area's export is called when the save dialog proposes a file name:
// "reach cell display.png".
QString exportFileName(const PictureArea *area, const QString &suffix);
// Where the save dialog proposes that file: in the folder of the last export, else in the
// user's pictures folder (documents for numbers, suffix "csv"), else in the home folder.
QString exportPath(const PictureArea *area, const QString &suffix);
// The file the user chose: its folder is where the next dialog opens.
void rememberExportFolder(const QString &path);

} // namespace host
