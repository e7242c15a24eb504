// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/ui/help.h"

#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/help_page.h"

#include <utility>

namespace somatomap {

namespace {

const char *const partNames[4] = {"finger 1", "finger 2", "finger 3", "the palm"};

// Where hand region k lies: a finger's six regions run from the tip (1) to the base (6); the
// palm's six lie in two rows of three.
QString regionPlace(int k)
{
    if (k < 18)
        return QString("finger %1, position %2 from the tip").arg(k / 6 + 1).arg(k % 6 + 1);
    const int palm = k - 18;
    return QString("the palm, column %1 of the %2 row")
        .arg(palm % 3 + 1)
        .arg(palm < 3 ? "upper" : "lower");
}

void addToolTips(host::Form &form)
{
    host::setToolTips(
        form,
        {
            {"Picture1",
             "The hand: three fingers of six regions and a palm of six; click a region to touch "
             "it."},
            {"picOff", "The colour of a region that is not touched."},
            {"commCleanHand",
             "Switches every hand region off and clears the map to its grid; the weights stay."},
            {"picSenseMap",
             "The sensory map of 20 x 20 nodes: each square shows how strongly that node responds "
             "to the touched region."},
            {"chkMapOn",
             "While ticked, a touch or a hand-part choice computes the map's response and draws "
             "it."},
            {"commIncCont",
             "One step of contrast enhancement: nodes near the peak grow, the others decay toward "
             "0, sharpening the response into a bubble."},
            {"CommFindWinner",
             "Six steps of contrast enhancement in a row: the response becomes a bubble around the "
             "most active node."},
            {"optDotProd",
             "A node's response is the mean of its weights on the touched region's active inputs "
             "(a normalised dot product)."},
            {"optRadBas",
             "A node's response is exp(-0.5 x distance) between the region's input and the node's "
             "weights (a radial basis)."},
            {"commReset", "Gives every node new random weights, each node's weights summing to 4."},
            {"commLrn",
             "One learning step on the region touched last: the best matching node and its "
             "neighbours move their weights toward that region's input."},
            {"txtPeakrad",
             "The bubble radius: how far contrast enhancement and a learning step reach around the "
             "peak."},
            {"hsbPeakrad",
             "Sets the bubble radius from 1 to 10 and runs Find Peak Activity with it."},
            {"commLrnHand",
             "Learns the whole hand: each trial touches 24 random regions and trains the winner's "
             "neighbourhood, which shrinks as the trials go on."},
            {"txtLrate",
             "The learning rate: the share of the difference between input and weights a node "
             "learns at the winner."},
            {"commAbort", "Stops a whole-hand run before its next trial."},
            {"txtNumTrials", "How many trials a whole-hand run performs."},
            {"txtTrialNum", "The trial a whole-hand run is at."},
            {"txtCurrentRad", "The neighbourhood radius of the whole-hand run at this trial."},
            {"txtError",
             "The mean difference between inputs and weights in the neighbourhoods trained in the "
             "last trial: it falls as the map learns the hand."},
        });
    // Names for the displays and boxes that no label beside them names.
    const std::pair<const char *, const char *> names[] = {
        {"Picture1", "Hand"},
        {"picOff", "Colour of a region not touched"},
        {"picSenseMap", "Sensory map"},
        {"txtTrialNum", "Trial number"},
        {"txtCurrentRad", "Current radius"},
    };
    for (const auto &[name, accessible] : names)
        host::setAccessibleName(form.control<QWidget>(name), accessible);
    for (int part = 0; part < 4; ++part) {
        host::setToolTip(form.control<QWidget>(host::arrayName("optHandPart", part)),
                         QString("Touches all six regions of %1 at once and draws the map's "
                                 "response to each in that part's colour.")
                             .arg(partNames[part]));
        QWidget *swatch = form.control<QWidget>(host::arrayName("picActivityCol", part));
        host::setToolTip(
            swatch, QString("The colour of %1 on the hand and on the map.").arg(partNames[part]));
        host::setAccessibleName(swatch, QString("Colour of %1").arg(partNames[part]));
    }
    for (int k = 0; k < 24; ++k) {
        QWidget *region = form.control<QWidget>(host::arrayName("picHandF1", k));
        host::setToolTip(region,
                         QString("Hand region %1, %2: a click touches it alone and shows the "
                                 "map's response to it.")
                             .arg(k)
                             .arg(regionPlace(k)));
        host::setAccessibleName(region, QString("Hand region %1, %2").arg(k).arg(regionPlace(k)));
    }
}

} // namespace

void addHelp(host::Form &form)
{
    addToolTips(form);
    host::addHelpMenu(
        form,
        {"About this model: a map of the hand",
         ":/somatomap/help/about.html",
         {{"hand", [&form] { return form.control<QWidget>("Picture1")->grab().toImage(); }},
          {"map", [&form] { return form.control<QWidget>("picSenseMap")->grab().toImage(); }}}});
}

} // namespace somatomap
