// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/ui/help.h"

#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/help_page.h"

#include <utility>

namespace reach {

namespace {

// The path colour swatches by their index, in words.
constexpr std::pair<int, const char *> inkColours[]
    = {{3, "blue"}, {4, "dark red"}, {5, "dark purple"}, {6, "teal"}};

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
    for (const auto &[index, colour] : inkColours) {
        host::setAccessibleName(form.control<QWidget>(host::arrayName("opInk", index)),
                                QString("Path colour %1").arg(colour));
        host::setAccessibleName(form.control<QWidget>(host::arrayName("picInk", index)),
                                QString("Path colour %1 swatch").arg(colour));
    }
}

} // namespace

void addToolTips(host::Form &form)
{
    host::setToolTips(
        form,
        {
            {"picture1",
             "The hand trajectory display: the hand starts at (0, 0) and draws its path toward the "
             "target; press here to place the target or the distractor chosen above."},
            {"cell1",
             "The direction cell response display: one spoke (or bar) per cell, pointing in the "
             "cell's preferred direction and as long as its response."},
            {"target",
             "The target the hand reaches for; pressing on it chooses placing the target."},
            {"distractor",
             "The distractor, a non-target the cells respond to while \"Respond to Distractor\" is "
             "on; releasing the mouse on it chooses placing the distractor."},
            {"Hand",
             "The hand: its fingertip marks the position from which the cells see the target and "
             "the "
             "distractor."},
            {"optTarget",
             "Press on the display to put the target there and drag to move it; the choice "
             "switches "
             "to the distractor when the mouse is released on the blue distractor square."},
            {"optDistractor",
             "Press on the display to put the distractor there and drag to move it; the choice "
             "switches to the target when the mouse is pressed on the brown target square."},
            {"txtTxpos", "The target's x in display units, 2 units in from its square's corner."},
            {"txtTypos", "The target's y in display units, 2 units in from its square's corner."},
            {"txtDxpos",
             "The distractor's x in display units, 2 units in from its square's corner."},
            {"txtDypos",
             "The distractor's y in display units, 2 units in from its square's corner."},
            {"commReach",
             "Moves the hand step by step along the population vector of the cell responses until "
             "it "
             "is within 2 units of the target or more than 10 units above it."},
            {"commRestart",
             "Puts the hand back at (0, 0) and makes REACH available again; the paths stay drawn."},
            {"txtHandx", "The hand's x after its latest step."},
            {"txtHandy", "The hand's y after its latest step."},
            {"chkBarChart",
             "Shows the responses as bars, the rightward cells on the right and the leftward cells "
             "on "
             "the left, instead of spokes."},
            {"chkColCode",
             "Colours each cell by the share of its response the target drives: red for the target "
             "alone, shading to blue as the distractor's share grows."},
            {"chkOnLinePath", "Draws the hand's path on the display while the hand moves."},
            {"commDelPath",
             "Clears the paths and redraws the baseline in the current path colour."},
            {"chkWithWithout",
             "REACH runs the same reach twice: without the distractor in dark red, then from the "
             "start again with it in blue."},
            {"chkSeeDistractor",
             "Cells respond to the distractor as well, each by its tuning to the distractor's "
             "direction from the hand."},
            {"chkSuppDist",
             "Turns the distractor's part of every response negative, scaled by the Suppression "
             "Level."},
            {"chkDisteffect",
             "Weakens the response to a stimulus with its distance from the hand: full at 0, a "
             "quarter at 100 units and beyond."},
            {"chkSidestop",
             "After the responses, each cell gains a tenth of the responses around it (four cells "
             "each side) and loses a twentieth of the rest, kept within 0 to 2."},
            {"chkPrinting",
             "Stores every later hand path on the printer page, thick while the distractor is "
             "responded to."},
            {"commPrint",
             "Prints the chosen display with a legend and the current settings (the hand display "
             "with the stored paths)."},
            {"ckKill", "Discards the page being prepared, stored paths included."},
            {"optPrintHand", "Print puts the hand display with the stored paths on the page."},
            {"optPrintCell", "Print puts the cell display, as it is drawn now, on the page."},
            {"optExp",
             "Exponential tuning: a cell's response falls as e to the power -k times the angle "
             "between its preferred direction and the stimulus."},
            {"optGauss",
             "Gaussian tuning: the response falls as e to the power -k times the angle squared, "
             "flat near the preferred direction."},
            {"hsbSpeed", "The step length of the next reach: the value / 10, from 1 to 4 units."},
            {"hsbCelltune",
             "The tuning width k = value / 5: Coarse gives every cell a broad tuning curve, Fine a "
             "narrow one."},
            {"hsbAttended",
             "Attention Boost multiplies the target-driven part of every response by 1 + value / "
             "100, from 1 to 2."},
            {"hsbSuppLevel",
             "How much a suppressed distractor takes away: its part of each response times the "
             "value "
             "/ 100, from 0 to 1."},
        });

    const char *places[] = {"Near Right", "Near Left", "Far Right", "Far Left"};
    for (int i = 0; i < 4; ++i) {
        host::setToolTip(form.control<QWidget>(host::arrayName("optTpos", i)),
                         QString("Puts the target at the %1 place; the cells show it at their "
                                 "next redraw.")
                             .arg(places[i]));
        host::setToolTip(form.control<QWidget>(host::arrayName("optDpos", i)),
                         QString("Puts the distractor at the %1 place; the cells show it at their "
                                 "next redraw.")
                             .arg(places[i]));
    }
    for (const auto &[index, colour] : inkColours) {
        const QString tip = QString("Draws the paths from now on in %1.").arg(colour);
        host::setToolTip(form.control<QWidget>(host::arrayName("picInk", index)), tip);
        host::setToolTip(form.control<QWidget>(host::arrayName("opInk", index)), tip);
    }
}

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
