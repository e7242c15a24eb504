// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The parameter controls of the main window: the scroll bars that write their scaled value
// into a text box and a variable at once, the boxes that commit on Enter, the unit level bars
// and the two default buttons.

#include "sidestop/ui/form1.h"

#include "sidestop/model/input_checks.h"

#include "host/forms/controls.h"
#include "host/forms/events.h"
#include "host/numbers/number_text.h"
#include "host/numbers/rounding.h"

#include <QCheckBox>
#include <QLineEdit>

namespace sidestop {

namespace {

constexpr int enterKey = 13;

void onEnter(QLineEdit *box, std::function<void()> handler)
{
    host::onKeyPress(box, [handler = std::move(handler)](int keyCode) {
        if (keyCode == enterKey)
            handler();
    });
}

std::string text(const QLineEdit *box) { return box->text().toStdString(); }

} // namespace

// Each bar shows its value in its text box first, then stores it.
void Form1::bindParameterBars()
{
    host::onScrollOrChange(hsbNiterations, [this](int a) {
        host::showNumberText(txtIter, host::intText(a));
        m_sim.niter = int16_t(a);
    });
    host::onScrollOrChange(hsbExtipoff, [this](int a) {
        host::showNumberText(txtExtipoff, host::intText(a));
        m_sim.extipOff = int16_t(a);
    });
    host::onScrollOrChange(hsbPoswt, [this](int a) {
        host::showNumberText(txtPoswt, host::doubleText(a / 100.0));
        m_sim.net.poswt = a / 100.0;
    });
    host::onScrollOrChange(hsbNegwt, [this](int a) {
        host::showNumberText(txtNegwt, host::doubleText(a / 100.0));
        m_sim.net.negwt = a / 100.0;
    });
    host::onScrollOrChange(hsbNoise, [this](int a) {
        host::showNumberText(txtNoise, host::doubleText(a / 500.0));
        m_sim.net.noiseSD = float(a / 500.0);
    });
}

// Enter commits a typed count or weight; no box moves its scroll bar, and the noise box has
// no handler at all (the noise is set by its scroll bar and the default button only).
void Form1::bindEnterKeys()
{
    onEnter(txtIter, [this] {
        m_sim.niter = countOnEnter(text(txtIter), {"number of iterations", "20"},
                                   "a whole number of iterations from 1 to 32767");
    });
    onEnter(txtExtipoff, [this] {
        m_sim.extipOff = countOnEnter(text(txtExtipoff), {"input offset", "16"},
                                      "a whole number from 0 to 32767 as the input offset");
    });
    onEnter(txtPoswt, [this] {
        m_sim.net.poswt = weightOnEnter(text(txtPoswt), "positive feedback weight", "0.1");
    });
    onEnter(txtNegwt, [this] {
        m_sim.net.negwt = weightOnEnter(text(txtNegwt), "lateral inhibitory weight", "0.5");
    });
}

// A unit's level bar: the level (top 1, bottom 0) becomes its input; with the online update
// on, its bar is redrawn, which compares with the level its text box still shows; then the
// text shows the new level and the bar graph gets its own colours back.
void Form1::onLevelChange(int unit)
{
    const float level = float(vScroll1[unit]->value() / 100.0);
    m_sim.net.extip[unit] = level;
    if (host::checkValue(chkUpdate) == 1)
        m_graph.showBarChange(unit, level, shownLevel(text(text1[unit])));
    host::showNumberText(text1[unit], host::floatText(level));
    m_graph.restoreBarColors();
}

// Each unit gets its default input, as text and on its level bar; a bar that moves runs its
// change handler, which finds the new level already in the text box.
void Form1::onDefaultInput()
{
    useDefaultInput(m_sim);
    for (int i = 0; i < unitCount; ++i) {
        const float v = float(m_sim.net.extip[i]);
        host::showNumberText(text1[i], host::floatText(v));
        vScroll1[i]->setValue(host::nearestInt16(double(v) * 100));
    }
}

// The default run settings and weights; the inhibition rule, the ramp and the unit inputs
// stay as they are. A scroll bar that moves writes the same value again.
void Form1::onDefaultParameters()
{
    useDefaultParameters(m_sim);
    host::showNumberText(txtIter, host::intText(m_sim.niter));
    hsbNiterations->setValue(m_sim.niter);
    host::showNumberText(txtExtipoff, host::intText(m_sim.extipOff));
    hsbExtipoff->setValue(m_sim.extipOff);

    const double poswt = std::get<double>(m_sim.net.poswt);
    host::showNumberText(txtPoswt, host::doubleText(poswt));
    hsbPoswt->setValue(host::nearestInt16(100 * poswt));

    const double negwt = std::get<double>(m_sim.net.negwt);
    host::showNumberText(txtNegwt, host::doubleText(negwt));
    hsbNegwt->setValue(host::nearestInt16(100 * negwt));

    host::showNumberText(txtNoise, host::doubleText(m_sim.net.noiseSD));
    hsbNoise->setValue(0);
}

} // namespace sidestop
