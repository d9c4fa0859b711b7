#pragma once
// Scalar helpers: clamps, random numbers in the game's convention, power-of-two exponents and an
// integer square root.

#include <cstdint>

namespace velmora {

constexpr int clampInt(int value, int lo, int hi) { return value < lo ? lo : (value > hi ? hi : value); }
constexpr float clampFloat(float value, float lo, float hi) { return value < lo ? lo : (value > hi ? hi : value); }
// lo <= value < hi
constexpr bool inRange(int value, int lo, int hi) { return value >= lo && value < hi; }

// The generator behind randomInt and randomFloat: 0 ... 32767, seeded once per process.
void seedRandom(uint32_t seed);
int randomRaw();

// The nearest integer (halves away from zero) of randomRaw() / 32767 x (hi - lo) + lo.
int randomInt(int lo, int hi);
// randomRaw() / 32767 x (hi - lo) + lo.
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
