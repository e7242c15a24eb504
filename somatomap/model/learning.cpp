#include "somatomap/model/learning.h"

#include "host/numbers/clock.h"
#include "host/numbers/fault.h"
#include "host/numbers/random.h"
#include "host/numbers/rounding.h"
#include "somatomap/model/map_checks.h"

#include <cmath>
#include <string>

namespace somatomap {

namespace {

// Scales a weight vector with the given component sum so that it sums to 4.
void rescale(WeightVector &w, float sum)
{
    const float divisor = float(double(sum) / WeightSum);
    for (float &component : w)
        component = float(double(component) / divisor);
}

std::string nodeText(int i, int j)
{
    return "(" + std::to_string(i) + ", " + std::to_string(j) + ")";
}

} // namespace

void RandomMapWts(SensoryMap &map)
{
    host::Randomize(host::Timer());
    for (int i = 1; i <= MapSide; ++i) {
        for (int j = 1; j <= MapSide; ++j) {
            WeightVector &w = map.node(i, j);
            float sum = 0;
            for (float &component : w) {
                component = host::Rnd();
                sum = float(double(sum) + component);
            }
            rescale(w, sum);
        }
    }
}

float Neighbourhood::strength(int i, int j) const
{
    const float di = float(maxi - i);
    const float dj = float(maxj - j);
    const float dist = float(std::sqrt(double(di) * di + double(dj) * dj));
    return maxOf(0, double(peakAct) - double(slope) * dist);
}

Neighbourhood neighbourhoodOf(const SensoryMap &map, int16_t peakrad, int16_t maxi, int16_t maxj)
{
    requireNode(maxi, maxj, "The winning node");
    if (peakrad == -2)
        throw host::Fault(host::Fault::Kind::DivisionByZero,
                          "A learning radius of -2 cannot be used: the neighbourhood's slope "
                          "divides by the radius plus 2.");
    Neighbourhood nb;
    nb.maxi = maxi;
    nb.maxj = maxj;
    nb.ilo = host::nearestInt16(maxOf(1, double(maxi) - peakrad));
    nb.ihi = host::nearestInt16(minOf(MapSide, double(maxi) + peakrad));
    nb.jlo = host::nearestInt16(maxOf(1, double(maxj) - peakrad));
    nb.jhi = host::nearestInt16(minOf(MapSide, double(maxj) + peakrad));
    nb.peakAct = map.act(maxi, maxj);
    nb.slope = float(double(nb.peakAct) / (peakrad + 2));
    // 16-bit arithmetic: every intermediate must fit, as it would in the stored count.
    const int16_t jExtent = host::nearestInt16(host::nearestInt16(nb.jhi + 1) - nb.jlo);
    const int16_t iExtent = host::nearestInt16(host::nearestInt16(nb.ihi + 1) - nb.ilo);
    nb.nodeCount = host::nearestInt16(jExtent * iExtent);
    return nb;
}

void updateSmapWts(SensoryMap &map, int16_t Ipindex, int16_t peakrad, int16_t maxi, int16_t maxj,
                   double lrate)
{
    requireRegion(Ipindex);
    const float rate = float(lrate);
    if (!std::isfinite(rate))
        throw host::Fault(host::Fault::Kind::Overflow,
                          "The learning rate is too large for a 32-bit float.");
    const Neighbourhood nb = neighbourhoodOf(map, peakrad, maxi, maxj);
    const InputVector &x = map.IpVectors[Ipindex];

    // The new weights are gathered first and stored only when every node could be rescaled.
    std::array<WeightVector, MapSide * MapSide> updated;
    int count = 0;
    float error = map.error;
    for (int i = nb.ilo; i <= nb.ihi; ++i) {
        for (int j = nb.jlo; j <= nb.jhi; ++j) {
            const double rateNbr = double(rate) * nb.strength(i, j);
            WeightVector w = map.node(i, j);
            float sumw = 0;
            for (int k = 0; k < InputLength; ++k) {
                const float diff = float(double(x[k]) - w[k]);
                error = float(double(error) + std::fabs(diff));
                const float delta = float(rateNbr * diff);
                w[k] = maxOf(0, double(w[k]) + delta);
                sumw = float(double(sumw) + w[k]);
            }
            if (!std::isfinite(sumw))
                throw host::Fault(host::Fault::Kind::Overflow,
                                  "The learning step would make the weights of node "
                                      + nodeText(i, j)
                                      + " too large for a 32-bit float; use a smaller "
                                        "learning rate.");
            if (!(float(double(sumw) / WeightSum) > 0))
                throw host::Fault(host::Fault::Kind::DivisionByZero,
                                  "The learning step would leave node " + nodeText(i, j)
                                      + " with no weight to rescale; use a learning rate "
                                        "from 0 to 1.");
            rescale(w, sumw);
            updated[count++] = w;
        }
    }

    count = 0;
    for (int i = nb.ilo; i <= nb.ihi; ++i) {
        for (int j = nb.jlo; j <= nb.jhi; ++j)
            map.node(i, j) = updated[count++];
    }
    map.error = float(double(error) / nb.nodeCount);
}

} // namespace somatomap
