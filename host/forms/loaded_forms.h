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

private:
    int m_count = 0;
    bool m_ending = false;
};

LoadedForms &loadedForms();

} // namespace host
