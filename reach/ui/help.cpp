// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/help.h"

#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/help_page.h"

#include <utility>

namespace reach {

namespace {

// Screen-reader names of the controls that no caption or label beside them names.
void nameControls(host::Form &form)
{
    const std::pair<const char *, const char *> names[] = {
        {"txtHandx", "Hand X"},
        {"txtHandy", "Hand Y"},
        {"target", "Target"},
        {"distractor", "Distractor"},
        {"Hand", "Hand"},
        {"Frame2", "Cell display"},
        {"hsbSpeed", "Hand Speed"},
        {"hsbCelltune", "Cell response tuning"},
        {"hsbAttended", "Attention Boost"},
        {"hsbSuppLevel", "Suppression Level"},
    };
    for (const auto &[name, accessible] : names)
        host::setAccessibleName(form.control<QWidget>(name), accessible);
    const std::pair<int, const char *> inks[]
        = {{3, "blue"}, {4, "dark red"}, {5, "dark purple"}, {6, "teal"}};
    for (const auto &[index, colour] : inks) {
        host::setAccessibleName(form.control<QWidget>(host::arrayName("opInk", index)),
                                QString("Path colour %1").arg(colour));
        host::setAccessibleName(form.control<QWidget>(host::arrayName("picInk", index)),
                                QString("Path colour %1 swatch").arg(colour));
    }
}

} // namespace

void addHelp(host::Form &form)
{
    nameControls(form);
    host::addHelpMenu(
        form,
        {"About this model: the population vector",
         ":/reach/help/about.html",
         {{"hand", [&form] { return form.control<QWidget>("picture1")->grab().toImage(); }},
          {"cells", [&form] { return form.control<QWidget>("cell1")->grab().toImage(); }}}});
}

} // namespace reach
