#pragma once

namespace host {

// Rnd: the next value of a uniform pseudo-random sequence in [0, 1), as a 32-bit float.
float Rnd();

// Restarts the sequence from a seed; an equal seed restarts the same sequence. The
// programs pass the clock.
void Randomize(double seed);

} // namespace host
