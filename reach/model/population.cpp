// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reach/model/population.h"

#include "host/numbers/fault.h"
#include "host/numbers/quiet_exp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

namespace reach {

namespace {

constexpr double halfTurn = 3.147;
constexpr float quarterTurn = float(halfTurn / 2);
constexpr int inhibitionRoom = 100;

void checkCells(const Model &model)
{
    const auto n = static_cast<std::size_t>(model.ncells < 0 ? 0 : model.ncells);
    if (model.ncells < 0 || model.prefDir.size() < n || model.cellResp.size() < n
        || model.targResp.size() < n)
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "The cell arrays hold fewer entries than there are cells.");
}

void checkInhibitionRoom(const Model &model)
{
    if (model.ncells > inhibitionRoom)
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "Lateral inhibition works on at most 100 cells.");
}

// The direction of a target or distractor seen from the hand: the arctangent of dy / dx (a
// quarter turn when dx is 0), plus a half-turn when the offset points to the left or straight
// down, so the direction lies in (-1.5735, 4.7205]. A point level with the hand and to its left
// gets the half-turn too (the arctangent gives -0 there), as both its neighbours do.
float directionOf(float dx, float dy)
{
    float direction = dx != 0 ? float(std::atan(double(dy) / dx)) : quarterTurn;
    if (dx < 0 || (dx == 0 && dy < 0))
        direction = float(double(direction) + halfTurn);
    return direction;
}

struct Offset
{
    float dx, dy, length, direction;
};

Offset offsetFromHand(const Model &model, float x, float y)
{
    Offset offset;
    offset.dx = float(double(x) - model.handx);
    offset.dy = float(double(y) - model.handy);
    offset.length = float(std::sqrt(double(offset.dx) * offset.dx + double(offset.dy) * offset.dy));
    offset.direction = directionOf(offset.dx, offset.dy);
    return offset;
}

// Keeps an offset in the four fields of the model that name it.
void keep(const Offset &offset, float &dx, float &dy, float &length, float &direction)
{
    dx = offset.dx;
    dy = offset.dy;
    length = offset.length;
    direction = offset.direction;
}

// 1 at distance 0, falling linearly to 0.25 at distance 100 and staying there beyond.
float distanceFactor(float distance)
{
    return distance >= 100 ? 0.25f : float((100.0 - distance) / 100 * 0.75 + 0.25);
}

// e^(-k d) for the angle a between a stimulus and a preferred direction, with d = |a|
// (exponential tuning) or a^2 (Gaussian) and k the tuning width: exponent() is -k d.
struct Tuning
{
    bool exponential;
    double width;

    double exponent(double angle) const
    {
        const double a = std::abs(angle);
        return -(exponential ? a : a * a) * width;
    }
};

// The cells are answered a block at a time in three passes: the exponents of the block, then
// their exponentials (a loop of nothing but exp calls), then the parts and responses. Each
// cell's numbers are the same operations in the same order as a single pass would take.
constexpr std::size_t cellBlock = 128;

// e^exponent for each of the first n exponents, in place.
void exponentials(std::array<double, cellBlock> &values, std::size_t n)
{
    for (std::size_t l = 0; l < n; ++l)
        values[l] = host::quietExp(values[l]);
}

// The cosine and sine of every preferred direction, for the population vector. The table is
// kept for the directions it was made from and made again whenever they differ in any bit,
// so that it always gives what cos and sin give.
struct DirectionTable
{
    std::vector<float> directions;
    std::vector<double> cosines, sines;
};

const DirectionTable &directionTable(const Model &model)
{
    thread_local DirectionTable table;
    const auto n = static_cast<std::size_t>(model.ncells);
    if (table.directions.size() != n
        || (n != 0
            && std::memcmp(table.directions.data(), model.prefDir.data(), n * sizeof(float))
                != 0)) {
        table.directions.assign(model.prefDir.begin(), model.prefDir.begin() + std::ptrdiff_t(n));
        table.cosines.resize(n);
        table.sines.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            table.cosines[i] = std::cos(double(table.directions[i]));
            table.sines[i] = std::sin(double(table.directions[i]));
        }
    }
    return table;
}

} // namespace

void mkcells(Model &model)
{
    model.ncells = 100;
    model.prefDir.assign(static_cast<std::size_t>(model.ncells), 0.0f);
    const float step = float(halfTurn / 100);
    float sum = 0;
    for (float &direction : model.prefDir) {
        sum = float(double(sum) + step);
        direction = sum;
    }
}

