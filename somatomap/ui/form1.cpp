// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/ui/form1.h"

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/event_loop.h"
#include "host/forms/events.h"
#include "host/forms/messages.h"
#include "host/forms/picture_area.h"
#include "host/forms/scroll_bar.h"
#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "somatomap/model/state.h"
#include "somatomap/ui/form1_layout.h"
#include "somatomap/ui/help.h"
#include "somatomap/ui/map_display.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace somatomap {

namespace {

const QColor red(255, 0, 0);

std::string textOf(const QLineEdit *box) { return box->text().toStdString(); }

QString noWinnerText(int region)
{
    return QString("No node of the map responds to hand region %1 (every similarity is 0), "
                   "so there is no winner to learn from.")
        .arg(region);
}

} // namespace

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "somatomap", form1WidthTwips, form1HeightTwips, parent)
    , m_state(stateRegistry(m_core))
{
    host::layOut(client(), form1Layout());
    findControls();
    bindEvents();
    bindCore();
    host::exposeState(m_state, this);
    bindExports();
    addHelp(*this);
    bindSession();
}

void Form1::findControls()
{
    picture1 = control<host::PictureArea>("Picture1");
    picOff = control<host::PictureArea>("picOff");
    for (int k = 0; k < regionCount; ++k)
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
    m_core.load();
    // The map's cells are unit squares: node (i, j) owns (i - 1, j - 1) to (i, j), y upwards.
    picSenseMap->setScale(0, 20, 20, 0);
    drawGrid(*picSenseMap); // in the area's start-up colour; redraws use green
}

void Form1::bindEvents()
{
    for (int k = 0; k < regionCount; ++k)
        host::onClick(picHandF1[k], [this, k] { onHandPicture(k); });
    for (int k = 0; k < 4; ++k)
        host::onClick(optHandPart[k], [this, k] { onHandPartOption(k); });
    host::onClick(control<QPushButton>("commCleanHand"), [this] { onCleanHand(); });
    host::onChange(hsbPeakrad, [this] { onPeakRadiusChange(); });
    host::onClick(control<QPushButton>("commIncCont"), [this] { onStepwiseEnhance(); });
    host::onClick(control<QPushButton>("CommFindWinner"), [this] { onFindPeakActivity(); });
    host::onClick(control<QPushButton>("commReset"), [this] { onResetWeights(); });
    host::onClick(control<QPushButton>("commLrn"), [this] { onLearnStimulus(); });
    host::onClick(control<QPushButton>("commLrnHand"), [this] { onMapWholeHand(); });
    host::onClick(control<QPushButton>("commAbort"), [this] { onAbort(); });
}

// What the core reads from the boxes and options, and how its operations show.
void Form1::bindCore()
{
    m_core.settings = {
        .peakradText = [this] { return textOf(txtPeakrad); },
        .lrateText = [this] { return textOf(txtLrate); },
        .numTrialsText = [this] { return textOf(txtNumTrials); },
        .similarity = [this] { return similarity(); },
        .mapActive = [this] { return host::checkValue(chkMapOn) == 1; },
    };
    m_core.hooks = {
        .touched =
            [this](int16_t region, int16_t previous) {
                lightTouchedRegion(picHandF1, region, previous, host::backColor(picOff));
            },
        .showMap = [this] { showSensoryMap(false); },
        .showWinner = [this](int i, int j) { showWinner(i, j); },
        .showTrial = [this](int trial) { host::showNumberText(txtTrialNum, host::intText(trial)); },
        .showRadius
        = [this](int radius) { host::showNumberText(txtCurrentRad, host::intText(radius)); },
        .trialEnded =
            [this](float error) {
                host::showNumberText(txtError, host::floatText(error));
                m_curveWindow.addStep(error);
            },
        // Map Active is off while a run goes on, so that its touches only light the hand.
        .runStarts =
            [this] {
                m_curveWindow.startRun();
                host::setCheckValue(chkMapOn, 0);
            },
        .runEnds = [this] { host::setCheckValue(chkMapOn, 1); },
        .yield = [] { return host::yield(); },
        .pause =
            [this] {
                if (m_stimulusPauseMs > 0)
                    host::pause(m_stimulusPauseMs);
            },
        .reportFault
        = [](const host::Fault &fault) { host::reportFault(QString::fromStdString(fault.what())); },
    };
}

Similarity Form1::similarity() const
{
    if (optDotProd->isChecked())
        return Similarity::NormalisedDotProduct;
    if (optRadBas->isChecked())
        return Similarity::RadialBasis;
    return Similarity::None;
}

void Form1::showSensoryMap(bool noRefresh, std::optional<QColor> col)
{
    drawResponse(*picSenseMap, m_core.map, noRefresh, col.value_or(red));
    picSenseMap->refresh();
}

void Form1::showWinner(int maxi, int maxj)
{
    drawWinner(*picSenseMap, maxi, maxj);
    picSenseMap->refresh();
}

void Form1::onHandPicture(int index) { m_core.touch(int16_t(index)); }

// The six regions of a finger or of the palm in the part's colour; while the map is active,
// each region's sharpened response is drawn over what the map shows.
void Form1::onHandPartOption(int index)
{
    const QColor c = host::backColor(picActivityCol[index]);
    m_core.touchHandPart(
        index, [this, c](int16_t region) { host::setColors(picHandF1[region], c); },
        [this, c](int16_t) { showSensoryMap(true, c); });
}

void Form1::onCleanHand()
{
    clearHand(picHandF1, host::backColor(picOff));
    clearMap(*picSenseMap);
    picSenseMap->refresh();
}

// Every change of the bubble radius shows it and at once sharpens the map with it.
void Form1::onPeakRadiusChange()
{
    host::showNumberText(txtPeakrad, host::intText(hsbPeakrad->value()));
    onFindPeakActivity();
}

void Form1::onStepwiseEnhance() { m_core.enhance(1); }

void Form1::onFindPeakActivity() { m_core.enhance(Core::peakSteps); }

void Form1::onResetWeights() { m_core.resetWeights(); }

void Form1::onLearnStimulus()
{
    if (!m_core.learnStimulus())
        host::showMessage(noWinnerText(m_core.partTouched));
}

void Form1::onMapWholeHand() { m_core.learnWholeHand(); }

void Form1::onAbort() { m_core.abort(); }

} // namespace somatomap
