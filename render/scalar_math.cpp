#include "render/scalar_math.h"

#include <cmath>
#include <cstdlib>

namespace velmora {
namespace {

constexpr float randomScale = 3.051851e-5f; // 1 / randomMax, as a float constant

RandomSequence shared;

} // namespace

int nextRandom(RandomSequence& sequence) {
    sequence.state = sequence.state * 214013u + 2531011u;
    return static_cast<int>((sequence.state >> 16) & randomMax);
}

void seedRandom(uint32_t seed) {
    shared.state = seed;
}

int randomRaw() {
    return nextRandom(shared);
}

int randomInt(int lo, int hi) {
    const float value = static_cast<float>(randomRaw()) * randomScale * static_cast<float>(hi - lo) +
                        static_cast<float>(lo);
    return static_cast<int>(std::lround(value));
}

float randomFloat(float lo, float hi) { return static_cast<float>(randomRaw()) * randomScale * (hi - lo) + lo; }

int ceilLog2(int n) {
    int k = 0;
    while (k < 31 && (1 << k) < n)
        ++k;
    return k;
}

int nearestLog2(int n) {
    const int k = ceilLog2(n);
    const int64_t power = int64_t(1) << k;
    const int64_t above = power - n;
    const int64_t below = n - power / 2;
    if (above < (below < 0 ? -below : below) || k == 0)
        return k;
    return k - 1;
}

uint32_t integerSqrt(uint32_t n) {
    uint32_t root = 0;
    uint32_t bit = 1u << 30;
    while (bit > n)
        bit >>= 2;
    while (bit != 0) {
        if (n >= root + bit) {
            n -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return root;
}

float fixedSqrt(float value) {
    if (!(value > 0.0f))
        return 0.0f;
    // Scale by an even power of two into [2^28, 2^30) so that the integer root keeps 15 bits.
    int exponent = 0;
    const float mantissa = std::frexp(value, &exponent); // value = mantissa x 2^exponent, 0.5 <= m < 1
    int shift = 30 - exponent;
    if (shift & 1)
        --shift;
    const auto scaled = static_cast<uint32_t>(std::ldexp(mantissa, exponent + shift));
    return std::ldexp(static_cast<float>(integerSqrt(scaled)), -shift / 2);
}

} // namespace velmora
