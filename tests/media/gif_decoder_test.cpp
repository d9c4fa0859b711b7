#include "gif_writer.h"
#include "media/gif_decoder.h"
#include "media/image_limits.h"
#include "media/lzw_decoder.h"

#include "tests/surface/surface_test_util.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::GifFrameLayout;
using test::writeGif;

constexpr uint32_t black = 0x000000, red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
constexpr uint32_t white = 0xFFFFFF, yellow = 0xFFFF00;

using test::pixels;

TEST(GifDecoder, AnimationFramesFollowDisposalKeysDelaysAndClipping) {
    std::vector<GifFrameLayout> frames(4);
    frames[0] = {.left = 0,
                 .top = 0,
                 .width = 4,
                 .height = 3,
                 .indices = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1},
                 .disposal = 1,
                 .delay = 10};
    // A local table, kept on top of the previous frame; its yellow is the key.
    frames[1] = {.left = 1,
                 .top = 1,
                 .width = 2,
                 .height = 2,
                 .indices = {0, 1, 1, 0},
                 .localColors = {white, yellow},
                 .disposal = 2,
                 .delay = 20,
                 .transparentIndex = 1};
    // After "restore to background", filled with the colour of this frame's transparent index.
    frames[2] = {
        .left = 3, .top = 0, .width = 1, .height = 1, .indices = {1}, .disposal = 2, .transparentIndex = 3};
    // After "restore to background" without a key: the background colour (index 2); clipped at the edges.
    frames[3] = {.left = 2,
                 .top = 1,
                 .width = 3,
                 .height = 3,
                 .indices = {0, 0, 0, 0, 0, 0, 0, 0, 0},
                 .withControl = false};
    const std::vector<uint8_t> file = writeGif(4, 3, {black, red, green, blue}, 2, frames);

    const GifImage image = decodeGif(file, false, GifFrames::All);
    ASSERT_EQ(image.frames.size(), 4u);
    EXPECT_EQ(image.corruptFrames, 0);
    const std::vector<uint32_t> first = {black, red,   green, blue, red,   green,
                                         blue,  black, green, blue, black, red};
    EXPECT_EQ(pixels(*image.frames[0]), first);
    EXPECT_FLOAT_EQ(image.frames[0]->frameDelay, 0.1f);
    EXPECT_FALSE(image.frames[0]->hasTransparentColor);

    const Surface& second = *image.frames[1];
    EXPECT_EQ(pixels(second), (std::vector<uint32_t>{black, red, green, blue, red, white, yellow, black,
                                                     green, yellow, white, red}));
    EXPECT_TRUE(second.hasTransparentColor);
    EXPECT_EQ(second.transparentColor, yellow);
    EXPECT_FLOAT_EQ(second.frameDelay, 0.2f);

    EXPECT_EQ(pixels(*image.frames[2]),
              (std::vector<uint32_t>{blue, blue, blue, red, blue, blue, blue, blue, blue, blue, blue, blue}));
    EXPECT_EQ(pixels(*image.frames[3]), (std::vector<uint32_t>{green, green, green, green, green, green,
                                                               black, black, green, green, black, black}));
    EXPECT_FALSE(image.frames[3]->hasTransparentColor);

    // The first-frame mode stops there; at device depth the colours are RGB565.
    const GifImage single = decodeGif(file, true, GifFrames::First);
    ASSERT_EQ(single.frames.size(), 1u);
    EXPECT_EQ(single.frames[0]->bitsPerPixel, displayDepth());
    EXPECT_EQ(single.frames[0]->getPixel(1, 0), test::storedAtDisplayDepth(red));
}

TEST(GifDecoder, InterlacedRowsLandInTheirPlaces) {
    GifFrameLayout frame{.width = 2, .height = 11, .interlaced = true, .withControl = false};
    for (int row = 0; row < 11; ++row)
        frame.indices.insert(frame.indices.end(), {uint8_t(row), uint8_t(row)});
    std::vector<uint32_t> grey;
    for (uint32_t i = 0; i < 16; ++i)
        grey.push_back(i * 0x101010);
    const GifImage image = decodeGif(writeGif(2, 11, grey, 0, {frame}), false, GifFrames::First);
    ASSERT_EQ(image.frames.size(), 1u);
    for (int row = 0; row < 11; ++row)
        EXPECT_EQ(image.frames[0]->getPixel(1, row), uint32_t(row) * 0x101010) << row;
}

TEST(GifDecoder, DamagedFilesKeepWhatDecodedBeforeTheDamage) {
    GifFrameLayout frame{.width = 8, .height = 8, .indices = std::vector<uint8_t>(64, 1), .delay = 5};
    const std::vector<uint8_t> file = writeGif(8, 8, {black, red}, 0, {frame, frame});

    EXPECT_FALSE(
        decodeGif(std::vector<uint8_t>{'G', 'I', 'X', '8', '9', 'a'}, false, GifFrames::All).validSignature);
    EXPECT_TRUE(
        decodeGif(std::span(file).first(12), false, GifFrames::All).frames.empty()); // inside the screen
    for (size_t cut = 13; cut < file.size(); ++cut) {
        const GifImage image = decodeGif(std::span(file).first(cut), false, GifFrames::All);
        EXPECT_LE(image.frames.size(), 2u);
    }
    // One frame's data replaced by a code past the table: that frame alone is dropped.
    std::vector<uint8_t> damaged = file;
    const size_t secondImage = damaged.size() / 2 + 10;
    for (size_t i = secondImage; i < damaged.size() - 2; ++i)
        damaged[i] = 0xFF;
    const GifImage image = decodeGif(damaged, false, GifFrames::All);
    EXPECT_GE(image.frames.size(), 1u);
}

