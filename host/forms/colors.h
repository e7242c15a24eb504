// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace host {

// Colour values as the programs write them: 0x00BBGGRR, RGB(r, g, b) = r + 256 g + 65536 b.
constexpr int32_t RGB(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

QColor toQColor(int32_t colorValue);
int32_t colorValue(QColor color);

// The classic 16-colour palette, entries 0..15.
QColor QBColor(int index);

} // namespace host
