// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/numbers/state_registry.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

// A session document: a program's whole state as one JSON object,
//   { "program": "calc", "format": 1, "<section>": { "<piece>": value, ... }, ... }
// with one section per registry (the model's state, the controls' values, what the displays
// redraw from). A piece with one number is a JSON number (a bool true or false), a piece with
// several is one flat array of them, first index outermost (as `var` prints it), and a text
// piece is a string. Each number is the shortest text that reads back to the same value of
// the piece's type: a 32-bit float's own shortest text, so the file is exact and diffable.
// Only the pieces a registry can write are saved; derived ones are worked out again.
constexpr int sessionFormat = 1;

struct SessionSection
{
    std::string name;
    const StateRegistry *registry = nullptr;
};

// A piece holding a number that is not finite (no JSON number can hold it) is a host::Fault
// (Fault::Kind::File) naming it.
std::string sessionText(std::string_view program, const std::vector<SessionSection> &sections);

// The values a session document holds for each section, every one read as its piece's type
// and passed through the piece's checks, none written yet.
using SessionValues = std::vector<std::vector<std::pair<std::string, StateValue>>>;

// A check of pieces that must agree with each other (a network's size and its weights, say):
// it finds a read value by its piece's name in any section (nullptr when none has it) and
// refuses with a host::Fault.
using SessionLookup = std::function<const StateValue *(std::string_view name)>;
using SessionCheck = std::function<void(const SessionLookup &saved)>;

// Reads and checks a whole document: a host::Fault (Fault::Kind::File) says what is wrong
// when it is no JSON object, belongs to another program, has another format, lacks a section
// or a piece or has one too many, or holds a value its piece refuses (a wrong kind or count,
// a number out of its type's or its piece's range).
// Then the values go through together (when given).
SessionValues readSession(std::string_view text, std::string_view program,
                          const std::vector<SessionSection> &sections,
                          const SessionCheck &together = {});

// Writes checked values into the sections' registries.
void writeSession(const std::vector<SessionSection> &sections, const SessionValues &values);

// The random generator's state as a piece of state ("random": its word as a decimal text),
// so that a run after opening a session draws what it would have drawn.
StateEntry randomStateEntry();

} // namespace host
