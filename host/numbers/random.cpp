#include "host/numbers/random.h"

#include <bit>
#include <cstdint>
#include <random>

namespace host {

namespace {

std::mt19937 &engine()
{
    static std::mt19937 generator(5489u);
    return generator;
}

} // namespace

float Rnd()
{
    // 24 random bits fill a float's mantissa exactly, so the result is never 1.
    return float(engine()() >> 8) / 16777216.0f;
}

void Randomize(double seed)
{
    uint64_t bits = std::bit_cast<uint64_t>(seed == 0 ? 0.0 : seed); // -0 and 0 seed alike
    std::seed_seq sequence {uint32_t(bits), uint32_t(bits >> 32)};
    engine().seed(sequence);
}

} // namespace host
