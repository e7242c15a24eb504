// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's controls as members, laid out from the table, and its menu.

#include "reach/ui/form1.h"
#include "reach/ui/form1_layout.h"
#include "reach/ui/hand_picture.h"
#include "reach/ui/help.h"

#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/picture_area.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace reach {

void Form1::createControls()
{
    setFont(host::classicFont(windowFont));
    host::layOut(client(), layoutRows());

    picture1 = control<host::PictureArea>("picture1");
    cell1 = control<host::PictureArea>("cell1");
    target = control<host::PictureArea>("target");
    distractor = control<host::PictureArea>("distractor");
    hand = control<host::PictureArea>("Hand");
    hand->setPicture(handPicture());
    for (int i = 3; i <= 6; ++i) {
        picInk[i] = control<host::PictureArea>(host::arrayName("picInk", i));
        opInk[i] = control<QRadioButton>(host::arrayName("opInk", i));
    }
    for (int i = 0; i < 4; ++i) {
        optTpos[i] = control<QRadioButton>(host::arrayName("optTpos", i));
        optDpos[i] = control<QRadioButton>(host::arrayName("optDpos", i));
    }
    for (auto [field, name] : {std::pair {&optTarget, "optTarget"},
                               {&optDistractor, "optDistractor"},
                               {&optExp, "optExp"},
                               {&optGauss, "optGauss"},
                               {&optPrintHand, "optPrintHand"},
                               {&optPrintCell, "optPrintCell"}})
        *field = control<QRadioButton>(name);
    for (auto [field, name] : {std::pair {&chkWithWithout, "chkWithWithout"},
                               {&chkOnLinePath, "chkOnLinePath"},
                               {&chkBarChart, "chkBarChart"},
                               {&chkColCode, "chkColCode"},
                               {&chkSeeDistractor, "chkSeeDistractor"},
                               {&chkSuppDist, "chkSuppDist"},
                               {&chkDisteffect, "chkDisteffect"},
                               {&chkSidestop, "chkSidestop"},
                               {&chkPrinting, "chkPrinting"}})
        *field = control<QCheckBox>(name);
    for (auto [field, name] : {std::pair {&commReach, "commReach"},
                               {&commRestart, "commRestart"},
                               {&commDelPath, "commDelPath"},
                               {&commPrint, "commPrint"},
                               {&ckKill, "ckKill"}})
        *field = control<QPushButton>(name);
    for (auto [field, name] : {std::pair {&txtTxpos, "txtTxpos"},
                               {&txtTypos, "txtTypos"},
                               {&txtDxpos, "txtDxpos"},
                               {&txtDypos, "txtDypos"},
                               {&txtHandx, "txtHandx"},
                               {&txtHandy, "txtHandy"}})
        *field = control<QLineEdit>(name);
    for (auto [field, name] : {std::pair {&hsbSpeed, "hsbSpeed"},
                               {&hsbCelltune, "hsbCelltune"},
                               {&hsbAttended, "hsbAttended"},
                               {&hsbSuppLevel, "hsbSuppLevel"}})
        *field = control<host::ScrollBar>(name);
    createMenu();
    addToolTips(*this);
}

void Form1::createMenu()
{
    QMenu *sims = addMenu("mnuSims", "&Simulations");
    const char *captions[] = {"Near &Right", "Near &Left", "&Far Right", "F&ar Left"};
    for (int i = 0; i < 4; ++i)
        host::onMenuClick(addMenuItem(sims, host::arrayName("itSim", i), captions[i]),
                          [this, i] { onSimulation(i); });
    addMenuSeparator(sims, "itLine");
    host::onMenuClick(addMenuItem(sims, "itAll", "All &Positions"), [this] { onAllPositions(); });
}

} // namespace reach
