// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/help.h"

#include "sidestop/ui/form1.h"

#include "host/forms/controls.h"
#include "host/forms/help_page.h"

#include <utility>

namespace sidestop {

namespace {

void addMainToolTips(Form1 &form)
{
    for (int k = 0; k < unitCount; ++k) {
        host::setToolTip(form.control<QWidget>(host::arrayName("text1", k)),
                         QString("Unit %1's external input for the next run; RUN reads the "
                                 "number this text starts with.")
                             .arg(k + 1));
        host::setToolTip(form.control<QWidget>(host::arrayName("VScroll1", k)),
                         QString("Sets unit %1's external input from 0 (bottom) to 1 (top): an "
                                 "arrow moves it by 0.02, the track by 0.1.")
                             .arg(k + 1));
    }
    host::setToolTips(
        form,
        {
            {"chkUpdate",
             "Opens or closes the graph window, which draws the input levels and, after each run, "
             "every unit's activation over time; while ticked, moving a level redraws its bar."},
            {"commExtipdef",
             "Sets the inputs to the default pattern 0, 0.2, 0.3, 0, 0, 0.9, 0, 0.4, 0.1, 0: "
             "unit 6 receives the strongest input."},
            {"txtNegwt",
             "The lateral inhibitory weight: how strongly every other unit (or, under the "
             "alternative rule, every more active unit) pushes a unit's activation down."},
            {"hsbNegwt", "Sets the lateral inhibitory weight to the value / 100, from 0 to 2."},
            {"txtPoswt",
             "The positive feedback weight: the share of its own last activation a unit feeds "
             "back to itself."},
            {"hsbPoswt", "Sets the positive feedback weight to the value / 100, from 0 to 1."},
            {"txtNoise",
             "The noise setting added to every unit at every step; 0 switches the noise off."},
            {"hsbNoise", "Sets the noise to the value / 500, from 0 to 0.2."},
            {"comPardef",
             "Default settings: 20 iterations, input removed after iteration 16, feedback weight "
             "0.1, inhibitory weight 0.5 and no noise."},
            {"txtIter",
             "How many synchronous updates of all ten units a run performs (Enter takes it at "
             "once; RUN reads it anyway)."},
            {"hsbNiterations", "Sets the number of iterations of a run, from 0 to 100."},
            {"txtExtipoff",
             "The iteration after which every external input is removed (press Enter); 0 keeps "
             "the input on for the whole run."},
            {"hsbExtipoff",
             "Sets the iteration after which the external input is removed, from 0 to 100."},
            {"optRegLI",
             "Standard rule: every other unit inhibits a unit in proportion to its own "
             "activation, whatever its distance."},
            {"optQ94",
             "Alternative rule: a unit is inhibited only by units more active than itself, in "
             "proportion to the difference, so the most active unit is not inhibited at all."},
            {"chkRamp",
             "Ramps the external input in over the first four iterations: a quarter, a half, "
             "three quarters, then all of it."},
            {"commRun",
             "Starts every activation at 0 and performs the iterations, each unit adding its "
             "input and self-excitation and subtracting the inhibition, clamped to 0..1."},
        });
    host::Form &graph = form.graphWindow();
    host::setToolTips(
        graph,
        {
            {"picBargraph",
             "The external input of each unit 1 to 10 as a bar from 0 to 1, drawn when the window "
             "opens and, bar by bar, as the levels move."},
            {"picGraph",
             "Every unit's activation after each iteration of the last run, one coloured curve "
             "per unit from the origin; the vertical line marks where the input was removed."},
        });
}

} // namespace

void addHelp(Form1 &form)
{
    addMainToolTips(form);
    // The graph of the last run when the window shows one, else the main window.
    auto picture = [&form] {
        host::Form &graph = form.graphWindow();
        if (graph.isVisible())
            return graph.control<QWidget>("picGraph")->grab().toImage();
        return form.client()->grab().toImage();
    };
    host::addHelpMenu(form,
                      {"About this model: lateral inhibition",
                       ":/sidestop/help/about.html",
                       {{"picture", picture}}});
}

} // namespace sidestop
