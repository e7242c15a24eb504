// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ui/form1.h"

#include "calc/model/pattern_file.h"
#include "calc/ui/arrow_images.h"
#include "calc/ui/display_colors.h"
#include "calc/ui/form1_layout.h"
#include "calc/ui/help.h"
#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/messages.h"
#include "host/forms/picture_area.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace calc {

namespace {

constexpr const char *kVersion = "1.0";

} // namespace

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "NUMERAL IDENTIFIER NETWORK", 11760, 9420, parent)
{
    createControls();
    bindEvents();
    exposeState();
    bindExports();
    addHelp(*this);
}

void Form1::createControls()
{
    host::setColors(client(), kFormBack);
    host::layOut(client(), form1Layout());

    picWts = control<host::PictureArea>("picWts");
    for (int i = 0; i < 7; ++i)
        Picture1[size_t(i)] = control<host::PictureArea>(host::arrayName("Picture1", i));
    for (int v = 0; v < 16; ++v)
        picOpnode[size_t(v)] = control<host::PictureArea>(host::arrayName("picOpnode", v));
    commLearn = control<QPushButton>("commLearn");
    txtIpepoques = control<QLineEdit>("txtIpepoques");
    txtLrate = control<QLineEdit>("txtLrate");
    txtEpoques = control<QLineEdit>("txtEpoques");
    txtError = control<QLineEdit>("txtError");
    chkGoSlow = control<QCheckBox>("chkGoSlow");
    chkShowWts = control<QCheckBox>("chkShowWts");
    chkRandom = control<QCheckBox>("chkRandom");
    optThresh = control<QRadioButton>("optThresh");

    // The arrows are images: their triangles stand on the colour of the frame around them.
    const QColor frameBack = host::backColor(control<QWidget>("Frame2"));
    for (auto [name, direction] : {std::pair {"Image1", ArrowDirection::Left},
                                   std::pair {"Image2", ArrowDirection::Right}}) {
        auto *image = control<host::PictureArea>(name);
        image->setBackColor(frameBack);
        image->setPicture(arrowImage(direction));
    }
}

void Form1::bindEvents()
{
    host::onClick(commLearn, [this] { commLearn_Click(); });
    host::onClick(control<QPushButton>("CommandRestart"), [this] { CommandRestart_Click(); });
    host::onClick(control<QPushButton>("CommandHalt"), [this] { CommandHalt_Click(); });
    host::onClick(control<QPushButton>("commProcessIp"), [this] { commProcessIp_Click(); });
    host::onClick(control<QPushButton>("Command1"), [this] { Command1_Click(); });
    host::onClick(control<QCheckBox>("Check1"), [this] { Check1_Click(); });
    host::onClick(control<QWidget>("Image1"), [this] { Image1_Click(); });
    host::onClick(control<QWidget>("Image2"), [this] { Image2_Click(); });
    for (int16_t v = 0; v < 16; ++v)
        host::onClick(control<QPushButton>(host::arrayName("commShownum", v)),
                      [this, v] { commShownum_Click(v); });
    for (int16_t i = 0; i < 7; ++i)
        host::onClick(Picture1[size_t(i)], [this, i] { Picture1_Click(i); });

    QAction *about = addMenuCommand("menAbout", "&About");
    host::onMenuClick(about, [this] { menAbout_Click(); });
}

void Form1::exposeState()
{
    host::exposeVariable("weights", m_net.weights);
    host::exposeVariable("outputs", m_net.outputs);
    host::exposeVariable("netInputs", m_net.netInputs);
    host::exposeVariable("errors", m_net.errors);
    host::exposeVariable("sumError", m_net.sumError);
    host::exposeVariable("lrate", m_net.lrate);
    host::exposeVariable("order", m_net.order);
    host::exposeVariable("nPatterns", m_net.nPatterns);
    host::exposeVariable("nInputs", m_net.nInputs);
    host::exposeVariable("nOutputs", m_net.nOutputs);
    host::exposeVariable("nActiveInputs", m_net.nActiveInputs);
    host::exposeVariable("running", m_running);
    host::exposeVariable("displayLearning", m_displayLearning);
    host::exposeVariable("learnSlowly", m_learnSlowly);
    host::exposeVariable("shownNumeral", m_shownNumeral);
    host::exposeVariable("shownPattern", m_shownPattern);
}

void Form1::formLoad()
{
    m_shownNumeral = 0;
    m_displayLearning = false;
    m_learnSlowly = false;

    // The loader hands back a whole network or faults, so a bad file leaves no half-loaded
    // network behind. Its fault ends the program before the window opens: the window is of
    // no use without its patterns.
    m_net = loadPatternFile(patternFilePath());

    picWts->setScale(-1, -2, 8, 17);
    draw_weight_grid();
    // The threshold option comes first in the tab order: it has the focus when the window
    // opens, as it has the selection.
    optThresh->setFocus();
}

void Form1::Check1_Click() { m_displayLearning = !m_displayLearning; }

void Form1::Command1_Click() { show_weights(); }

void Form1::menAbout_Click()
{
    host::showMessage(QString("NUMERAL IDENTIFIER NETWORK, version %1\n"
                              "A single layer of weights learns with the delta rule to tell the "
                              "sixteen seven-segment numerals 0 to F apart.")
                          .arg(kVersion));
}

} // namespace calc
