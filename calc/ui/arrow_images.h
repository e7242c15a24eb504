// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace calc {

enum class ArrowDirection { Left, Right };

// The 32 by 32 pixel pictures of the "previous" and "next" numeral arrows: a dark triangle
// pointing left or right on a transparent ground.
QImage arrowImage(ArrowDirection direction);

} // namespace calc
