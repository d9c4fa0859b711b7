#pragma once
// Reads what the mixer plays, for tests that run it pulled on a stereo device format.

#include "platform/wave_out.h"

#include <cstdint>
#include <vector>

namespace velmora::test {

// The left channel of the next frames the mixer makes.
inline std::vector<int> pullLeftChannel(size_t frames) {
    std::vector<int16_t> out(frames * 2);
    pullWaveOutput(out.data(), frames);
    std::vector<int> left;
    for (size_t i = 0; i < frames; ++i)
        left.push_back(out[2 * i]);
    return left;
}

} // namespace velmora::test
