// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace calc {

inline const QColor kFormBack(0, 192, 192);

// Segment boxes: cleared, lit, and switched off again by a second toggle (225, not 255).
inline const QColor kSegmentCleared(255, 255, 255);
inline const QColor kSegmentLit(0, 0, 225);
inline const QColor kSegmentToggledOff(255, 255, 225);

inline const QColor kOutputRest(255, 255, 255);
inline const QColor kOutputResponding(255, 0, 0);

// The weight diagram on white; a weight's square red when it is 0 or more, blue below.
inline const QColor kWeightsBack(255, 255, 255);
inline const QColor kWeightPositive(255, 0, 0);
inline const QColor kWeightNegative(0, 0, 255);
inline const QColor kIconGrey(192, 192, 192);
inline const QColor kIconLit(0, 0, 255);

} // namespace calc
