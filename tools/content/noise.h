#pragma once
// Smooth pseudo-random gradient noise, the same on every machine: the relief of the holes and the
// grain of the course textures. With a period the noise repeats seamlessly every period lattice
// cells in x and y.

#include <cstdint>

namespace velmora::content {

// About -1 ... 1, zero at every lattice point.
double gradientNoise(double x, double y, uint64_t seed, int period = 0);

// Octaves of noise, each at twice the frequency and half the amplitude of the one before,
// normalised to about -1 ... 1; the first octave at the coordinates as given.
double fractalNoise(double x, double y, uint64_t seed, int octaves, int period = 0);

} // namespace velmora::content
