// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/reach_core.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"
#include "reach/model/reach_step.h"

#include <cmath>
#include <string>

namespace reach {

void checkShownPlace(double x, double y)
{
    const DisplayArea &area = handDisplay;
    const double farthest = 1 << 22;
    const double across = (x - area.left) / (area.right - area.left) * area.pixels;
    const double down = (y - area.top) / (area.bottom - area.top) * area.pixels;
    // Appended piece by piece: "(" + text draws a false -Wrestrict from GCC 12 at -O3.
    std::string place = "(";
    place.append(host::doubleText(x)).append(", ").append(host::doubleText(y)).append(")");
    if (!std::isfinite(across) || !std::isfinite(down))
        throw host::Fault(host::Fault::Kind::Invalid,
                          place + " cannot be drawn: a coordinate is not a finite number.");
    // Written so that a NaN fails the comparisons and is refused.
    if (!(std::fabs(across) <= farthest && std::fabs(down) <= farthest))
        throw host::Fault(host::Fault::Kind::Invalid,
                          place
                              + " is no place this display can show: it lies beyond what its "
                                "scale can draw.");
}

void ReachCore::startUp()
{
    model.ncells = 100;
    model.attnBoost = 1.0f;
    model.inhibLevel = 1.0f;
    mkcells(model);
    model.cellResp.assign(std::size_t(model.ncells), 0.0f);
    model.targResp.assign(std::size_t(model.ncells), 0.0f);
    model.tuningWidth = 5.0f;
    putHandAtOrigin();
    placeThing(true, startTargetCorner.x, startTargetCorner.y);
    placeThing(false, startDistractorCorner.x, startDistractorCorner.y);
}

void ReachCore::placeThing(bool isTarget, float x, float y)
{
    const float pointX = float(double(x) + 2);
    const float pointY = float(double(y) - 2);
    if (isTarget) {
        model.targetx = pointX;
        model.targety = pointY;
    } else {
        model.distractorx = pointX;
        model.distractory = pointY;
    }
}

void ReachCore::placePreset(bool isTarget, int index)
{
    const Corner corner = presets.at(std::size_t(index));
    placeThing(isTarget, corner.x, corner.y);
}

void ReachCore::putHandAtOrigin()
{
    model.handx = 0;
    model.handy = 0;
}

void ReachCore::clearPath()
{
    handPath.clear();
    pathReaches = 0;
}

int ReachCore::reach(int16_t speedSliderValue, const Switches &switches,
                     const ReachCallbacks &callbacks)
{
    step = stepLength(speedSliderValue);
    if (callbacks.reachStarts)
        callbacks.reachStarts();
    cellResponse(switches);
    handPath.push_back({++pathReaches, 0, model.handx, model.handy});
    int steps = 0;
    for (; reachContinues(model); ++steps) {
        if (steps == maxReachSteps)
            throw host::Fault(host::Fault::Kind::Invalid,
                              "The hand has not reached the target after "
                                  + std::to_string(maxReachSteps)
                                  + " steps, so the reach was stopped there.");
        stepHand(model, switches, step);
        handPath.push_back({pathReaches, handPath.back().step + 1, model.handx, model.handy});
        if (callbacks.drawStep)
            callbacks.drawStep();
        if (callbacks.pause)
            callbacks.pause(steps);
        if (callbacks.stopAsked && callbacks.stopAsked())
            return steps + 1;
    }
    return steps;
}

void ReachCore::reachSeries(int index, int16_t speedSliderValue, const Switches &switches,
                            const ReachCallbacks &callbacks)
{
    auto place = [&](bool isTarget, int at) {
        placePreset(isTarget, at);
        if (callbacks.placed)
            callbacks.placed(isTarget, presets.at(std::size_t(at)));
    };
    place(true, index);
    for (int at = 0; at < int(presets.size()); ++at) {
        if (at == index)
            continue;
        place(false, at);
        reach(speedSliderValue, switches, callbacks);
        putHandAtOrigin();
        if (callbacks.handAtOrigin)
            callbacks.handAtOrigin();
        if (callbacks.stopAsked && callbacks.stopAsked())
            return;
    }
}

} // namespace reach
