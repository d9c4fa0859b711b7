// Picture operations, the BMP and JPEG writers, glyph grids and the golfer's limbs.
#include "content_readers.h"

#include "bitmap_fonts.h"
#include "figure.h"
#include "image_files.h"
#include "picture.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::content {
namespace {

using test::readBytes;
using test::TempFolder;

TEST(PictureOperations, DownsamplingWeighsColoursByCoverage) {
    Picture big(2, 2);
    big.at(0, 0) = {255, 0, 0, 255};
    big.at(1, 0) = {0, 0, 255, 255};
    big.at(0, 1) = {0, 255, 0, 0}; // transparent: its colour must not bleed in
    const Picture small = downsample(big, 2);
    ASSERT_EQ(small.width, 1);
    EXPECT_EQ(small.at(0, 0), (Rgba{127, 0, 127, 128}));
    EXPECT_EQ(downsample(Picture(4, 4), 2).at(1, 1), (Rgba{0, 0, 0, 0}));
}

TEST(PictureOperations, CropComposeAndHardenKeepToTheirRectangles) {
    Picture source(2, 2, {10, 20, 30, 255});
    const Picture cut = crop(source, 1, 1, 2, 2);
    EXPECT_EQ(cut.at(0, 0), (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(cut.at(1, 1).a, 0); // outside the source

    Picture target(3, 1, {0, 0, 0, 255});
    Picture half(2, 1, {255, 255, 255, 128});
    compose(target, half, 2, 0); // the second column falls outside
    EXPECT_EQ(target.at(0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(target.at(2, 0), (Rgba{128, 128, 128, 255}));

    Picture edges(3, 1);
    edges.at(0, 0).a = 127;
    edges.at(1, 0).a = 128;
    edges.at(2, 0).a = 255;
    hardenAlpha(edges);
    EXPECT_EQ(edges.at(0, 0).a, 0);
    EXPECT_EQ(edges.at(1, 0).a, 255);

    const Picture scaled = scaleNearest(Picture(4, 2, {1, 2, 3, 255}), 2, 1);
    EXPECT_EQ(scaled.width, 2);
    EXPECT_EQ(scaled.at(1, 0), (Rgba{1, 2, 3, 255}));
}

TEST(ImageWriters, BmpRowsGoBottomUpPaddedToFourBytes) {
    TempFolder folder;
    Picture picture(3, 2);
    picture.at(0, 0) = {255, 0, 0, 255}; // top left
    picture.at(2, 1) = {0, 0, 255, 255}; // bottom right
    ASSERT_TRUE(writeBmp(folder.os("p.bmp").string(), picture));
    const auto bytes = readBytes(folder.os("p.bmp").string());
    ASSERT_EQ(bytes.size(), 54u + 2 * 12u); // 9 bytes a row, padded to 12
    const auto header = test::readBmpHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->width, 3);
    EXPECT_EQ(header->height, 2); // positive: bottom row first
    // The bottom row comes first: its last pixel (blue, stored B, G, R) ends at byte 54 + 9.
    EXPECT_EQ(bytes[54 + 6], 255);
    EXPECT_EQ(bytes[54 + 8], 0);
    // Then the top row, starting with red.
    EXPECT_EQ(bytes[54 + 12 + 2], 255);
    EXPECT_EQ(bytes[54 + 12 + 0], 0);
}

TEST(ImageWriters, JpegsAreThreeComponentBaselineEvenWhenGrey) {
    TempFolder folder;
    ASSERT_TRUE(writeJpeg(folder.os("g.jpg").string(), Picture(17, 9, {128, 128, 128, 255})));
    const auto jpeg = test::readJpeg(readBytes(folder.os("g.jpg").string()));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->components, 3);
    EXPECT_FALSE(jpeg->progressive);
    EXPECT_EQ(jpeg->width, 17);
    EXPECT_EQ(jpeg->height, 9);
}

TEST(GlyphGrids, SamplesUpperCaseAndFallBackToTheBlankCell) {
    const BitmapFontStyle style{"test.gif", 2, 1, 0, 1, 0, 0, 0};
    // A grid whose cell n is filled with the grey n.
    Picture grid(style.cellWidth * kFontColumns, style.cellHeight * kFontRows);
    for (int cell = 0; cell < kFontColumns * kFontRows; ++cell)
        for (int x = 0; x < style.cellWidth; ++x)
            grid.at((cell % kFontColumns) * style.cellWidth + x, (cell / kFontColumns) * style.cellHeight) = {
                uint8_t(cell), uint8_t(cell), uint8_t(cell), 255};
    auto cellOf = [&](const Picture& text, int i) { return text.at(i * style.cellWidth, 0).r; };
    const Picture upper = sampleText(grid, style, "ok\x01", true);
    EXPECT_EQ(cellOf(upper, 0), 'O' - 32);
    EXPECT_EQ(cellOf(upper, 1), 'K' - 32);
    EXPECT_EQ(cellOf(upper, 2), 0); // below the start code
    EXPECT_EQ(cellOf(sampleText(grid, style, "ok", false), 0), 'o' - 32);
}

TEST(GolferLimbs, JointsKeepBoneLengthsAndBendTheWayAsked) {
    const Vec hip{0, 0}, ankle{0, 150};
    const Vec forward = limbJoint(hip, ankle, 100, 100, {1, 0});
    const Vec backward = limbJoint(hip, ankle, 100, 100, {-1, 0});
    EXPECT_NEAR(std::hypot(forward.x, forward.y), 100, 1e-9);
    EXPECT_NEAR(std::hypot(ankle.x - forward.x, ankle.y - forward.y), 100, 1e-9);
    EXPECT_GT(forward.x, 0);
    EXPECT_LT(backward.x, 0);
    // Out of reach the limb is straight, its joint on the line between the ends.
    const Vec straight = limbJoint(hip, {0, 300}, 100, 50, {1, 0});
    EXPECT_NEAR(straight.x, 0, 1e-9);
    EXPECT_NEAR(straight.y, 200, 1e-9);
}

} // namespace
} // namespace velmora::content
