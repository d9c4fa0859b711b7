#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace velmora::content {
namespace {

void putText(std::vector<uint8_t>& out, const char* text) { out.insert(out.end(), text, text + 4); }
void putU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void putU32(std::vector<uint8_t>& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

} // namespace

bool writeWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    putText(out, "RIFF");
    putU32(out, 36 + dataSize);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, 1); // mono
    putU32(out, uint32_t(sampleRate));
    putU32(out, uint32_t(sampleRate) * 2);
    putU16(out, 2);
    putU16(out, 16);
    putText(out, "data");
    putU32(out, dataSize);
    for (float s : samples) {
        const int value = int(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
        putU16(out, uint16_t(int16_t(value)));
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace velmora::content