void cellResponse(Model &model, const Switches &switches)
{
    checkCells(model);
    if (switches.lateralInhibition)
        checkInhibitionRoom(model);

    float targFactor = 1;
    float distFactor = 1;

    keep(offsetFromHand(model, model.targetx, model.targety), model.txdist, model.tydist,
         model.targdist, model.targdir);
    if (switches.distanceDependent)
        targFactor = distanceFactor(model.targdist);

    if (switches.respondToDistractor)
        keep(offsetFromHand(model, model.distractorx, model.distractory), model.dxdist,
             model.dydist, model.tractordist, model.distdir);
    if (switches.distanceDependent)
        distFactor = distanceFactor(model.tractordist);

    // Locals rather than fields: the stores into the cell arrays would otherwise make the
    // compiler reload every field on every cell.
    const Tuning tuning {switches.exponential, model.tuningWidth};
    const double targdir = model.targdir;
    const double distdir = model.distdir;
    const double attnBoost = model.attnBoost;
    const double inhibLevel = model.inhibLevel;
    const bool seeDistractor = switches.respondToDistractor;
    const bool suppress = switches.suppressDistractor;
    const bool colourCode = switches.colourCode;
    const auto cells = static_cast<std::size_t>(model.ncells);
    std::array<double, cellBlock> targTuning;
    std::array<double, cellBlock> distTuning;
    for (std::size_t first = 0; first < cells; first += cellBlock) {
        const std::size_t n = std::min(cellBlock, cells - first);
        const float *prefDir = model.prefDir.data() + first;
        for (std::size_t l = 0; l < n; ++l)
            targTuning[l] = tuning.exponent(targdir - double(prefDir[l]));
        exponentials(targTuning, n);
        if (seeDistractor) {
            for (std::size_t l = 0; l < n; ++l)
                distTuning[l] = tuning.exponent(distdir - double(prefDir[l]));
            exponentials(distTuning, n);
        }
        // Into arrays of the block first, which nothing else can reach, so that the loop
        // runs in vectors; then into the model's.
        std::array<float, cellBlock> targParts;
        std::array<float, cellBlock> responses;
        for (std::size_t l = 0; l < n; ++l) {
            float distPart = seeDistractor ? float(distTuning[l] * distFactor) : 0.0f;
            const float targPart = float(targTuning[l] * targFactor * attnBoost);
            if (suppress)
                distPart = float(-inhibLevel * distPart);
            targParts[l] = targPart;
            responses[l] = max(0, float(double(targPart) + distPart));
        }
        if (colourCode)
            std::copy_n(targParts.begin(), n, model.targResp.begin() + std::ptrdiff_t(first));
        std::copy_n(responses.begin(), n, model.cellResp.begin() + std::ptrdiff_t(first));
    }

    if (switches.lateralInhibition)
        lateralInhibition(model);
}

namespace {

// The pass itself, for any number of cells up to the room. The loops over the cells are
// vectorised in place, each cell's numbers the same operations in the same order; only the
// float sum of all responses is a chain, taken in cell order.
[[gnu::always_inline]] inline void inhibitionPass(Model &model)
{
    const int n = model.ncells;

    // The old responses with four silent cells beyond each end, so that every cell sums nine
    // entries: adding zeros leaves each float sum as if the missing neighbours were skipped.
    // Each float addition of two floats rounds exactly like the double sum narrowed to float.
    std::array<float, inhibitionRoom + 8> oldResp {};
    std::copy_n(model.cellResp.begin(), n, oldResp.begin() + 4);
    float total = 0;
    for (int i = 0; i < n; ++i)
        total += oldResp[i + 4];

    for (int i = 0; i < n; ++i) {
        // The nine neighbours from the left, from a sum of 0: written out, the sum stays one
        // straight line per cell, which the compiler vectorises across the cells (a loop over
        // the neighbours around it would be turned inside out and run a cell at a time).
        const float *around = &oldResp[i];
        const float local = 0.0f + around[0] + around[1] + around[2] + around[3] + around[4]
            + around[5] + around[6] + around[7] + around[8];
        const float scaledLocal = float(double(local) * 0.1);
        const float inh = float(0.05 * (double(total) - scaledLocal));
        const float next = float(double(scaledLocal) + oldResp[i + 4] - inh);
        model.cellResp[i] = min(2, max(0, next));
    }
}

#if defined(__x86_64__)
// The same pass in the wider vectors of processors that have AVX2 (no fused operations).
[[gnu::target("avx2")]] void inhibitionPassAvx2(Model &model) { inhibitionPass(model); }
#endif

} // namespace

void lateralInhibition(Model &model)
{
    checkCells(model);
    checkInhibitionRoom(model);
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        inhibitionPassAvx2(model);
        return;
    }
#endif
    inhibitionPass(model);
}

float resultant(const Model &model)
{
    checkCells(model);
    const DirectionTable &directions = directionTable(model);
    float sx = 0;
    float sy = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(model.ncells); ++i) {
        const float response = model.cellResp[i];
        if (response > 0.05f) {
            sx = float(double(sx) + double(response) * directions.cosines[i]);
            sy = float(double(sy) + double(response) * directions.sines[i]);
        }
    }
    // The direction follows the vector's own half-plane: a vector pointing left gets the
    // half-turn whatever the sign of its arctangent, so the hand heads toward the cells that
    // respond. A vector pointing right and down is turned to point left and up, so every
    // result lies in [0, 3.1524] and a step lowers the hand by at most a hundredth of its length.
    const float arctangent = sx != 0 ? float(std::atan(double(sy) / sx)) : quarterTurn;
    if (sx < 0 || arctangent < 0)
        return float(double(arctangent) + halfTurn);
    return arctangent;
}

float max(float a, float b) { return a > b ? a : b; }

float min(float a, float b) { return a < b ? a : b; }

} // namespace reach
