// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace calc {

inline const QColor formBack(0, 192, 192);

// Segment boxes: cleared, lit, and switched off again by a second toggle (225, not 255).
inline const QColor segmentCleared(255, 255, 255);
inline const QColor segmentLit(0, 0, 225);
inline const QColor segmentToggledOff(255, 255, 225);

inline const QColor outputRest(255, 255, 255);
inline const QColor outputResponding(255, 0, 0);

// The weight diagram on white; a weight's square red when it is 0 or more, blue below.
inline const QColor weightsBack(255, 255, 255);
inline const QColor weightPositive(255, 0, 0);
inline const QColor weightNegative(0, 0, 255);
inline const QColor iconGrey(192, 192, 192);
inline const QColor iconLit(0, 0, 255);

} // namespace calc
