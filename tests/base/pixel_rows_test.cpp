#include "base/pixel_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

TEST(Color, WidenedRgb565RepeatsTheTopBitsOfEachChannel) {
    EXPECT_EQ(rgbFrom565Full(0xFFFF), 0xFFFFFFu);
    EXPECT_EQ(rgbFrom565Full(0x0000), 0x000000u);
    EXPECT_EQ(rgbFrom565Full(0x8410), 0x848284u); // 10000 100000 10000
    EXPECT_EQ(rgbFrom565Full(0x0821), 0x080408u); // the lowest step of each channel
    for (uint32_t pixel = 0; pixel <= 0xFFFF; ++pixel)
        ASSERT_EQ(rgbTo565(rgbFrom565Full(static_cast<uint16_t>(pixel))), pixel);
}

TEST(Color, ConvertingKeepsThePixelBetweenEqualDepthsAndDropsLowBitsGoingDown) {
    EXPECT_EQ(convertPixel(0xAB123456u, 32, 32), 0xAB123456u);
    EXPECT_EQ(convertPixel(0x123456u, 32, 16), rgbTo565(0x123456));
    EXPECT_EQ(convertPixel(0xFFFFu, 16, 32), 0xF8FCF8u);
    EXPECT_EQ(decodePixel(0xFF123456u, 32), 0x123456u);
}

// What each operation writes for one pixel, spelled out independently of the kernels.
template <typename Format>
typename Format::Pixel expected(PixelOp op, uint32_t source, uint32_t destination) {
    const uint32_t mask = Format::white;
    switch (op) {
    case PixelOp::Copy:
        return static_cast<typename Format::Pixel>(source);
    case PixelOp::Or:
        return static_cast<typename Format::Pixel>(source | destination);
    case PixelOp::And:
        return static_cast<typename Format::Pixel>(source & destination);
    case PixelOp::Xor:
        return static_cast<typename Format::Pixel>(source ^ destination);
    case PixelOp::NotCopy:
        return static_cast<typename Format::Pixel>(~source & mask);
    case PixelOp::NotXor:
        return static_cast<typename Format::Pixel>(~(source ^ destination) & mask);
    case PixelOp::Invert:
        return static_cast<typename Format::Pixel>(~destination & mask);
    case PixelOp::Keep:
        break;
    }
    return static_cast<typename Format::Pixel>(destination);
}

constexpr PixelOp allOps[] = {PixelOp::Copy,    PixelOp::Or,     PixelOp::And,    PixelOp::Xor,
                              PixelOp::NotCopy, PixelOp::NotXor, PixelOp::Invert, PixelOp::Keep};

// Every operation, solid and from a source row, over odd widths and offsets, with sentinels on both
// sides of the written run.
template <typename Format> void checkEveryKernel() {
    using Pixel = typename Format::Pixel;
    constexpr Pixel sentinel = static_cast<Pixel>(0x5A5A5A5A);
    for (PixelOp op : allOps) {
        for (bool solid : {false, true}) {
            const RowKernel<Format> kernel = rowKernel<Format>(op, solid);
            for (int count : {1, 2, 3, 7, 31, 33}) {
                std::vector<Pixel> source(count), row(count + 2, sentinel);
                for (int i = 0; i < count; ++i) {
                    source[i] = static_cast<Pixel>((i * 2654435761u) & Format::white);
                    row[i + 1] = static_cast<Pixel>((i * 40503u + 0x1234u) & Format::white);
                }
                const std::vector<Pixel> before = row;
                kernel(row.data() + 1, source.data(), count);
                ASSERT_EQ(row.front(), sentinel);
                ASSERT_EQ(row.back(), sentinel);
                for (int i = 0; i < count; ++i) {
                    const Pixel in = solid ? source[0] : source[i];
                    ASSERT_EQ(row[i + 1], expected<Format>(op, in, before[i + 1]))
                        << "op " << int(op) << (solid ? " solid" : "") << " width " << count << " at " << i;
                }
            }
        }
    }
}

TEST(PixelRows, EveryOperationMatchesItsPixelRuleAtBothDepths) {
    checkEveryKernel<Format16>();
    checkEveryKernel<Format32>();
}

TEST(PixelRows, KeyedCopyComparesInTheSourceFormatBeforeConverting) {
    // Two 32-bit colours that share one RGB565 value: only the exact key is left out.
    const uint32_t key = 0x102030, twin = 0x112131;
    ASSERT_EQ(rgbTo565(key), rgbTo565(twin));
    const uint32_t source[] = {key, twin, 0xFFFFFF};
    uint16_t row[] = {1, 2, 3};
    copyRowKeyed<Format32, Format16>(row, source, 3, key);
    EXPECT_EQ(row[0], 1);
    EXPECT_EQ(row[1], rgbTo565(twin));
    EXPECT_EQ(row[2], 0xFFFF);
}

TEST(PixelRows, ConvertGatherAndDecodeRows) {
    const uint16_t wide[] = {0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410};
    uint32_t converted[5] = {};
    convertRow<Format16, Format32>(converted, wide, 5);
    uint32_t decoded[5] = {};
    decodeRow<Format16>(decoded, wide, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(converted[i], rgbFrom565(wide[i]));
        EXPECT_EQ(decoded[i], rgbFrom565(wide[i]));
    }
    uint16_t back[5] = {};
    convertRow<Format32, Format16>(back, converted, 5);
    EXPECT_EQ(std::vector<uint16_t>(back, back + 5), std::vector<uint16_t>(wide, wide + 5));

    const int columns[] = {4, 4, 2, 0};
    uint16_t gathered[4] = {};
    gatherRow(gathered, wide, columns, 4);
    EXPECT_EQ(std::vector<uint16_t>(gathered, gathered + 4),
              (std::vector<uint16_t>{0x8410, 0x8410, 0x07E0, 0xFFFF}));
}

} // namespace
} // namespace velmora
