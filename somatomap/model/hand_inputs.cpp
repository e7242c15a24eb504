// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "somatomap/model/hand_inputs.h"

#include "host/numbers/fault.h"
#include "host/numbers/rounding.h"
#include "somatomap/model/map_checks.h"

#include <string>

namespace somatomap {

namespace {

// Sets components first..first + 2 (numbered from 1).
void setTriple(InputVector &vector, int first)
{
    for (int k = first; k <= first + 2; ++k)
        vector[k - 1] = 1;
}

} // namespace

int16_t handPart(int16_t index) { return int16_t(1 + host::intToInt16(index / 6.0)); }

int16_t fingerPart(int16_t index) { return int16_t(1 + host::modulo(index, 6)); }

void palmPart(SensoryMap &map, int16_t index)
{
    if (index < palmFirstRegion || index >= regionCount)
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "A palm region is a whole number from 18 to 23, not "
                              + std::to_string(index) + ".");
    int k = index - palmFirstRegion;
    map.palmXval = int16_t(1 + host::modulo(k, 3));
    map.palmYval = int16_t(1 + host::intToInt16(k / 3.0));
}

InputVector makeVector(SensoryMap &map, int16_t index)
{
    requireRegion(index);
    InputVector vector {};
    if (index < palmFirstRegion) {
        int finger = handPart(index);
        int position = fingerPart(index);
        setTriple(vector, 2 * finger - 1);
        setTriple(vector, 2 * position + 6);
    } else {
        palmPart(map, index);
        int column = map.palmXval;
        int row = map.palmYval;
        setTriple(vector, 2 * column + 19);
        setTriple(vector, 2 * row + 26);
        if (row == 1) {
            vector[2 * column - 1] = 1;
            vector[20 - 1] = 1;
        }
    }
    return vector;
}

float sumActivity(const InputVector &ipVector)
{
    float sum = 0;
    for (int16_t component : ipVector)
        sum = float(double(sum) + component);
    return sum;
}

void encodeHandRegions(SensoryMap &map)
{
    for (int r = 0; r < regionCount; ++r)
        map.ipVectors[r] = makeVector(map, int16_t(r));
    for (int r = 0; r < regionCount; ++r)
        map.ipSums[r] = sumActivity(map.ipVectors[r]);
}

} // namespace somatomap
