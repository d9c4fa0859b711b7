#pragma once
// Readers for the generated content that share no code with its writers: giflib's decoder,
// libjpeg's decompressor, minizip's unzip, and header parsers for the canonical BMP and WAV layouts.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

using Bytes = std::vector<uint8_t>;

Bytes readBytes(const std::string& path);

struct GifFrameInfo {
    int left = 0, top = 0, width = 0, height = 0;
    int delay = 0;             // hundredths of a second
    int transparentIndex = -1; // -1: none
    uint32_t transparentColour = 0xFFFFFFFF;
    int disposal = 0;
    std::vector<uint8_t> indices;
};

struct GifInfo {
    std::string signature; // "GIF87a" or "GIF89a"
    int width = 0, height = 0;
    bool globalTable = false;
    std::vector<uint32_t> palette; // 0xRRGGBB
    std::vector<GifFrameInfo> frames;
};
std::optional<GifInfo> readGif(const Bytes& bytes);

struct JpegInfo {
    int width = 0, height = 0;
    int components = 0;
    bool progressive = false;
};
// None when the library reports any error or warning.
std::optional<JpegInfo> readJpeg(const Bytes& bytes);

struct BmpInfo {
    int width = 0, height = 0, bitsPerPixel = 0;
    uint32_t headerSize = 0, compression = 0;
};
std::optional<BmpInfo> readBmpHeader(const Bytes& bytes);

struct WavInfo {
    int formatTag = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    uint32_t dataSize = 0;
    std::vector<int16_t> samples;
};
// Only the canonical 44-byte layout: RIFF, WAVE, a 16-byte "fmt " chunk, then "data" to the end.
std::optional<WavInfo> readCanonicalWav(const Bytes& bytes);

struct ZipEntryInfo {
    Bytes bytes;
    int method = 0; // 0 stored, 8 deflated
    bool zip64 = false;
};
// Every entry by name; none when the archive cannot be read or an entry fails its check.
std::optional<std::map<std::string, ZipEntryInfo>> readZip(const std::string& path);

} // namespace velmora::test
