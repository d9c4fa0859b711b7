#pragma once
// Writes BMP files with the 40-byte information header, for decoder and loader tests.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::test {

struct BmpLayout {
    int width = 0, height = 0, bitCount = 24;
    uint32_t compression = 0, headerSize = 40, colorsUsed = 0;
    std::vector<uint32_t> palette = {};   // 0xRRGGBB
    std::vector<uint32_t> masks = {};     // bit fields, written after the header
    std::vector<uint8_t> pixelBytes = {}; // rows as stored, padding included
};

inline void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
inline void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

inline std::vector<uint8_t> writeBmp(const BmpLayout& values) {
    std::vector<uint8_t> out = {'B', 'M'};
    const uint32_t offset =
        14 + values.headerSize + 4 * uint32_t(values.masks.size() + values.palette.size());
    put32(out, offset + uint32_t(values.pixelBytes.size()));
    put32(out, 0);
    put32(out, offset);
    put32(out, values.headerSize);
    put32(out, uint32_t(values.width));
    put32(out, uint32_t(values.height));
    put16(out, 1);
    put16(out, uint32_t(values.bitCount));
    put32(out, values.compression);
    for (int i = 0; i < 3; ++i)
        put32(out, 0);
    put32(out, values.colorsUsed);
    put32(out, 0);
    out.resize(14 + values.headerSize, 0);
    for (uint32_t mask : values.masks)
        put32(out, mask);
    for (uint32_t color : values.palette)
        put32(out, color); // stored as blue, green, red, 0
    out.insert(out.end(), values.pixelBytes.begin(), values.pixelBytes.end());
    return out;
}

// A 24-bit top-down picture of 0xRRGGBB pixels, rows padded as the format wants.
inline std::vector<uint8_t> writeRgbBmp(int width, int height, const std::vector<uint32_t>& pixels) {
    BmpLayout values{.width = width, .height = -height};
    const size_t rowBytes = (size_t(width) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t color = pixels[size_t(y) * width + x];
            row[size_t(x) * 3] = uint8_t(color);
            row[size_t(x) * 3 + 1] = uint8_t(color >> 8);
            row[size_t(x) * 3 + 2] = uint8_t(color >> 16);
        }
        values.pixelBytes.insert(values.pixelBytes.end(), row.begin(), row.end());
    }
    return writeBmp(values);
}

} // namespace velmora::test
