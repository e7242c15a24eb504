// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The neurosims extension module: the four programs' models and their drivers, the same code
// the windows run, without the windows.

#include "python/common.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

PYBIND11_MODULE(neurosims, module)
{
    module.doc() = "The models of the four neurosims programs, number for number those the "
                   "windows run:\n\n"
                   "  reach      a population of direction-tuned cells guides a hand to a target\n"
                   "  sidestop   a layer of units that excite themselves and inhibit each other\n"
                   "  calc       a one-layer network learns to name the numerals of a display\n"
                   "  somatomap  a self-organising map learns the layout of a hand\n\n"
                   "A refusal the window shows as a message is a ValueError here.";
    pybind11::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown)
                std::rethrow_exception(thrown);
        } catch (const host::Fault &fault) {
            PyErr_SetString(PyExc_ValueError, fault.what());
        }
    });
    module.def(
        "float_text", [](float value) { return host::floatText(value); }, pybind11::arg("value"),
        "The text a window's number box shows for a 32-bit float: at most 7 significant digits.");
    neurosims::addReach(module);
    neurosims::addSidestop(module);
    neurosims::addCalc(module);
    neurosims::addSomatomap(module);
}
