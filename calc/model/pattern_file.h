// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/model/network.h"

#include <string>

namespace calc {

// The file the program reads its training patterns from, in the current directory.
inline constexpr const char *patternFileName = "calc2.dat";

// The largest sizes a pattern file may give.
inline constexpr int maxPatterns = 16;
inline constexpr int maxInputs = 7;
inline constexpr int maxOutputs = 16;

// Reads a pattern file and returns a network of its sizes and patterns, with every weight,
// net input, output and error 0. The file is text, one record a line:
//     number of patterns (1..16)
//     number of input units (1..7)
//     number of output units (1..16)
//     one line a pattern: input units, a comma, target units; units separated by single blanks
// Lines after the last pattern are not read. A missing or malformed file is a file fault whose
// message names the file, the line and what is wrong; the caller's network stays as it was.
Network loadPatternFile(const std::string &path);

} // namespace calc
