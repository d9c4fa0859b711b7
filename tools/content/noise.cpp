#include "noise.h"

#include <cmath>

namespace velmora::content {
namespace {

uint64_t mixBits(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The gradient at a lattice point, one of sixteen evenly spread directions, dotted with (dx, dy).
double corner(int64_t i, int64_t j, uint64_t seed, double dx, double dy) {
    static const double angles[16][2] = {{1.0, 0.0},  {0.924, 0.383},   {0.707, 0.707},   {0.383, 0.924},
                                         {0.0, 1.0},  {-0.383, 0.924},  {-0.707, 0.707},  {-0.924, 0.383},
                                         {-1.0, 0.0}, {-0.924, -0.383}, {-0.707, -0.707}, {-0.383, -0.924},
                                         {0.0, -1.0}, {0.383, -0.924},  {0.707, -0.707},  {0.924, -0.383}};
    const uint64_t h = mixBits(seed ^ mixBits(uint64_t(i) * 0x9E3779B97F4A7C15ull ^ uint64_t(j)));
    const double* g = angles[h & 15];
    return g[0] * dx + g[1] * dy;
}

double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

int64_t wrapped(int64_t i, int period) {
    if (period <= 0)
        return i;
    const int64_t m = i % period;
    return m < 0 ? m + period : m;
}

} // namespace

double gradientNoise(double x, double y, uint64_t seed, int period) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int64_t i = int64_t(fx), j = int64_t(fy);
    const double dx = x - fx, dy = y - fy;
    const int64_t i0 = wrapped(i, period), i1 = wrapped(i + 1, period);
    const int64_t j0 = wrapped(j, period), j1 = wrapped(j + 1, period);
    const double a = corner(i0, j0, seed, dx, dy), b = corner(i1, j0, seed, dx - 1, dy);
    const double c = corner(i0, j1, seed, dx, dy - 1), d = corner(i1, j1, seed, dx - 1, dy - 1);
    const double u = fade(dx), v = fade(dy);
    const double bottom = a + (b - a) * u, top = c + (d - c) * u;
    return (bottom + (top - bottom) * v) * 1.4;
}

double fractalNoise(double x, double y, uint64_t seed, int octaves, int period) {
    double total = 0, amplitude = 1, sum = 0, scale = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        total += amplitude * gradientNoise(x * scale, y * scale, seed + uint64_t(octave) * 7919,
                                           period > 0 ? period * int(scale) : 0);
        sum += amplitude;
        amplitude *= 0.5;
        scale *= 2;
    }
    return total / sum;
}

} // namespace velmora::content
