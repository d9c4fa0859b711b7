#include "media/gif_decoder.h"

#include "base/byte_reader.h"
#include "base/pixel_format.h"
#include "media/image_limits.h"
#include "media/lzw_decoder.h"
#include "surface/blitters.h"

#include <algorithm>
#include <array>
#include <optional>

namespace velmora {

namespace {

constexpr uint8_t extensionIntroducer = 0x21, imageSeparator = 0x2C, trailer = 0x3B;
constexpr uint8_t graphicControlLabel = 0xF9;
// Indices decoded over all frames. A frame's image may be far larger than the screen and is decoded
// whole before it is clipped: without a total, a file of many such frames would keep the game busy
// for minutes while showing a few pixels. Frames that fit the screen never come near it.
constexpr size_t maxDecodedIndices = 2 * size_t{maxPicturePixels};

// 256 entries whatever the file says: indices past a short table read black.
using ColorTable = std::array<uint32_t, 256>; // 0xRRGGBB

enum class Disposal { None = 0, Keep = 1, RestoreBackground = 2 };

struct GraphicControl {
    uint8_t flags = 0;
    uint16_t delay = 0; // hundredths of a second
    uint8_t transparentIndex = 0;
    bool transparent() const { return flags & 1; }
    int disposal() const { return (flags >> 2) & 7; }
};

struct ImageDescriptor {
    int left, top, width, height;
    uint8_t flags;
    bool interlaced() const { return flags & 0x40; }
};

bool readColorTable(ByteReader& reader, int entries, ColorTable& table) {
    const auto bytes = reader.bytes(size_t(entries) * 3);
    if (!bytes)
        return false;
    table.fill(0);
    for (int i = 0; i < entries; ++i)
        table[i] =
            (uint32_t((*bytes)[i * 3]) << 16) | (uint32_t((*bytes)[i * 3 + 1]) << 8) | (*bytes)[i * 3 + 2];
    return true;
}

// Sub-blocks (a length byte, that many bytes) up to a zero length; false when the data ends first.
bool skipSubBlocks(ByteReader& reader) {
    for (;;) {
        const auto length = reader.u8();
        if (!length || !reader.skip(*length))
            return false;
        if (*length == 0)
            return true;
    }
}

// The graphic control block's fields come from its first sub-block; any further ones are skipped.
std::optional<GraphicControl> readGraphicControl(ByteReader& reader) {
    const auto size = reader.u8();
    if (!size)
        return std::nullopt;
    const auto body = reader.bytes(*size);
    if (!body || !skipSubBlocks(reader))
        return std::nullopt;
    GraphicControl control;
    if (*size >= 4) {
        control.flags = (*body)[0];
        control.delay = static_cast<uint16_t>((*body)[1] | ((*body)[2] << 8));
        control.transparentIndex = (*body)[3];
    }
    return control;
}

// All data sub-blocks of a frame in one buffer, followed by the decoder's spare bytes.
std::optional<std::vector<uint8_t>> gatherImageData(ByteReader& reader) {
    std::vector<uint8_t> data;
    for (;;) {
        const auto length = reader.u8();
        if (!length)
            return std::nullopt;
        if (*length == 0)
            break;
        const auto block = reader.bytes(*length);
        if (!block)
            return std::nullopt;
        data.insert(data.end(), block->begin(), block->end());
    }
    data.resize(data.size() + lzwSpareBytes, 0);
    return data;
}

// Frame row for each decoded row: in order, or in the four interlace passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(height);
    if (!interlaced) {
        for (int row = 0; row < height; ++row)
            rows.push_back(row);
        return rows;
    }
    static constexpr int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int row = starts[pass]; row < height; row += steps[pass])
            rows.push_back(row);
    return rows;
}

