#pragma once
// Writes RIFF wave files for reader and player tests: the canonical 44-byte layout, or with
// extra chunks before the samples and sizes that lie.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

struct WaveLayout {
    int formatTag = 1, channels = 1, rate = 22050, bits = 16;
    int blockAlign = -1;               // -1: channels x bytes per sample
    std::vector<uint8_t> samples = {}; // the data chunk's bytes
    std::string chunksBeforeData = {}; // whole chunks, written between "fmt " and "data"
    int64_t dataSizeField = -1;        // -1: the true size
};

inline void appendLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

inline std::vector<uint8_t> writeWave(const WaveLayout& values) {
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    const int blockAlign = values.blockAlign >= 0 ? values.blockAlign : values.channels * values.bits / 8;
    appendLittleEndian(out, 16, 4);
    appendLittleEndian(out, uint32_t(values.formatTag), 2);
    appendLittleEndian(out, uint32_t(values.channels), 2);
    appendLittleEndian(out, uint32_t(values.rate), 4);
    appendLittleEndian(out, uint32_t(values.rate * blockAlign), 4);
    appendLittleEndian(out, uint32_t(blockAlign), 2);
    appendLittleEndian(out, uint32_t(values.bits), 2);
    out.insert(out.end(), values.chunksBeforeData.begin(), values.chunksBeforeData.end());
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    appendLittleEndian(
        out, uint32_t(values.dataSizeField >= 0 ? values.dataSizeField : int64_t(values.samples.size())), 4);
    out.insert(out.end(), values.samples.begin(), values.samples.end());
    const uint32_t riffSize = uint32_t(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + i] = uint8_t(riffSize >> (8 * i));
    return out;
}

// 16-bit samples as little-endian bytes.
inline std::vector<uint8_t> sampleBytes(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> bytes;
    for (int16_t s : samples)
        appendLittleEndian(bytes, uint16_t(s), 2);
    return bytes;
}

} // namespace velmora::test
