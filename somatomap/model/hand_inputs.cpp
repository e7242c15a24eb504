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

int16_t handpart(int16_t index) { return int16_t(1 + host::intToInt16(index / 6.0)); }

int16_t fingerpart(int16_t index) { return int16_t(1 + host::Mod(index, 6)); }

void palmpart(SensoryMap &map, int16_t index)
{
    if (index < PalmFirstRegion || index >= RegionCount)
        throw host::Fault(host::Fault::Kind::IndexOutOfRange,
                          "A palm region is a whole number from 18 to 23, not "
                              + std::to_string(index) + ".");
    int k = index - PalmFirstRegion;
    map.palmXval = int16_t(1 + host::Mod(k, 3));
    map.palmYval = int16_t(1 + host::intToInt16(k / 3.0));
}

InputVector makevector(SensoryMap &map, int16_t index)
{
    requireRegion(index);
    InputVector vector {};
    if (index < PalmFirstRegion) {
        int finger = handpart(index);
        int position = fingerpart(index);
        setTriple(vector, 2 * finger - 1);
        setTriple(vector, 2 * position + 6);
    } else {
        palmpart(map, index);
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

float SumActivity(const InputVector &IpVector)
{
    float sum = 0;
    for (int16_t component : IpVector)
        sum = float(double(sum) + component);
    return sum;
}

void encodeHandRegions(SensoryMap &map)
{
    for (int r = 0; r < RegionCount; ++r)
        map.IpVectors[r] = makevector(map, int16_t(r));
    for (int r = 0; r < RegionCount; ++r)
        map.IpSums[r] = SumActivity(map.IpVectors[r]);
}

} // namespace somatomap