// Writes the decoded indices (the first `count`) at the frame's place, clipped to the surface.
template <typename Format>
void composeFrame(Surface& surface, const ImageDescriptor& image, const uint8_t* indices, size_t count,
                  const ColorTable& table) {
    using Pixel = typename Format::Pixel;
    std::array<Pixel, 256> pixels;
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<Pixel>(encodePixel(table[i], surface.bitsPerPixel));
    const std::vector<int> rows = rowOrder(image.height, image.interlaced());
    const int firstColumn = std::max(0, -image.left);
    const int endColumn = std::min(image.width, surface.width - image.left);
    if (endColumn <= firstColumn)
        return;
    for (int decoded = 0; decoded < image.height; ++decoded) {
        const size_t rowStart = size_t(decoded) * image.width;
        if (rowStart >= count)
            break;
        const int y = image.top + rows[decoded];
        if (y < 0 || y >= surface.height)
            continue;
        const int rowEnd = static_cast<int>(std::min<int64_t>(endColumn, int64_t(count - rowStart)));
        Pixel* out = pixelRow<Format>(surface.bits, surface.stride, y) + image.left;
        const uint8_t* in = indices + rowStart;
        for (int column = firstColumn; column < rowEnd; ++column)
            out[column] = pixels[in[column]];
    }
}

class GifDecoder {
public:
    GifDecoder(std::span<const uint8_t> data, bool useDeviceDepth, GifFrames which)
        : reader_(data), useDeviceDepth_(useDeviceDepth), which_(which) {}

    GifImage run() {
        const auto signature = reader_.bytes(6);
        if (!signature || (*signature)[0] != 'G' || (*signature)[1] != 'I' || (*signature)[2] != 'F') {
            result_.validSignature = false;
            return std::move(result_);
        }
        if (!readScreen())
            return std::move(result_);
        while (const auto block = reader_.u8()) {
            if (*block == trailer)
                break;
            if (*block == extensionIntroducer) {
                if (!readExtension())
                    break;
            } else if (*block == imageSeparator) {
                if (!readImage() || which_ == GifFrames::First)
                    break;
            }
            // Any other byte is not a block: skip it and look at the next.
        }
        return std::move(result_);
    }

private:
    bool readScreen() {
        const auto width = reader_.u16(), height = reader_.u16();
        const auto flags = reader_.u8(), background = reader_.u8(), aspect = reader_.u8();
        if (!width || !height || !flags || !background || !aspect)
            return false;
        screenWidth_ = *width;
        screenHeight_ = *height;
        backgroundIndex_ = *background;
        if (*flags & 0x80)
            return readColorTable(reader_, 1 << ((*flags & 7) + 1), globalTable_);
        for (uint32_t i = 0; i < globalTable_.size(); ++i)
            globalTable_[i] = (i << 16) | (i << 8) | i; // a grey ramp stands in for a missing table
        return true;
    }

    bool readExtension() {
        const auto label = reader_.u8();
        if (!label)
            return false;
        if (*label != graphicControlLabel)
            return skipSubBlocks(reader_);
        const auto control = readGraphicControl(reader_);
        if (!control)
            return false;
        control_ = *control;
        return true;
    }

    // False when the file ends inside the image or the picture has no room for another frame.
    bool readImage() {
        const auto left = reader_.u16(), top = reader_.u16(), width = reader_.u16(), height = reader_.u16();
        const auto flags = reader_.u8();
        if (!left || !top || !width || !height || !flags)
            return false;
        const ImageDescriptor image{*left, *top, *width, *height, *flags};
        ColorTable localTable;
        if ((image.flags & 0x80) && !readColorTable(reader_, 1 << ((image.flags & 7) + 1), localTable))
            return false;
        const ColorTable& table = (image.flags & 0x80) ? localTable : globalTable_;
        const auto minCodeSize = reader_.u8();
        if (!minCodeSize)
            return false;
        const auto data = gatherImageData(reader_);
        if (!data)
            return false;

        const std::optional<GraphicControl> control = control_;
        control_.reset();
        const size_t pixelCount = indicesToDecode(image, *minCodeSize, *data);
        if (!roomForFrame() || decodedIndices_ + pixelCount > maxDecodedIndices) {
            ++result_.corruptFrames; // and no later frame fits either
            return false;
        }
        decodedIndices_ += pixelCount;
        // The indices first: a frame whose data cannot be decoded costs no screen-sized surface.
        const std::optional<size_t> written = decodeIndices(*minCodeSize, *data, pixelCount);
        std::unique_ptr<Surface> frame = written ? startFrame(control, table) : nullptr;
        if (frame) {
            if (frame->bitsPerPixel == 16)
                composeFrame<Format16>(*frame, image, indices_.get(), *written, table);
            else
                composeFrame<Format32>(*frame, image, indices_.get(), *written, table);
            if (control) {
                frame->frameDelay = control->delay * 0.01f;
                frame->hasTransparentColor = control->transparent();
                if (frame->hasTransparentColor)
                    frame->transparentColor = table[control->transparentIndex];
            }
            result_.frames.push_back(std::move(frame));
        } else {
            ++result_.corruptFrames;
        }
        previousDisposal_ = control ? control->disposal() : 0;
        return true;
    }

