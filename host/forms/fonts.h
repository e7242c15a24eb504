// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace host {

// A font as a form names it: a classic face, its size in points, bold and italic.
struct FontChoice
{
    const char *face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

// Maps the classic face names onto installed fonts of similar width.
QFont classicFont(const FontChoice &choice);

// Gives a control a font in which a line of its caption fits the room it has (its width less
// what its indicator or border takes): the font itself when the line fits, else a little
// smaller, down to three quarters of its size, so that the caption shows whole.
void setFittingFont(QWidget *control, const QFont &font, const QString &line, int roomPixels);

} // namespace host
