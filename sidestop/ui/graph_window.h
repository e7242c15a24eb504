// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/ui/run_driver.h"

#include "host/forms/form.h"

#include <QColor>

#include <string_view>
#include <vector>

namespace host {
class PictureArea;
}

namespace sidestop {

// The "Unit activation graph" window: the input levels as a bar graph on top, the activation
// history of the last run below. It loads, hidden, the first time one of its drawing areas is
// used and closes by the check box on the main window or by its own close box; closing it
// discards the drawings, marks the graph closed and tells the main window (closed()).
class GraphWindow : public host::Form
{
    Q_OBJECT

public:
    explicit GraphWindow(bool &graphOff);

    host::PictureArea *bargraph() const { return picBargraph; }
    host::PictureArea *graph() const { return picGraph; }

    // The bar graph: axes for ten units and one box per unit, as high as its input.
    void drawInputBars(const Units &extip);
    // The time graph's empty axes for niter iterations.
    void drawTimeAxes(int niter);
    // The history of a run: the offset marker at iteration extipOff and one curve per unit,
    // width 3, from the origin through (t, activation after iteration t).
    void plotHistory(const std::vector<Units> &history, int extipOff);

    // One unit's bar while its level control moves: a growing bar is drawn over the old one;
    // a shrinking or equal one first erases the old bar (as high as the unit's text says) with
    // the back colour. A text that is no number erases the unit's whole column.
    void redrawBar(int unit, float level, std::string_view oldText);
    // Back to the colours the bar graph had when the window loaded.
    void restoreBarColors();

signals:
    void closed();

protected:
    void formLoad() override;
    void formUnload() override;

private:
    bool &m_graphOff;
    host::PictureArea *picBargraph = nullptr;
    host::PictureArea *picGraph = nullptr;
    QColor m_barBackColor;
    QColor m_barFillColor;
    QColor m_barForeColor;
};

} // namespace sidestop