    // Each frame is a surface of the screen's size: the picture's frames together stay within
    // maxPicturePixels.
    bool roomForFrame() const {
        const int64_t screen = int64_t{screenWidth_} * screenHeight_;
        return screenWidth_ <= maxImageSide && screenHeight_ <= maxImageSide &&
               screen * int64_t(result_.frames.size() + 1) <= maxPicturePixels;
    }

    // A surface of the screen size, started as the previous frame's disposal asks.
    std::unique_ptr<Surface> startFrame(const std::optional<GraphicControl>& control,
                                        const ColorTable& table) {
        auto frame = std::make_unique<Surface>();
        if (!frame->create(screenWidth_, screenHeight_, useDeviceDepth_))
            return nullptr;
        if (which_ == GifFrames::All && !result_.frames.empty()) {
            if (previousDisposal_ == static_cast<int>(Disposal::Keep)) {
                copyBlit(*frame, *result_.frames.back(), 0, 0);
            } else if (previousDisposal_ == static_cast<int>(Disposal::RestoreBackground)) {
                const uint8_t index =
                    control && control->transparent() ? control->transparentIndex : backgroundIndex_;
                fillRect(*frame, table[index], 0, 0, -1, -1);
            }
        }
        return frame;
    }

    // The indices a frame's data can give for its image: short data cannot fill a large frame, as
    // the k-th code after a clear adds at most k indices.
    static size_t indicesToDecode(const ImageDescriptor& image, uint8_t minCodeSize,
                                  const std::vector<uint8_t>& data) {
        const size_t codeCount = (data.size() - lzwSpareBytes) * 8 / (minCodeSize + 1);
        const size_t mostIndices = std::min(codeCount * 4096, codeCount * (codeCount + 1) / 2);
        return std::min(size_t(image.width) * image.height, mostIndices);
    }

    // Decodes at most pixelCount colour indices of a frame into indices_: how many were written,
    // or none for data that cannot be decoded.
    std::optional<size_t> decodeIndices(uint8_t minCodeSize, const std::vector<uint8_t>& data,
                                        size_t pixelCount) {
        // One index buffer serves every frame; only the indices a frame writes are read back.
        if (pixelCount > indexCapacity_) {
            indices_ = std::make_unique_for_overwrite<uint8_t[]>(pixelCount);
            indexCapacity_ = pixelCount;
        }
        return decodeLzw(std::span(data).first(data.size() - lzwSpareBytes), minCodeSize,
                         std::span(indices_.get(), pixelCount));
    }

    ByteReader reader_;
    const bool useDeviceDepth_;
    const GifFrames which_;
    GifImage result_;
    int screenWidth_ = 0, screenHeight_ = 0;
    uint8_t backgroundIndex_ = 0;
    ColorTable globalTable_{};
    std::optional<GraphicControl> control_; // pending for the next image
    int previousDisposal_ = 0;
    std::unique_ptr<uint8_t[]> indices_;
    size_t indexCapacity_ = 0;
    size_t decodedIndices_ = 0; // over all frames, kept or not
};

} // namespace

GifImage decodeGif(std::span<const uint8_t> data, bool useDeviceDepth, GifFrames which) {
    return GifDecoder(data, useDeviceDepth, which).run();
}

} // namespace velmora
