// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace reach {

// A 32 x 32 picture of a hand with the index finger pointing up, in colours of the classic
// 16-colour palette on white. The fingertip is at the top, 18 pixels from the left edge.
QImage handPicture();

} // namespace reach
