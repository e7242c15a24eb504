// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/similarity.h"

#include "somatomap/model/map_checks.h"

#include <algorithm>
#include <array>
#include <cmath>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

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

// The similarity of every node, in node order (i, then j).
using Responses = std::array<float, mapSide * mapSide>;

// The radial-basis response of one row of nodes. The twenty sums are independent, so they
// advance side by side, component after component: each sum still adds its terms in order.
void radialBasisRow(const RegionInput &input, const std::array<WeightVector, mapSide> &weights,
                    float *response)
{
    std::array<float, mapSide> squares {};
    for (int k = 0; k < inputLength; ++k) {
        for (int j = 0; j < mapSide; ++j)
            squares[j] = withSquare(squares[j], input.x[k], weights[j][k]);
    }
    for (int j = 0; j < mapSide; ++j)
        response[j] = radialBasis(squares[j]);
}

#if defined(__x86_64__)
// The same sums in the vectors of processors that have AVX2, four nodes to a vector and the
// five vectors of a row side by side, so that five chains of rounded sums are in flight at
// once. Each lane takes exactly the steps of withSquare: the difference, its square and the
// sum in double, the sum rounded to float, every step one correctly rounded operation as in
// the scalar code (the intrinsics are separate operations, never fused). The row's weights
// are first turned in registers, four components of four nodes at a time, so that one vector
// holds one component of four neighbours.
[[gnu::target("avx2")]] void radialBasisAvx2(const RegionInput &input, const SensoryMap &map,
                                             Responses &response)
{
    constexpr int groups = mapSide / 4;
    std::array<double, inputLength> x;
    for (int k = 0; k < inputLength; ++k)
        x[k] = input.x[k];
    for (int i = 0; i < mapSide; ++i) {
        const std::array<WeightVector, mapSide> &nodes = map.smapWts[i];
        __m128 columns[inputLength][groups];
        for (int g = 0; g < groups; ++g) {
            for (int k = 0; k < inputLength; k += 4) {
                __m128 a = _mm_loadu_ps(&nodes[4 * g][k]);
                __m128 b = _mm_loadu_ps(&nodes[4 * g + 1][k]);
                __m128 c = _mm_loadu_ps(&nodes[4 * g + 2][k]);
                __m128 d = _mm_loadu_ps(&nodes[4 * g + 3][k]);
                _MM_TRANSPOSE4_PS(a, b, c, d);
                columns[k][g] = a;
                columns[k + 1][g] = b;
                columns[k + 2][g] = c;
                columns[k + 3][g] = d;
            }
        }
        __m128 squares[groups];
        for (__m128 &sum : squares)
            sum = _mm_setzero_ps();
        for (int k = 0; k < inputLength; ++k) {
            const __m256d xk = _mm256_set1_pd(x[k]);
            for (int g = 0; g < groups; ++g) {
                const __m256d difference = _mm256_sub_pd(xk, _mm256_cvtps_pd(columns[k][g]));
                const __m256d square = _mm256_mul_pd(difference, difference);
                squares[g] = _mm256_cvtpd_ps(_mm256_add_pd(_mm256_cvtps_pd(squares[g]), square));
            }
        }
        alignas(16) std::array<float, mapSide> sums;
        for (int g = 0; g < groups; ++g)
            _mm_store_ps(&sums[4 * g], squares[g]);
        for (int j = 0; j < mapSide; ++j)
            response[i * mapSide + j] = radialBasis(sums[j]);
    }
}
#endif

void radialBasisResponses(const RegionInput &input, const SensoryMap &map, Responses &response)
{
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        radialBasisAvx2(input, map, response);
        return;
    }
#endif
    for (int i = 0; i < mapSide; ++i)
        radialBasisRow(input, map.smapWts[i], &response[i * mapSide]);
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

namespace {

// Every node's similarity, from one reading of the region's input.
void responses(const SensoryMap &map, int16_t index, Similarity similarity, Responses &response)
{
    requireRegion(index);
    const RegionInput input(map, index);
    if (similarity == Similarity::RadialBasis) {
        radialBasisResponses(input, map, response);
        return;
    }
    for (int i = 0; i < mapSide; ++i) {
        for (int j = 0; j < mapSide; ++j)
            response[i * mapSide + j] = similarityOf(input, map.smapWts[i][j], similarity);
    }
}

} // namespace

Winner findWinner(const SensoryMap &map, int16_t index, Similarity similarity)
{
    Responses response;
    responses(map, index, similarity, response);
    Winner winner;
    float best = 0;
    for (int n = 0; n < mapSide * mapSide; ++n) {
        if (response[n] > best) {
            best = response[n];
            winner = {true, int16_t(n / mapSide + 1), int16_t(n % mapSide + 1)};
        }
    }
    return winner;
}

void activateSensoryMap(SensoryMap &map, int16_t index, Similarity similarity)
{
    Responses response;
    responses(map, index, similarity, response);
    for (int i = 0; i < mapSide; ++i)
        std::copy_n(&response[i * mapSide], mapSide, map.smapAct[i].begin());
}

} // namespace somatomap
