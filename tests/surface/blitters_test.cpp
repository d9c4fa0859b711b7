#include "surface/blitters.h"
#include "surface/transform.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>

#include <random>

namespace velmora {
namespace {

using test::fillPattern;
using test::makeSurface;
using test::patternColor;
using test::pixels;

constexpr uint32_t sentinel = 0x080408;

// The blitters' rules written pixel by pixel, for comparison with the clipped row loops.
void referenceBlit(Surface& destination, const Surface& source, int x, int y, int width, int height, Rect rect,
                   uint32_t key) {
    if (rect.x < 0 || rect.y < 0 || rect.width < 0 || rect.height < 0)
        rect = {0, 0, source.width, source.height};
    if (width < 1 || height < 1 || rect.width < 1 || rect.height < 1)
        return;
    const int64_t stepX = (int64_t(rect.width) << 12) / width, stepY = (int64_t(rect.height) << 12) / height;
    const int64_t startX = rect.x + (x < 0 ? (int64_t(-x) * rect.width) / width : 0);
    const int64_t startY = rect.y + (y < 0 ? (int64_t(-y) * rect.height) / height : 0);
    const uint32_t storedKey = key == noColor ? noColor : rgbFrom565(rgbTo565(key));
    for (int dy = std::max(y, 0); dy < std::min(y + height, destination.height); ++dy) {
        for (int dx = std::max(x, 0); dx < std::min(x + width, destination.width); ++dx) {
            const int64_t sx = startX + ((dx - std::max(x, 0)) * stepX >> 12);
            const int64_t sy = startY + ((dy - std::max(y, 0)) * stepY >> 12);
            if (sx >= source.width || sy >= source.height)
                continue;
            const uint32_t pixel = source.getPixel(int(sx), int(sy));
            if (key != noColor && (source.bitsPerPixel == 16 ? pixel == storedKey : pixel == key))
                continue;
            destination.setPixel(dx, dy, pixel);
        }
    }
}

TEST(Blitters, CopyAndStretchMatchThePixelRulesWhereverTheyAreClipped) {
    std::mt19937 random(7);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int bits : test::testedDepths()) {
        Surface source;
        makeSurface(source, 7, 5, bits);
        fillPattern(source);
        const uint32_t key = patternColor(3, 2);
        for (int trial = 0; trial < 3000; ++trial) {
            const Rect rect = pick(0, 5) == 0 ? wholeSurface : Rect{pick(0, 8), pick(0, 6), pick(0, 9), pick(0, 7)};
            const int x = pick(-12, 12), y = pick(-12, 12);
            const uint32_t trialKey = pick(0, 1) ? key : noColor;
            Surface actual, expected;
            makeSurface(actual, 9, 6, bits, sentinel);
            makeSurface(expected, 9, 6, bits, sentinel);
            if (trial % 2 == 0) {
                copyBlit(actual, source, x, y, rect, trialKey);
                const Rect whole = rect.width < 0 ? Rect{0, 0, 7, 5} : rect;
                referenceBlit(expected, source, x, y, whole.width, whole.height, rect, trialKey);
            } else {
                const int width = pick(-1, 20), height = pick(-1, 14);
                stretchBlit(actual, source, x, y, width, height, rect, trialKey);
                referenceBlit(expected, source, x, y, width, height, rect, trialKey);
            }
            ASSERT_EQ(pixels(actual), pixels(expected)) << "bits " << bits << " trial " << trial << " at " << x
                                                        << "," << y << " rect " << rect.x << "," << rect.y << " "
                                                        << rect.width << "x" << rect.height;
        }
    }
}

TEST(Blitters, StretchClippedAtTheLeftMovesTheSourceStartByTheClippedShare) {
    Surface source, destination;
    makeSurface(source, 4, 1, 32);
    fillPattern(source);
    makeSurface(destination, 5, 1, 32, sentinel);
    // 4 -> 8 pixels starting 3 left of the edge: the start moves by 3 * 4 / 8 = 1 source pixel and the
    // half-pixel steps restart there.
    stretchBlit(destination, source, -3, 0, 8, 1);
    const std::vector<uint32_t> expected = {patternColor(1, 0), patternColor(1, 0), patternColor(2, 0),
                                            patternColor(2, 0), patternColor(3, 0)};
    EXPECT_EQ(pixels(destination), expected);
}

TEST(Blitters, KeyIsComparedAtTheSurfaceDepth) {
    for (int bits : test::testedDepths()) {
        Surface source, destination;
        makeSurface(source, 2, 1, bits, 0x102030);
        source.setPixel(1, 0, 0xFF0000);
        makeSurface(destination, 2, 1, bits, sentinel);
        copyBlit(destination, source, 0, 0, wholeSurface, 0x122333); // same RGB565 word as 0x102030
        EXPECT_EQ(destination.getPixel(0, 0), bits == 16 ? sentinel : 0x102030u) << bits;
        EXPECT_EQ(destination.getPixel(1, 0), bits == 16 ? 0xF80000u : 0xFF0000u);
    }
}

TEST(Blitters, MixedDepthsAndEmptySurfacesDrawNothing) {
    if (displayDepth() != 16)
        GTEST_SKIP() << "needs a 16-bit display depth";
    Surface wide, narrow, empty;
    makeSurface(wide, 3, 3, 32, sentinel);
    makeSurface(narrow, 3, 3, 16, 0xFFFFFF);
    copyBlit(wide, narrow, 0, 0);
    stretchBlit(wide, narrow, 0, 0, 3, 3);
    copyBlit(wide, empty, 0, 0);
    fillRect(empty, 0xFFFFFF, 0, 0, -1, -1);
    EXPECT_EQ(pixels(wide), std::vector<uint32_t>(9, sentinel));
}

TEST(Blitters, FillRectWholeSurfaceSolidAndOutline) {
    for (int bits : test::testedDepths()) {
        Surface surface;
        makeSurface(surface, 5, 3, bits, sentinel); // odd width: 16-bit rows carry a padding pixel
        fillRect(surface, 0xF8FCF8, 2, 0, -1, 1);   // negative width: the whole surface
        EXPECT_EQ(pixels(surface), std::vector<uint32_t>(15, 0xF8FCF8u));

        makeSurface(surface, 5, 4, bits, 0);
        fillRect(surface, 0xF80000, 3, -1, 4, 4, Fill::Outline); // top and right edges lie outside
        const std::vector<uint32_t> outline = {
            0, 0, 0, 0xF80000, 0, //
            0, 0, 0, 0xF80000, 0, //
            0, 0, 0, 0xF80000, 0xF80000, 0, 0, 0, 0, 0};
        EXPECT_EQ(pixels(surface), outline) << bits;

        makeSurface(surface, 3, 3, bits, 0);
        fillRect(surface, 0x0000F8, -1, 1, 3, 5); // clipped solid
        EXPECT_EQ(pixels(surface), (std::vector<uint32_t>{0, 0, 0, 0xF8, 0xF8, 0, 0xF8, 0xF8, 0}));
        fillRect(surface, 0xFFFFFF, 0, 0, 0, 3);
        EXPECT_EQ(surface.getPixel(0, 0), 0u);
    }
}

TEST(Transforms, QuarterTurnsMirrorAndFlip) {
    for (int bits : test::testedDepths()) {
        Surface source, turned, back, mirrored, flipped;
        makeSurface(source, 3, 2, bits);
        fillPattern(source);
        makeSurface(turned, 2, 3, bits);
        ASSERT_TRUE(rotateSurface(turned, source, QuarterTurn::CounterClockwise));
        // The source's top-right corner comes to the top-left; its top row runs down the left column.
        EXPECT_EQ(turned.getPixel(0, 0), patternColor(2, 0));
        EXPECT_EQ(turned.getPixel(0, 2), patternColor(0, 0));
        EXPECT_EQ(turned.getPixel(1, 0), patternColor(2, 1));
        makeSurface(back, 3, 2, bits);
        ASSERT_TRUE(rotateSurface(back, turned, QuarterTurn::Clockwise));
        EXPECT_EQ(pixels(back), pixels(source));
        EXPECT_FALSE(rotateSurface(back, source, QuarterTurn::Clockwise)); // wrong size

        makeSurface(mirrored, 3, 2, bits);
        makeSurface(flipped, 3, 2, bits);
        ASSERT_TRUE(mirrorSurface(mirrored, source));
        ASSERT_TRUE(flipSurface(flipped, source));
        EXPECT_EQ(mirrored.getPixel(0, 1), patternColor(2, 1));
        EXPECT_EQ(flipped.getPixel(2, 0), patternColor(2, 1));
    }
}

} // namespace
} // namespace velmora
