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

// What a picture area's export is called when the save dialog proposes a file name.
QString exportFileName(const PictureArea *area, const QString &suffix);

} // namespace host
