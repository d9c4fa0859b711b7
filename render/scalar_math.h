#pragma once
// Scalar helpers: clamps, random numbers in the game's convention, power-of-two exponents and an
// integer square root.

#include <cstdint>

namespace velmora {

constexpr int clampInt(int value, int lo, int hi) { return value < lo ? lo : (value > hi ? hi : value); }
constexpr float clampFloat(float value, float lo, float hi) { return value < lo ? lo : (value > hi ? hi : value); }
// lo <= value < hi
constexpr bool inRange(int value, int lo, int hi) { return value >= lo && value < hi; }

// The game's random numbers: 15-bit values from 0 to randomMax, from a linear congruential
// generator of its own so that a seed gives the same sequence on every machine. Each user that must
// not shift another's draws keeps a sequence of its own.
inline constexpr int randomMax = 32767;
struct RandomSequence {
    uint32_t state = 1;
};
int nextRandom(RandomSequence& sequence);

// The shared sequence behind randomInt and randomFloat, seeded once per process.
void seedRandom(uint32_t seed);
int randomRaw();

// The nearest integer (halves away from zero) of randomRaw() / randomMax x (hi - lo) + lo.
int randomInt(int lo, int hi);
// randomRaw() / randomMax x (hi - lo) + lo.
float randomFloat(float lo, float hi);

// The smallest k with 2^k >= n (0 for n < 2).
int ceilLog2(int n);
// The exponent of the power of two nearest to n; a tie goes to the smaller power.
int nearestLog2(int n);

// floor(sqrt(n)) by bit iteration.
uint32_t integerSqrt(uint32_t n);
// A square root built on integerSqrt with a power-of-two pre-scale (about 15 significant bits).
float fixedSqrt(float value);

} // namespace velmora
