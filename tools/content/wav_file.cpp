#include "wav_file.h"

#include "byte_output.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace velmora::content {

bool writeWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    putTag(out, "RIFF");
    putU32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, 1); // mono
    putU32(out, uint32_t(sampleRate));
    putU32(out, uint32_t(sampleRate) * 2);
    putU16(out, 2);
    putU16(out, 16);
    putTag(out, "data");
    putU32(out, dataSize);
    for (float s : samples) {
        const int value = int(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        putU16(out, uint16_t(int16_t(value)));
    }
    return writeBytes(path, out);
}

} // namespace velmora::content
