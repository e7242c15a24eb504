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
#include "host/forms/event_loop.h"
#include "host/forms/events.h"
#include "host/forms/messages.h"
#include "host/forms/picture_area.h"
#include "host/numbers/number_text.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace calc {

namespace {

constexpr const char *version = "1.0";

} // namespace

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "NUMERAL IDENTIFIER NETWORK", 11760, 9420, parent)
{
    createControls();
    bindEvents();
    bindOptions();
    m_run = runCallbacks();
    host::exposeState(m_state, this);
    bindExports();
    addHelp(*this);
    bindSession();
}

void Form1::createControls()
{
    host::setColors(client(), formBack);
    host::layOut(client(), form1Layout());

    picWts = control<host::PictureArea>("picWts");
    for (int i = 0; i < 7; ++i)
        picture1[size_t(i)] = control<host::PictureArea>(host::arrayName("Picture1", i));
    for (int v = 0; v < 16; ++v)
        picOpnode[size_t(v)] = control<host::PictureArea>(host::arrayName("picOpnode", v));
    commLearn = control<QPushButton>("commLearn");
    txtIpepoques = control<QLineEdit>("txtIpepoques");
    txtLrate = control<QLineEdit>("txtLrate");
    txtEpoques = control<QLineEdit>("txtEpoques");
    txtError = control<QLineEdit>("txtError");

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
    host::onClick(commLearn, [this] { onLearn(); });
    host::onClick(control<QPushButton>("CommandRestart"), [this] { onRestart(); });
    host::onClick(control<QPushButton>("CommandHalt"), [this] { onHalt(); });
    host::onClick(control<QPushButton>("commProcessIp"), [this] { onProcessInput(); });
    host::onClick(control<QPushButton>("Command1"), [this] { onSeeWeights(); });
    host::onClick(control<QCheckBox>("Check1"), [this] { onDisplayIo(); });
    host::onClick(control<QWidget>("Image1"), [this] { onPreviousNumeral(); });
    host::onClick(control<QWidget>("Image2"), [this] { onNextNumeral(); });
    for (int16_t v = 0; v < 16; ++v)
        host::onClick(control<QPushButton>(host::arrayName("commShownum", v)),
                      [this, v] { onShowNumeral(v); });
    for (int16_t i = 0; i < 7; ++i)
        host::onClick(control<QWidget>(host::arrayName("Picture1", i)),
                      [this, i] { onSegmentClick(i); });

    QAction *about = addMenuCommand("menAbout", "&About");
    host::onMenuClick(about, [this] { onAbout(); });
}

// The run's options follow their controls at every change, also one made inside a run's yield.
void Form1::bindOptions()
{
    auto *random = control<QCheckBox>("chkRandom");
    auto *showWeights = control<QCheckBox>("chkShowWts");
    auto *slow = control<QCheckBox>("chkGoSlow");
    auto *threshold = control<QRadioButton>("optThresh");
    m_syncOptions = [=, this] {
        RunOptions &options = m_core.options;
        options.randomOrder = host::checkValue(random) != 0;
        options.showWeights = host::checkValue(showWeights) == 1;
        options.runSlowly = host::checkValue(slow) == 1;
        options.rule = threshold->isChecked() ? OutputRule::Threshold : OutputRule::Sigmoid;
    };
    const auto sync = [this] { m_syncOptions(); };
    for (QCheckBox *box : {random, showWeights, slow})
        connect(box, &QCheckBox::stateChanged, this, sync);
    connect(threshold, &QRadioButton::toggled, this, sync);
    sync();
}

// What a run shows, at once also while it does not yield, and how it waits and yields.
RunCallbacks Form1::runCallbacks()
{
    RunCallbacks run;
    run.started = [this](bool fresh) {
        commLearn->setText("LEARNING...");
        if (fresh)
            m_curveWindow.startRun();
    };
    run.epochStarted
        = [this](int epoch) { host::showNumberText(txtEpoques, host::intText(epoch)); };
    run.presented = [this](int16_t pattern) {
        showInput(picture1, m_core.net, pattern);
        showOutputs(picOpnode, m_core.net);
    };
    run.weightsChanged = [this] { showWeights(); };
    run.epochEnded = [this](float sumError) {
        host::showNumberText(txtError, host::floatText(sumError));
        m_curveWindow.addStep(sumError);
    };
    run.learned = [this] { commLearn->setText("LEARN"); };
    run.pause = [](int milliseconds) { host::pause(milliseconds); };
    run.yield = [] { return host::yield(); };
    return run;
}

void Form1::formLoad()
{
    // The loader hands back a whole network or faults. Its fault ends the program before the
    // window opens: the window is of no use without its patterns.
    m_core.load(patternFilePath());

    picWts->setScale(-1, -2, 8, 17);
    drawWeightGrid(*picWts);
    // The threshold option comes first in the tab order: it has the focus when the window
    // opens, as it has the selection.
    control<QRadioButton>("optThresh")->setFocus();
}

void Form1::onLearn()
{
    m_core.learn(txtIpepoques->text().toStdString(), txtLrate->text().toStdString(), m_run);
}

void Form1::onRestart()
{
    m_core.restart(txtIpepoques->text().toStdString(), txtLrate->text().toStdString(), m_run);
}

void Form1::onHalt() { m_core.halt(); }

void Form1::onShowNumeral(int16_t numeral)
{
    const int16_t pattern = m_core.chooseNumeral(numeral);
    clearSegments(picture1);
    showInput(picture1, m_core.net, pattern);
}

// Tests the stored pattern of the numeral last shown, whatever the segment boxes show now.
void Form1::onProcessInput()
{
    if (!m_core.testShownNumeral()) {
        host::showMessage("Choose a numeral first: click one of the keys 0 to F, or an arrow.");
        return;
    }
    showOutputs(picOpnode, m_core.net);
}

// Previous numeral, from 0 round to F.
void Form1::onPreviousNumeral()
{
    onShowNumeral(m_core.nextNumeral(-1));
    onProcessInput();
}

// Next numeral, from F round to 0.
void Form1::onNextNumeral()
{
    onShowNumeral(m_core.nextNumeral(+1));
    onProcessInput();
}

void Form1::onSegmentClick(int16_t index) { toggleSegment(*picture1.at(size_t(index))); }

void Form1::onDisplayIo() { m_core.toggleDisplayLearning(); }

void Form1::onSeeWeights() { showWeights(); }

void Form1::showWeights()
{
    calc::showWeights(*picWts, m_core.net);
    picWts->refresh();
}

void Form1::onAbout()
{
    host::showMessage(QString("NUMERAL IDENTIFIER NETWORK, version %1\n"
                              "A single layer of weights learns with the delta rule to tell the "
                              "sixteen seven-segment numerals 0 to F apart.")
                          .arg(version));
}

} // namespace calc
