// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sidestop/ui/form1.h"

#include "sidestop/ui/form1_layout.h"
#include "sidestop/ui/help.h"

#include "host/forms/automation.h"
#include "host/forms/controls.h"
#include "host/forms/events.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace sidestop {

namespace {

const QColor formBack(128, 128, 255);

// A weight prints as its number, or as the text RUN stored.
std::function<std::string()> weightText(const Weight &weight)
{
    return [&weight] {
        if (const double *number = std::get_if<double>(&weight))
            return host::roundTripText(*number);
        return std::get<std::string>(weight);
    };
}

} // namespace

Form1::Form1(QWidget *parent)
    : host::Form("Form1", "Lateral Inhibition Simulator", 6720, 8865, parent)
{
    // The window and its client area share the back colour.
    host::setColors(this, formBack);
    host::setColors(client(), formBack);
    host::layOut(client(), form1Layout());
    move(host::twipsToPixels(390), host::twipsToPixels(1305));
    // The graph window is a tool window of this one: it stays in front of it and goes with
    // it, and the online check box shows whether it is open.
    m_graph.setParent(this, m_graph.windowFlags() | Qt::Tool);
    findControls();
    bindEvents();
    exposeState();
    bindExports();
    addHelp(*this);
}

void Form1::findControls()
{
    for (int k = 0; k < kUnits; ++k) {
        text1[k] = control<QLineEdit>(host::arrayName("text1", k));
        VScroll1[k] = control<host::ScrollBar>(host::arrayName("VScroll1", k));
    }
    chkUpdate = control<QCheckBox>("chkUpdate");
    chkRamp = control<QCheckBox>("chkRamp");
    optRegLI = control<QRadioButton>("optRegLI");
    txtIter = control<QLineEdit>("txtIter");
    txtExtipoff = control<QLineEdit>("txtExtipoff");
    txtPoswt = control<QLineEdit>("txtPoswt");
    txtNegwt = control<QLineEdit>("txtNegwt");
    txtNoise = control<QLineEdit>("txtNoise");
    hsbNiterations = control<host::ScrollBar>("hsbNiterations");
    hsbExtipoff = control<host::ScrollBar>("hsbExtipoff");
    hsbPoswt = control<host::ScrollBar>("hsbPoswt");
    hsbNegwt = control<host::ScrollBar>("hsbNegwt");
    hsbNoise = control<host::ScrollBar>("hsbNoise");
}

// At load the graph is closed and every input is 0: the state's own start values.
void Form1::formLoad()
{
    m_sim.graphOff = true;
    m_sim.net.extip.fill(0);
}

// Nothing else holds the graph window open: it closes with the main window, so that the
// program ends instead of leaving a window behind.
void Form1::formUnload()
{
    if (m_graph.isLoaded())
        m_graph.unload();
}

void Form1::bindEvents()
{
    for (int k = 0; k < kUnits; ++k)
        host::onChange(VScroll1[k], [this, k] { VScroll1_Change(k); });
    bindParameterBars();
    bindEnterKeys();
    host::onClick(control<QPushButton>("commExtipdef"), [this] { commExtipdef_Click(); });
    host::onClick(control<QPushButton>("comPardef"), [this] { comPardef_Click(); });
    host::onClick(control<QPushButton>("commRun"), [this] { commRun_Click(); });
    host::onClick(chkUpdate, [this] { chkUpdate_Click(); });
    connect(&m_graph, &GraphWindow::closed, this, [this] { host::setCheckValue(chkUpdate, 0); });
}

void Form1::exposeState()
{
    host::exposeVariable("act", m_sim.net.act);
    host::exposeVariable("extip", m_sim.net.extip);
    host::exposeVariable("extipDef", m_sim.net.extipDef);
    host::exposeVariable("poswt", weightText(m_sim.net.poswt));
    host::exposeVariable("negwt", weightText(m_sim.net.negwt));
    host::exposeVariable("noiseSD", m_sim.net.noiseSD);
    host::exposeVariable("niter", m_sim.niter);
    host::exposeVariable("extipOff", m_sim.extipOff);
    host::exposeVariable("actHistory", m_sim.actHistory);
    host::exposeVariable("graphOff", m_sim.graphOff);
}

} // namespace sidestop
