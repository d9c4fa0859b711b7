#include "media/bmp_decoder.h"

#include "base/byte_reader.h"
#include "base/pixel_format.h"
#include "media/image_limits.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <vector>

namespace velmora {

namespace {

constexpr uint16_t bmpSignature = 0x4D42; // "BM"
constexpr uint32_t infoHeaderSize = 40;
constexpr uint32_t compressionNone = 0, compressionBitFields = 3;

struct BmpHeader {
    uint32_t pixelOffset = 0;
    int32_t width = 0, height = 0;
    uint16_t planes = 0, bitCount = 0;
    uint32_t compression = 0, colorsUsed = 0;
};

// One channel of a packed pixel, scaled to 8 bits.
struct ChannelMask {
    explicit ChannelMask(uint32_t mask)
        : shift(mask ? std::countr_zero(mask) : 0), maximum(mask >> shift),
          bits(std::bit_width(maximum)) {}
    uint32_t extract(uint32_t pixel) const {
        const uint32_t value = (pixel >> shift) & maximum;
        if (bits >= 8)
            return value >> (bits - 8);
        return maximum ? (value * 255 + maximum / 2) / maximum : 0;
    }
    int shift;
    uint32_t maximum;
    int bits;
};

std::optional<BmpHeader> readHeaders(ByteReader& reader) {
    const auto type = reader.u16();
    const auto fileSize = reader.u32();
    const auto reserved1 = reader.u16(), reserved2 = reader.u16();
    const auto offset = reader.u32();
    const auto size = reader.u32();
    if (!type || !fileSize || !reserved1 || !reserved2 || !offset || !size || *type != bmpSignature ||
        *reserved1 != 0 || *reserved2 != 0 || *size != infoHeaderSize)
        return std::nullopt;
    const auto width = reader.i32(), height = reader.i32();
    const auto planes = reader.u16(), bitCount = reader.u16();
    const auto compression = reader.u32();
    if (!width || !height || !planes || !bitCount || !compression || !reader.skip(12))
        return std::nullopt;
    const auto colorsUsed = reader.u32();
    if (!colorsUsed || !reader.skip(4))
        return std::nullopt;
    return BmpHeader{*offset, *width, *height, *planes, *bitCount, *compression, *colorsUsed};
}

bool supportedLayout(const BmpHeader& header) {
    const int64_t height = std::abs(int64_t(header.height));
    if (header.width < 1 || header.width > maxImageSide || height < 1 || height > maxImageSide ||
        header.width * height > maxPicturePixels || header.planes != 1)
        return false;
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == compressionNone;
    case 16:
    case 32:
        return header.compression == compressionNone || header.compression == compressionBitFields;
    default:
        return false;
    }
}

// Decodes one file row into 0xRRGGBB values.
void decodeRow(const BmpHeader& header, const uint8_t* in, const std::array<uint32_t, 256>& palette,
               const ChannelMask (&masks)[3], std::vector<uint32_t>& out) {
    const int width = header.width;
    switch (header.bitCount) {
    case 1:
        for (int x = 0; x < width; ++x)
            out[x] = palette[(in[x / 8] >> (7 - x % 8)) & 1];
        break;
    case 4:
        for (int x = 0; x < width; ++x)
            out[x] = palette[(in[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            out[x] = palette[in[x]];
        break;
    case 24:
        for (int x = 0; x < width; ++x)
            out[x] = (uint32_t(in[x * 3 + 2]) << 16) | (uint32_t(in[x * 3 + 1]) << 8) | in[x * 3];
        break;
    default: { // 16 or 32 bits with masks
        const int bytes = header.bitCount / 8;
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = in[x * bytes] | (uint32_t(in[x * bytes + 1]) << 8);
            if (bytes == 4)
                pixel |= (uint32_t(in[x * 4 + 2]) << 16) | (uint32_t(in[x * 4 + 3]) << 24);
            out[x] = (masks[0].extract(pixel) << 16) | (masks[1].extract(pixel) << 8) | masks[2].extract(pixel);
        }
        break;
    }
    }
}

template <typename Format>
void storeRow(Surface& surface, int y, const std::vector<uint32_t>& rgb) {
    typename Format::Pixel* out = pixelRow<Format>(surface.bits, surface.stride, y);
    for (size_t x = 0; x < rgb.size(); ++x)
        out[x] = static_cast<typename Format::Pixel>(encodePixel(rgb[x], surface.bitsPerPixel));
}

} // namespace

BmpStatus decodeBmp(std::span<const uint8_t> data, bool useDeviceDepth, Surface& surface) {
    surface.release();
    ByteReader reader(data);
    const std::optional<BmpHeader> header = readHeaders(reader);
    if (!header)
        return BmpStatus::NotBmp;
    if (!supportedLayout(*header))
        return BmpStatus::InvalidImage;

    // Bit-field masks follow the header; the palette comes after them.
    uint32_t maskValues[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    if (header->bitCount == 16) {
        maskValues[0] = 0x7C00;
        maskValues[1] = 0x03E0;
        maskValues[2] = 0x001F;
    }
    if (header->compression == compressionBitFields) {
        for (uint32_t& mask : maskValues) {
            const auto value = reader.u32();
            if (!value)
                return BmpStatus::InvalidImage;
            mask = *value;
        }
    }
    const ChannelMask masks[3] = {ChannelMask(maskValues[0]), ChannelMask(maskValues[1]), ChannelMask(maskValues[2])};

    const uint32_t paletteEntries = (header->colorsUsed & 0xFFFF) ? (header->colorsUsed & 0xFFFF)
                                    : header->bitCount <= 8     ? (1u << header->bitCount)
                                                                : 0;
    const auto paletteBytes = reader.bytes(size_t(paletteEntries) * 4);
    if (!paletteBytes)
        return BmpStatus::InvalidImage;
    std::array<uint32_t, 256> palette{}; // indices past a short palette read black
    for (uint32_t i = 0; i < paletteEntries && i < palette.size(); ++i) {
        const uint8_t* entry = paletteBytes->data() + i * 4;
        palette[i] = (uint32_t(entry[2]) << 16) | (uint32_t(entry[1]) << 8) | entry[0];
    }

    if (header->pixelOffset != 0 && !reader.seek(header->pixelOffset))
        return BmpStatus::InvalidImage;
    const int height = std::abs(header->height);
    const size_t rowBytes = ((size_t(header->bitCount) * header->width + 31) / 32) * 4;
    const auto pixels = reader.bytes(rowBytes * height);
    if (!pixels || !surface.create(header->width, height, useDeviceDepth))
        return BmpStatus::InvalidImage;

    std::vector<uint32_t> rgb(header->width);
    const bool bottomUp = header->height > 0;
    for (int row = 0; row < height; ++row) {
        decodeRow(*header, pixels->data() + rowBytes * row, palette, masks, rgb);
        const int y = bottomUp ? height - 1 - row : row;
        if (surface.bitsPerPixel == 16)
            storeRow<Format16>(surface, y, rgb);
        else
            storeRow<Format32>(surface, y, rgb);
    }
    return BmpStatus::Decoded;
}

} // namespace velmora
