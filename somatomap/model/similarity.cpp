// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
    std::array<int, inputLength> active {};
    int activeLength = 0;

    RegionInput(const SensoryMap &map, int16_t index)
        : x(map.ipVectors[index])
        , activeCount(map.ipSums[index])
    {
        for (int k = 0; k < inputLength; ++k) {
            if (x[k] != 0)
                active[activeLength++] = k;
        }
    }
};

// One more term of the float sum of squared differences between input and weights.
float withSquare(float squares, int16_t x, float w)
{
    const double difference = double(x) - w;
    return float(double(squares) + difference * difference);
}

float radialBasis(float squares) { return float(std::exp(-0.5 * std::sqrt(double(squares)))); }

// The radial-basis response of one row of nodes. The twenty sums are independent, so they
// advance side by side, component after component: each sum still adds its terms in order.
void radialBasisRow(const RegionInput &input, const std::array<WeightVector, mapSide> &weights,
                    std::array<float, mapSide> &response)
{
    std::array<float, mapSide> squares {};
    for (int k = 0; k < inputLength; ++k) {
        for (int j = 0; j < mapSide; ++j)
            squares[j] = withSquare(squares[j], input.x[k], weights[j][k]);
    }
    for (int j = 0; j < mapSide; ++j)
        response[j] = radialBasis(squares[j]);
}

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
        for (int k = 0; k < inputLength; ++k)
            squares = withSquare(squares, input.x[k], w[k]);
        return radialBasis(squares);
    }
    case Similarity::None:
        break;
    }
    return 0;
}

} // namespace

float match(const SensoryMap &map, int16_t index, const WeightVector &wtVector,
            Similarity similarity)
{
    requireRegion(index);
    return similarityOf(RegionInput(map, index), wtVector, similarity);
}

Winner findWinner(const SensoryMap &map, int16_t index, Similarity similarity)
{
    Winner winner;
    float best = 0;
    for (int i = 1; i <= mapSide; ++i) {
        for (int j = 1; j <= mapSide; ++j) {
            const float m = match(map, index, map.node(i, j), similarity);
            if (m > best) {
                best = m;
                winner = {true, int16_t(i), int16_t(j)};
            }
        }
    }
    return winner;
}

void activateSensoryMap(SensoryMap &map, int16_t index, Similarity similarity)
{
    requireRegion(index);
    const RegionInput input(map, index);
    for (int i = 0; i < mapSide; ++i) {
        if (similarity == Similarity::RadialBasis) {
            radialBasisRow(input, map.smapWts[i], map.smapAct[i]);
            continue;
        }
        for (int j = 0; j < mapSide; ++j)
            map.smapAct[i][j] = similarityOf(input, map.smapWts[i][j], similarity);
    }
}

} // namespace somatomap
