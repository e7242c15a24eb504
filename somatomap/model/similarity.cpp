#include "somatomap/model/similarity.h"

#include "somatomap/model/map_checks.h"

#include <cmath>

namespace somatomap {

namespace {

float similarityOf(const InputVector &x, float activeCount, const WeightVector &w,
                   Similarity similarity)
{
    switch (similarity) {
    case Similarity::NormalisedDotProduct: {
        float sum = 0;
        for (int k = 0; k < InputLength; ++k) {
            if (x[k] != 0)
                sum = float(double(sum) + w[k]);
        }
        return float(double(sum) / activeCount);
    }
    case Similarity::RadialBasis: {
        float squares = 0;
        for (int k = 0; k < InputLength; ++k) {
            double difference = double(x[k]) - w[k];
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
    return similarityOf(map.IpVectors[index], map.IpSums[index], WtVector, similarity);
}

void ActivateSensoryMap(SensoryMap &map, int16_t index, Similarity similarity)
{
    requireRegion(index);
    const InputVector &x = map.IpVectors[index];
    for (int i = 0; i < MapSide; ++i) {
        for (int j = 0; j < MapSide; ++j)
            map.smapAct[i][j] = similarityOf(x, map.IpSums[index], map.smapWts[i][j], similarity);
    }
}

} // namespace somatomap
