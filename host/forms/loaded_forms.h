// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace host {

// Counts the loaded forms: the program ends when the last one unloads (a loaded form keeps
// it running even while hidden), and every yielding loop then stops.
class LoadedForms
{
public:
    void loaded();
    void unloaded();
    bool ending() const { return m_ending; }
    // How often the program has ended so far (a script may load a form again afterwards).
    int endings() const { return m_endings; }

private:
    int m_count = 0;
    bool m_ending = false;
    int m_endings = 0;
};

LoadedForms &loadedForms();

} // namespace host
