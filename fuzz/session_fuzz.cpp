// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the input as a session of one program's core: its state section checked against the
// core's registry, beside a displays section that holds the random generator's state. What must
// hold: a refusal is a file fault and changes nothing; an accepted file writes, and the state it
// leaves saves to a file that opens again and saves to the same text.

#include FUZZ_STATE_HEADER

#include "host/numbers/fault.h"
#include "host/numbers/session_document.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void broken(const std::string &what)
{
    std::fprintf(stderr, "session: %s\n", what.c_str());
    std::abort();
}

// Every value of the sections, read as they are: cheaper to take and compare than the text.
std::vector<host::StateValue> valuesOf(const std::vector<host::SessionSection> &sections)
{
    std::vector<host::StateValue> values;
    for (const host::SessionSection &section : sections)
        for (const host::StateEntry &entry : section.registry->entries())
            values.push_back(entry.read());
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    static FUZZ_CORE core;
    static const host::StateRegistry state = FUZZ_NAMESPACE::stateRegistry(core);
    static const host::StateRegistry displays = [] {
        host::StateRegistry registry;
        registry.add(host::randomStateEntry());
#ifdef FUZZ_PATTERN_FILE
        // The window's network, with its patterns in the session as the window saves them.
        core.load(FUZZ_PATTERN_FILE);
        registry.add("inPatterns", core.net.inPatterns);
        registry.add("targets", core.net.targets);
#endif
        return registry;
    }();
    host::SessionCheck together;
#ifdef FUZZ_PATTERN_FILE
    together = [](const host::SessionLookup &saved) { calc::checkSavedNetwork(core.net, saved); };
#endif
    const std::vector<host::SessionSection> sections {{"state", &state}, {"displays", &displays}};
    const std::vector<host::StateValue> before = valuesOf(sections);
    host::SessionValues values;
    try {
        values = host::readSession(std::string_view(reinterpret_cast<const char *>(data), size),
                                   FUZZ_PROGRAM, sections, together);
    } catch (const host::Fault &fault) {
        if (fault.kind() != host::Fault::Kind::File)
            broken(std::string("a refusal of another kind: ") + fault.what());
        if (valuesOf(sections) != before)
            broken("a refused file changed the state");
        return 0;
    }
    host::writeSession(sections, values);
    std::string saved;
    try {
        saved = host::sessionText(FUZZ_PROGRAM, sections);
    } catch (const host::Fault &) {
        return 0; // a value no JSON number holds, refused when saving
    }
    host::writeSession(sections, host::readSession(saved, FUZZ_PROGRAM, sections, together));
    if (host::sessionText(FUZZ_PROGRAM, sections) != saved)
        broken("a saved state opens to another state");
    return 0;
}
