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
    host::exposeState(m_state, this);
    bindExports();
    addHelp(*this);
    bindSession();
}

void Form1::findControls()
{
    for (int k = 0; k < unitCount; ++k) {
        text1[k] = control<QLineEdit>(host::arrayName("text1", k));
        vScroll1[k] = control<host::ScrollBar>(host::arrayName("VScroll1", k));
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
void Form1::formLoad() { resetForLoad(m_sim); }

// Nothing else holds the graph window open: it closes with the main window, so that the
// program ends instead of leaving a window behind.
void Form1::formUnload()
{
    if (m_graph.isLoaded())
        m_graph.unload();
}

void Form1::bindEvents()
{
    for (int k = 0; k < unitCount; ++k)
        host::onChange(vScroll1[k], [this, k] { onLevelChange(k); });
    bindParameterBars();
    bindEnterKeys();
    host::onClick(control<QPushButton>("commExtipdef"), [this] { onDefaultInput(); });
    host::onClick(control<QPushButton>("comPardef"), [this] { onDefaultParameters(); });
    host::onClick(control<QPushButton>("commRun"), [this] { onRun(); });
    host::onClick(chkUpdate, [this] { onGraphSwitch(); });
    connect(&m_graph, &GraphWindow::closed, this, [this] { host::setCheckValue(chkUpdate, 0); });
}

} // namespace sidestop
