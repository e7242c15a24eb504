// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/hand_picture.h"

#include "host/forms/colors.h"

#include <array>

namespace reach {

namespace {

// k black outline, w white, s silver creases, b navy cuff, . background.
// clang-format off
constexpr std::array<const char *, 32> handRows {
    ".................kkk............",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwk...........",
    "................kwwwskkkk.......",
    "................kwwwswwwwkk.....",
    "................kwwwswwwwwwk....",
    "...........kk...kwwwsssssssk....",
    "..........kwwk.kwwwwswwwwwwk....",
    "..........kwwwkwwwwwswwwwwwk....",
    "..........kwwwwswwwwsssssssk....",
    "...........kwwwswwwwswwwwwwk....",
    "...........kwwwwwwwwswwwwwwk....",
    "...........kwwwwwwwwsssssssk....",
    "...........kwwwwwwwwwwwwwwwk....",
    "...........kwwwwwwwwwwwwwwwk....",
    "............kwwwwwwwwwwwwwwk....",
    "............kwwwwwwwwwwwwwk.....",
    ".............kwwwwwwwwwwwwk.....",
    ".............kwwwwwwwwwwwk......",
    "............kkkkkkkkkkkkkkk.....",
    "............kbbbbbbbbbbbbbk.....",
    "............kbbbbbbbbbbbbbk.....",
    "............kbbbbbbbbbbbbbk.....",
    "............kbbbbbbbbbbbbbk.....",
    "............bbbbbbbbbbbbbbb.....",
};
// clang-format on

QColor colourOf(char code)
{
    switch (code) {
    case 'k':
        return host::QBColor(0);
    case 's':
        return host::QBColor(7);
    case 'b':
        return host::QBColor(1);
    default:
        return host::QBColor(15);
    }
}

} // namespace

QImage handPicture()
{
    QImage picture(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            picture.setPixelColor(x, y, colourOf(handRows[y][x]));
    return picture;
}

} // namespace reach
