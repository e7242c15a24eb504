// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's sessions: what the hand display redraws from beside the model (the paths of
// the hand and the colour each step was drawn in), and the redraw after a session opened.

#include "reach/ui/form1.h"
#include "reach/ui/hand_display.h"

#include "host/forms/picture_area.h"
#include "host/forms/session_file.h"
#include "host/numbers/fault.h"

#include <QRadioButton>

#include <cmath>

namespace reach {

namespace {

// The hand's path: reach number, step, x and y of every point, four numbers a point.
host::StateEntry handPathEntry(ReachCore &core)
{
    host::StateEntry entry;
    entry.name = "handPath";
    entry.type = host::StateType::float32;
    entry.shape = {0, 4};
    entry.read = [&core] {
        std::vector<double> numbers;
        for (const PathPoint &point : core.handPath)
            numbers.insert(
                numbers.end(),
                {double(point.reach), double(point.step), double(point.x), double(point.y)});
        return host::StateValue(std::move(numbers));
    };
    entry.check = [](const host::StateValue &value) {
        const auto &numbers
            = host::checkedNumbers("handPath", host::StateType::float32, value, 4, true);
        for (std::size_t i = 0; i < numbers.size(); i += 4)
            for (double count : {numbers[i], numbers[i + 1]})
                if (count < 0 || count > 1e7 || count != std::trunc(count))
                    throw host::Fault(host::Fault::Kind::Invalid,
                                      "The value of handPath was refused: a reach or step "
                                      "number is no whole number from 0 to 10000000.");
    };
    entry.write = [&core](const host::StateValue &value) {
        const auto &numbers = std::get<std::vector<double>>(value);
        core.handPath.clear();
        for (std::size_t i = 0; i < numbers.size(); i += 4)
            core.handPath.push_back({int(numbers[i]), int(numbers[i + 1]), float(numbers[i + 2]),
                                     float(numbers[i + 3])});
    };
    return entry;
}

constexpr double colourLimit = 0xFFFFFF;

} // namespace

void Form1::bindSession()
{
    m_displays.add(handPathEntry(m_core));
    m_displays.add("pathReaches", m_core.pathReaches, host::withinRange("pathReaches", 0, 1e7));
    // The colour (0xRRGGBB) each point's step was drawn in, -1 where it was not drawn.
    m_displays.add("pathInk", m_pathInk, host::withinRange("pathInk", -1, colourLimit));
    m_displays.add("baselineInk", m_baselineInk, host::withinRange("baselineInk", 0, colourLimit));
    new host::SessionFile(*this,
                          {.program = "reach",
                           .suffix = "reach-session",
                           .state = &m_state,
                           .displays = &m_displays,
                           .opened = [this] { onSessionOpened(); },
                           .together = {}});
}

void Form1::notePathInk(bool drawn)
{
    m_pathInk.resize(m_core.handPath.size(), -1);
    if (!m_pathInk.empty())
        m_pathInk.back() = drawn ? int32_t(picture1->foreColor().rgb() & 0xFFFFFF) : -1;
}

void Form1::noteBaselineInk()
{
    m_pathInk.clear();
    m_baselineInk = int32_t(picture1->foreColor().rgb() & 0xFFFFFF);
}

void Form1::onSessionOpened()
{
    // REACH is greyed after a reach until RESTART; an opened state reaches from where the hand
    // is, as in a window just started.
    commReach->setEnabled(true);
    picture1->cls();
    picture1->setForeColor(QColor::fromRgb(QRgb(m_baselineInk)));
    drawBaseline(*picture1);
    const auto &path = m_core.handPath;
    for (std::size_t i = 1; i < path.size() && i < m_pathInk.size(); ++i)
        if (m_pathInk[i] >= 0 && path[i].step > 0) {
            picture1->setForeColor(QColor::fromRgb(QRgb(m_pathInk[i])));
            // A reach's first step is drawn from the origin, wherever the hand started.
            const QPointF from
                = path[i].step == 1 ? QPointF(0, 0) : QPointF(path[i - 1].x, path[i - 1].y);
            picture1->line(from, QPointF(path[i].x, path[i].y));
        }
    for (int i = 3; i <= 6; ++i)
        if (opInk[i]->isChecked())
            onInkOption(i);
    if (!path.empty())
        picture1->setCurrentPoint(QPointF(path.back().x, path.back().y));
    const Model &model = m_core.model;
    showPlace(true, {float(double(model.targetx) - 2), float(double(model.targety) + 2)});
    showPlace(false, {float(double(model.distractorx) - 2), float(double(model.distractory) + 2)});
    picture1->moveChild(hand, QPointF(double(model.handx) - 10, model.handy));
    picture1->refresh();
    showCells();
}

} // namespace reach
