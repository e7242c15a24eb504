// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/model/run_driver.h"
#include "sidestop/model/state.h"
#include "sidestop/ui/graph_window.h"

#include "host/forms/form.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace host {
class ScrollBar;
}

namespace sidestop {

// The "Lateral Inhibition Simulator" window: the unit inputs with their level bars, the
// weights and the noise, the run settings and RUN. It owns the layer's state and the graph
// window for the whole life of the program; closing it closes the graph window too.
class Form1 : public host::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    const Simulation &state() const { return m_sim; }
    GraphWindow &graphWindow() { return m_graph; }

    // Event handlers, public so that tests and benchmarks can drive them as events do.
    void onLevelChange(int unit); // VScroll1(unit)
    void onDefaultInput(); // commExtipdef
    void onDefaultParameters(); // comPardef
    void onRun(); // commRun
    void onGraphSwitch(); // chkUpdate

protected:
    void formLoad() override;
    void formUnload() override;

private:
    void findControls();
    void bindEvents();
    void bindParameterBars();
    void bindEnterKeys();
    // Exports: the numbers behind the two graphs
    void bindExports();
    void bindSession();
    void onSessionOpened();
    std::string historyCsv() const;
    std::string inputLevelsCsv() const;

    Simulation m_sim;
    host::StateRegistry m_state = stateRegistry(m_sim);
    GraphWindow m_graph {m_sim.graphOff};

    std::array<QLineEdit *, unitCount> text1 {};
    std::array<host::ScrollBar *, unitCount> vScroll1 {};
    QCheckBox *chkUpdate = nullptr;
    QCheckBox *chkRamp = nullptr;
    QRadioButton *optRegLI = nullptr;
    QLineEdit *txtIter = nullptr;
    QLineEdit *txtExtipoff = nullptr;
    QLineEdit *txtPoswt = nullptr;
    QLineEdit *txtNegwt = nullptr;
    QLineEdit *txtNoise = nullptr;
    host::ScrollBar *hsbNiterations = nullptr;
    host::ScrollBar *hsbExtipoff = nullptr;
    host::ScrollBar *hsbPoswt = nullptr;
    host::ScrollBar *hsbNegwt = nullptr;
    host::ScrollBar *hsbNoise = nullptr;
};

} // namespace sidestop