TEST(GifDecoder, AnAnimationKeepsTheFramesThatFitItsPixelBudget) {
    // Every frame takes a surface of the screen's size, however small its image: 2048 x 2048 fits
    // the budget four times, so the fifth frame is dropped and decoding stops there.
    const int side = 2048;
    static_assert(int64_t{side} * side * 4 == maxPicturePixels);
    GifFrameLayout dot{.width = 1, .height = 1, .indices = {1}, .disposal = 1};
    const GifImage image = decodeGif(
        writeGif(side, side, {black, red}, 0, std::vector<GifFrameLayout>(6, dot)), true, GifFrames::All);
    EXPECT_EQ(image.frames.size(), 4u);
    EXPECT_EQ(image.corruptFrames, 1);

    // A screen beyond the budget has no room for even one frame.
    const GifImage wide = decodeGif(writeGif(8192, 4096, {black, red}, 0, {dot}), true, GifFrames::First);
    EXPECT_TRUE(wide.frames.empty());
    EXPECT_EQ(wide.corruptFrames, 1);
}

TEST(GifDecoder, FramesFarLargerThanTheScreenAreDecodedWithinATotal) {
    // Each 1024 x 1024 frame is decoded whole and clipped to one pixel: 32 of them reach the total.
    GifFrameLayout large{.width = 1024, .height = 1024, .indices = std::vector<uint8_t>(1 << 20, 1)};
    const GifImage image = decodeGif(writeGif(1, 1, {black, red}, 0, std::vector<GifFrameLayout>(40, large)),
                                     false, GifFrames::All);
    EXPECT_EQ(image.frames.size(), 32u);
    EXPECT_EQ(image.corruptFrames, 1);
    EXPECT_EQ(image.frames[0]->getPixel(0, 0), red);
}

// Codes written by hand, least significant bit first.
std::vector<uint8_t> packCodes(const std::vector<std::pair<int, int>>& codes) { // (code, width)
    std::vector<uint8_t> bytes;
    uint64_t bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= uint64_t(code) << count;
        count += width;
        while (count >= 8) {
            bytes.push_back(uint8_t(bits));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        bytes.push_back(uint8_t(bits));
    bytes.resize(bytes.size() + lzwSpareBytes);
    return bytes;
}

std::optional<std::vector<uint8_t>> decode(const std::vector<uint8_t>& codes, int minCodeSize,
                                           size_t capacity) {
    std::vector<uint8_t> out(capacity, 0xEE);
    const auto written = decodeLzw(std::span(codes).first(codes.size() - lzwSpareBytes), minCodeSize, out);
    if (!written)
        return std::nullopt;
    out.resize(*written);
    return out;
}

TEST(LzwDecoder, HandlesTheUnknownCodeCaseAndRefusesCodesPastTheTable) {
    // Minimum size 2: clear 4, end 5, first free 6. "1, 6" is 1 then 1+1 (the code not yet known).
    EXPECT_EQ(decode(packCodes({{4, 3}, {1, 3}, {6, 3}, {5, 3}}), 2, 10), (std::vector<uint8_t>{1, 1, 1}));
    // Code 7 while 6 is the next free code: undecodable.
    EXPECT_EQ(decode(packCodes({{4, 3}, {1, 3}, {7, 3}}), 2, 10), std::nullopt);
    // A first code that is not a root.
    EXPECT_EQ(decode(packCodes({{4, 3}, {6, 3}}), 2, 10), std::nullopt);
    // Output stops at the frame's size; data without an end code simply ends.
    EXPECT_EQ(decode(packCodes({{4, 3}, {2, 3}, {6, 3}, {6, 3}}), 2, 4), (std::vector<uint8_t>{2, 2, 2, 2}));
    EXPECT_EQ(decode(packCodes({{1, 3}, {2, 3}}), 2, 4), (std::vector<uint8_t>{1, 2}));
    // The width grows to 4 bits once code 7 is taken: 1,2 -> 6="1 2"; 6 -> 7="2 1"; then 4-bit codes.
    EXPECT_EQ(decode(packCodes({{1, 3}, {2, 3}, {6, 3}, {7, 4}, {5, 4}}), 2, 20),
              (std::vector<uint8_t>{1, 2, 1, 2, 2, 1}));
    EXPECT_EQ(decode(packCodes({{1, 3}}), 12, 4), std::nullopt);
    EXPECT_EQ(decode(packCodes({{1, 3}}), 0, 4), std::nullopt);
    // Above 8 bits a root code must still be a byte.
    EXPECT_EQ(decode(packCodes({{300, 10}}), 9, 4), std::nullopt);
}

} // namespace
} // namespace velmora
