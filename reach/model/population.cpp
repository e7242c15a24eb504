#include "reach/model/population.h"

#include "host/numbers/fault.h"

#include <array>
#include <cmath>
#include <cstddef>

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

// The arctangent of dy / dx (a quarter turn when dx is 0), plus a half-turn when the offset
// points to the left or straight down, so the direction lies in (-1.5735, 4.7205].
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

// 1 at distance 0, falling linearly to 0.25 at distance 100 and staying there beyond.
float distanceFactor(float distance)
{
    return distance >= 100 ? 0.25f : float((100.0 - distance) / 100 * 0.75 + 0.25);
}

double tuning(double angleFromPreferred, const Switches &switches, float tuningWidth)
{
    const double a = std::abs(angleFromPreferred);
    const double d = switches.exponential ? a : a * a;
    return std::exp(-d * tuningWidth);
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

void cell_response(Model &model, const Switches &switches)
{
    checkCells(model);
    if (switches.lateralInhibition)
        checkInhibitionRoom(model);

    float targFactor = 1;
    float distFactor = 1;

    const Offset target = offsetFromHand(model, model.targetx, model.targety);
    model.txdist = target.dx;
    model.tydist = target.dy;
    model.targdist = target.length;
    model.targdir = target.direction;
    if (switches.distanceDependent)
        targFactor = distanceFactor(model.targdist);

    if (switches.respondToDistractor) {
        const Offset distractor = offsetFromHand(model, model.distractorx, model.distractory);
        model.dxdist = distractor.dx;
        model.dydist = distractor.dy;
        model.tractordist = distractor.length;
        model.distdir = distractor.direction;
    }
    if (switches.distanceDependent)
        distFactor = distanceFactor(model.tractordist);

    for (std::size_t i = 0; i < static_cast<std::size_t>(model.ncells); ++i) {
        const double preferred = model.prefDir[i];
        float distPart = 0;
        if (switches.respondToDistractor)
            distPart = float(tuning(model.distdir - preferred, switches, model.tuningWidth)
                             * distFactor);
        const float targPart = float(tuning(model.targdir - preferred, switches, model.tuningWidth)
                                     * targFactor * model.attnBoost);
        if (switches.suppressDistractor)
            distPart = float(-double(model.inhibLevel) * distPart);
        if (switches.colourCode)
            model.targResp[i] = targPart;
        model.cellResp[i] = max(0, float(double(targPart) + distPart));
    }

    if (switches.lateralInhibition)
        lateralInhibition(model);
}

void lateralInhibition(Model &model)
{
    checkCells(model);
    checkInhibitionRoom(model);
    const int n = model.ncells;

    std::array<float, inhibitionRoom> oldResp;
    float total = 0;
    for (int i = 0; i < n; ++i) {
        oldResp[i] = model.cellResp[i];
        total = float(double(total) + oldResp[i]);
    }

    for (int i = 0; i < n; ++i) {
        float local = 0;
        const int first = i - 4 < 0 ? 0 : i - 4;
        const int last = i + 4 >= n ? n - 1 : i + 4;
        for (int j = first; j <= last; ++j)
            local = float(double(local) + oldResp[j]);
        local = float(double(local) * 0.1);
        const float inh = float(0.05 * (double(total) - local));
        const float next = float(double(local) + oldResp[i] - inh);
        model.cellResp[i] = min(2, max(0, next));
    }
}

float resultant(const Model &model)
{
    checkCells(model);
    float sx = 0;
    float sy = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(model.ncells); ++i) {
        const float response = model.cellResp[i];
        if (response > 0.05f) {
            const double preferred = model.prefDir[i];
            sx = float(double(sx) + double(response) * std::cos(preferred));
            sy = float(double(sy) + double(response) * std::sin(preferred));
        }
    }
    return directionOf(sx, sy);
}

float max(float a, float b) { return a > b ? a : b; }

float min(float a, float b) { return a < b ? a : b; }

} // namespace reach
