#pragma once
// The game's random numbers: 15-bit values from 0 to 32767, from a linear congruential generator
// of its own so that a seed gives the same sequence on every machine.

#include <cstdint>

namespace velmora {

inline constexpr int randMax = 32767;

void srand(uint32_t seed);
int rand();

} // namespace velmora
