// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sidestop/model/run_driver.h"

#include "host/forms/form.h"

#include <QColor>

#include <functional>
#include <optional>

namespace host {
class Canvas;
class PictureArea;
} // namespace host

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

    // The drawings of graph_drawing on their area, which loads the window when it is not.
    void showInputBars(const Simulation &sim);
    void showTimeAxes(const Simulation &sim);
    void showHistory(const Simulation &sim);
    void showBarChange(int unit, float level, std::optional<float> shownBefore);
    // Back to the colours the bar graph had when the window loaded.
    void restoreBarColors();

signals:
    void closed();

protected:
    void formLoad() override;
    void formUnload() override;

private:
    // Loads the window when it is not, draws on the area and shows the result.
    static void paint(host::PictureArea *area, const std::function<void(host::Canvas &)> &drawing);

    bool &m_graphOff;
    host::PictureArea *picBargraph = nullptr;
    host::PictureArea *picGraph = nullptr;
    QColor m_barBackColor;
    QColor m_barFillColor;
    QColor m_barForeColor;
};

} // namespace sidestop
