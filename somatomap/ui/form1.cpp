// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/ui/form1.h"

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/number_text.h"
#include "somatomap/model/hand_inputs.h"
#include "somatomap/model/learning.h"
#include "somatomap/ui/form1_layout.h"
#include "somatomap/ui/help.h"
#include "somatomap/ui/learning_settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace somatomap {

namespace {

std::string textOf(const QLineEdit *box) { return box->text().toStdString(); }

} // namespace

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "somatomap", Form1WidthTwips, Form1HeightTwips, parent)
{
    host::layOut(client(), form1Layout());
    findControls();
    bindEvents();
    exposeState();
    bindExports();
    addHelp(*this);
}

void Form1::findControls()
{
    Picture1 = control<host::PictureArea>("Picture1");
    picOff = control<host::PictureArea>("picOff");
    for (int k = 0; k < RegionCount; ++k)
        picHandF1[k] = control<host::PictureArea>(host::arrayName("picHandF1", k));
    for (int k = 0; k < 4; ++k) {
        picActivityCol[k] = control<host::PictureArea>(host::arrayName("picActivityCol", k));
        optHandPart[k] = control<QRadioButton>(host::arrayName("optHandPart", k));
    }
    picSenseMap = control<host::PictureArea>("picSenseMap");
    chkMapOn = control<QCheckBox>("chkMapOn");
    optDotProd = control<QRadioButton>("optDotProd");
    optRadBas = control<QRadioButton>("optRadBas");
    hsbPeakrad = control<host::ScrollBar>("hsbPeakrad");
    txtPeakrad = control<QLineEdit>("txtPeakrad");
    txtLrate = control<QLineEdit>("txtLrate");
    txtNumTrials = control<QLineEdit>("txtNumTrials");
    txtTrialNum = control<QLineEdit>("txtTrialNum");
    txtCurrentRad = control<QLineEdit>("txtCurrentRad");
    txtError = control<QLineEdit>("txtError");
}

void Form1::formLoad()
{
    encodeHandRegions(m_map);
    // The map's cells are unit squares: node (i, j) owns (i - 1, j - 1) to (i, j), y upwards.
    picSenseMap->setScale(0, 20, 20, 0);
    drawGrid(); // in the area's start-up colour; redraws use green
    RandomMapWts(m_map);
}

void Form1::bindEvents()
{
    for (int k = 0; k < RegionCount; ++k)
        host::onClick(picHandF1[k], [this, k] { picHandF1_Click(k); });
    for (int k = 0; k < 4; ++k)
        host::onClick(optHandPart[k], [this, k] { optHandPart_Click(k); });
    host::onClick(control<QPushButton>("commCleanHand"), [this] { commCleanHand_Click(); });
    host::onChange(hsbPeakrad, [this] { hsbPeakrad_Change(); });
    host::onClick(control<QPushButton>("commIncCont"), [this] { commIncCont_Click(); });
    host::onClick(control<QPushButton>("CommFindWinner"), [this] { CommFindWinner_Click(); });
    host::onClick(control<QPushButton>("commReset"), [this] { commReset_Click(); });
    host::onClick(control<QPushButton>("commLrn"), [this] { commLrn_Click(); });
    host::onClick(control<QPushButton>("commLrnHand"), [this] { commLrnHand_Click(); });
    host::onClick(control<QPushButton>("commAbort"), [this] { commAbort_Click(); });
}

void Form1::exposeState()
{
    host::exposeVariable("IpVectors", m_map.IpVectors);
    host::exposeVariable("IpSums", m_map.IpSums);
    host::exposeVariable("smapWts", m_map.smapWts);
    host::exposeVariable("smapAct", m_map.smapAct);
    host::exposeVariable("palmXval", m_map.palmXval);
    host::exposeVariable("palmYval", m_map.palmYval);
    host::exposeVariable("error", m_map.error);
    host::exposeVariable("part_touched", m_partTouched);
    host::exposeVariable("StopLearning", m_stopLearning);
}

// Every change of the bubble radius shows it and at once sharpens the map with it.
void Form1::hsbPeakrad_Change()
{
    host::showText(txtPeakrad, QString::fromStdString(host::intText(hsbPeakrad->value())));
    CommFindWinner_Click();
}

Similarity Form1::similarity() const
{
    if (optDotProd->isChecked())
        return Similarity::NormalisedDotProduct;
    if (optRadBas->isChecked())
        return Similarity::RadialBasis;
    return Similarity::None;
}

bool Form1::mapActive() const { return host::checkValue(chkMapOn) == 1; }

double Form1::bubbleRadius() const { return somatomap::bubbleRadius(textOf(txtPeakrad)); }

double Form1::learningRate() const { return somatomap::learningRate(textOf(txtLrate)); }

} // namespace somatomap
