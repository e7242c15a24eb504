// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QLineEdit;

namespace host {

// Keeps the whole text of a text box in view, at every change of its text. A text that does
// not fit the box's width at its font gets a smaller font, down to three quarters of its size
// as captions do. When even that is too wide, the box widens to the right over free room of
// its container (never over another control), and only when that room is not enough either
// does the font get as small as the text needs. A text that fits shows in the box's own font
// and width again. Call it once, after the box is placed; font and width (in pixels) are the
// box's at zoom 1, and the fit follows the zoom of the box's form.
void keepTextWhole(QLineEdit *box, const QFont &font, int width);
// Fits the box's text again (after a zoom step); nothing for a box keepTextWhole never had.
void fitTextToBox(QLineEdit *box);

} // namespace host
