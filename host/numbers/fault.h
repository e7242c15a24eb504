// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace host {

// A fault the host detects while a program runs: an overflow, a text that is no number,
// a division by zero, an index outside an array, a missing or malformed file, or a value
// a handler cannot accept. The one event boundary of the forms layer catches it, shows
// its message and lets the program go on. Handlers check their inputs before changing
// state, so a fault leaves the model as it was.
class Fault : public std::runtime_error
{
public:
    enum class Kind { Overflow, NotANumber, DivisionByZero, IndexOutOfRange, File, Invalid };

    Fault(Kind kind, const std::string &message)
        : std::runtime_error(message)
        , m_kind(kind)
    {
    }

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace host
