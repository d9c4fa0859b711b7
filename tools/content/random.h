#pragma once
// A small deterministic generator (SplitMix64), so that the same seed gives the same content on
// every machine and compiler; the standard distributions do not promise that.

#include <cstdint>

namespace velmora::content {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double low, double high) { return low + (high - low) * unit(); }
    // Uniform integer in [low, high].
    int integer(int low, int high) { return low + int(next() % uint64_t(high - low + 1)); }
    bool chance(double probability) { return unit() < probability; }

private:
    uint64_t state_;
};

} // namespace velmora::content
