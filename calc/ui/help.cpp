// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ui/help.h"

#include "calc/model/network.h"
#include "calc/ui/form1_layout.h"
#include "calc/ui/segment_names.h"
#include "host/forms/controls.h"
#include "host/forms/form.h"
#include "host/forms/help_page.h"

#include <utility>

namespace calc {

namespace {

void addToolTips(host::Form &form)
{
    host::setToolTips(
        form,
        {
            {"txtIpepoques",
             "How many epochs LEARN runs (every numeral presented once per epoch); 0 means 20."},
            {"chkGoSlow",
             "Waits a moment before every presentation, so that each step can be seen."},
            {"chkShowWts",
             "Redraws the weight diagram after every presentation; untick it to learn faster."},
            {"chkRandom",
             "Shuffles the order in which the numerals are presented, at the start of every "
             "epoch."},
            {"txtLrate",
             "The learning rate: every weight from an active segment changes by it times the "
             "output "
             "unit's error (target minus output)."},
            {"commLearn",
             "Starts learning from all weights 0, epoch after epoch, until an epoch ends without "
             "any "
             "error or the epochs are done."},
            {"txtEpoques", "The epoch that is running (or that the last run ended in)."},
            {"txtError",
             "The sum of the absolute errors of all output units over the last epoch; 0 means "
             "every numeral is recognised."},
            {"optThresh",
             "Threshold rule: an output unit is on (1) when its net input is greater than 1, "
             "otherwise off (0)."},
            {"optSig",
             "Sigmoid rule: an output unit's output is 1 / (1 + e^(-10 (net - 0.5))), rising "
             "smoothly from 0 to 1 around a net input of 0.5."},
            {"CommandHalt", "Stops the learning run after the epoch in progress."},
            {"CommandRestart",
             "Continues learning from the current weights (after Stop, or to learn more epochs)."},
            {"Check1",
             "Switches the input and output displays during learning off or back on (each click "
             "inverts it)."},
            {"picWts",
             "The weight diagram: a row per numeral, a column per segment; red squares are "
             "positive "
             "weights, blue ones negative, the size follows the weight."},
            {"Image1", "Steps to the previous numeral, shows it and tests the network on it."},
            {"Image2", "Steps to the next numeral, shows it and tests the network on it."},
            {"commProcessIp",
             "Tests the network on the numeral chosen last: output boxes whose output exceeds 0.1 "
             "turn red; nothing is learned."},
            {"Command1", "Redraws the weight diagram with the current weights."},
        });
    for (int i = 0; i < 7; ++i) {
        QWidget *segment = form.control<QWidget>(host::arrayName("Picture1", i));
        host::setToolTip(segment,
                         QString("Input unit %1, the %2 segment: blue while the numeral shown "
                                 "lights it; a click toggles it.")
                             .arg(i + 1)
                             .arg(segmentNames[i]));
        host::setAccessibleName(segment,
                                QString("Input segment %1, %2").arg(i + 1).arg(segmentNames[i]));
    }
    host::setAccessibleName(form.control<QWidget>("Image1"), "Previous numeral");
    host::setAccessibleName(form.control<QWidget>("Image2"), "Next numeral");
    for (int v = 0; v < 16; ++v) {
        host::setToolTip(form.control<QWidget>(host::arrayName("commShownum", v)),
                         QString("Shows the segments of the numeral %1 in the input display; "
                                 "\"Input Displayed Numeral\" then tests it.")
                             .arg(numeralCaption(v)));
        QWidget *box = form.control<QWidget>(host::arrayName("picOpnode", v));
        host::setToolTip(box,
                         QString("Output unit %1, which should answer the numeral %2 alone: red "
                                 "when its output exceeds 0.1.")
                             .arg(patternOfNumeral(int16_t(v)))
                             .arg(numeralCaption(v)));
        host::setAccessibleName(box, QString("Output unit for %1").arg(numeralCaption(v)));
    }
}

} // namespace

void addHelp(host::Form &form)
{
    addToolTips(form);
    host::addHelpMenu(
        form,
        {"About this model: the delta rule",
         ":/calc/help/about.html",
         {{"weights", [&form] { return form.control<QWidget>("picWts")->grab().toImage(); }},
          {"network", [&form] { return form.control<QWidget>("Frame2")->grab().toImage(); }}}});
}

} // namespace calc
