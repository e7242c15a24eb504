#include "somatomap/model/similarity.h"

#include "somatomap/model/map_checks.h"

#include <array>
#include <cmath>

namespace somatomap {

namespace {

// The input of one region as the similarity measures read it: the list of its active
// components in order, so that the dot product visits only those.
struct RegionInput
{
    const InputVector &x;
    float activeCount;
    std::array<int, InputLength> active {};
    int activeLength = 0;

    RegionInput(const SensoryMap &map, int16_t index)
        : x(map.IpVectors[index])
        , activeCount(map.IpSums[index])
    {
        for (int k = 0; k < InputLength; ++k) {
            if (x[k] != 0)
                active[activeLength++] = k;
        }
    }
};

float similarityOf(const RegionInput &input, const WeightVector &w, Similarity similarity)
{
    switch (similarity) {
    case Similarity::NormalisedDotProduct: {
        float sum = 0;
        for (int n = 0; n < input.activeLength; ++n)
            sum = float(double(sum) + w[input.active[n]]);
        return float(double(sum) / input.activeCount);
    }
    case Similarity::RadialBasis: {
        float squares = 0;
        for (int k = 0; k < InputLength; ++k) {
            const double difference = double(input.x[k]) - w[k];
            squares = float(double(squares) + difference * difference);
        }
        return float(std::exp(-0.5 * std::sqrt(double(squares))));
    }
    case Similarity::None:
        break;
    }
    return 0;
}

} // namespace

float match(const SensoryMap &map, int16_t index, const WeightVector &WtVector,
            Similarity similarity)
{
    requireRegion(index);
    return similarityOf(RegionInput(map, index), WtVector, similarity);
}

void ActivateSensoryMap(SensoryMap &map, int16_t index, Similarity similarity)
{
    requireRegion(index);
    const RegionInput input(map, index);
    for (int i = 0; i < MapSide; ++i) {
        for (int j = 0; j < MapSide; ++j)
            map.smapAct[i][j] = similarityOf(input, map.smapWts[i][j], similarity);
    }
}

} // namespace somatomap
