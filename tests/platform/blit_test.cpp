#include "platform/drawing.h"
#include "tests/support/pixel_grid.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

uint32_t rawPixel(HBITMAP bitmap, int x, int y) {
    const uint8_t* line = bitmap->bits + y * bitmap->stride;
    return bitmap->bitsPerPixel == 16 ? reinterpret_cast<const uint16_t*>(line)[x]
                                      : reinterpret_cast<const uint32_t*>(line)[x];
}

void setRawPixel(HBITMAP bitmap, int x, int y, uint32_t pixel) {
    uint8_t* line = bitmap->bits + y * bitmap->stride;
    if (bitmap->bitsPerPixel == 16)
        reinterpret_cast<uint16_t*>(line)[x] = static_cast<uint16_t>(pixel);
    else
        reinterpret_cast<uint32_t*>(line)[x] = pixel;
}

std::vector<uint32_t> rawPixels(HBITMAP bitmap) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < bitmap->height; ++y)
        for (int x = 0; x < bitmap->width; ++x)
            pixels.push_back(rawPixel(bitmap, x, y));
    return pixels;
}

// A source pixel at the destination's depth, through the drawing calls' colour order.
uint32_t convertedPixel(uint32_t pixel, int fromBits, int toBits) {
    if (fromBits == toBits)
        return pixel;
    const COLORREF colour =
        fromBits == 16 ? RGB(int(pixel >> 11) << 3, int((pixel >> 5) & 0x3F) << 2, int(pixel & 0x1F) << 3)
                       : RGB(int(pixel >> 16) & 0xFF, int(pixel >> 8) & 0xFF, int(pixel) & 0xFF);
    return storedPixel(colour, toBits);
}

struct Geometry {
    int x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight;
};

// The blit rule pixel by pixel: destination pixel i of a run of n maps to source pixel
// (2i + 1) * sourceSize / 2n, counted from the far end on a mirrored side; destination pixels whose
// source pixel lies outside the source are left alone.
void referenceBlit(HBITMAP target, const std::vector<uint32_t>& sourcePixels, HBITMAP source, Geometry g,
                   DWORD rop, bool keyed, COLORREF key) {
    bool mirrorX = false, mirrorY = false;
    if (g.width < 0) {
        g.x += g.width, g.width = -g.width, mirrorX = !mirrorX;
    }
    if (g.height < 0) {
        g.y += g.height, g.height = -g.height, mirrorY = !mirrorY;
    }
    if (g.sourceWidth < 0) {
        g.sourceX += g.sourceWidth, g.sourceWidth = -g.sourceWidth, mirrorX = !mirrorX;
    }
    if (g.sourceHeight < 0) {
        g.sourceY += g.sourceHeight, g.sourceHeight = -g.sourceHeight, mirrorY = !mirrorY;
    }
    const uint32_t mask = target->bitsPerPixel == 16 ? 0xFFFF : 0xFFFFFF;
    const uint32_t storedKey = storedPixel(key, source->bitsPerPixel);
    for (int j = 0; j < g.height; ++j) {
        for (int i = 0; i < g.width; ++i) {
            const int x = g.x + i, y = g.y + j;
            if (x < 0 || y < 0 || x >= target->width || y >= target->height)
                continue;
            const int64_t si = mirrorX ? g.width - 1 - i : i, sj = mirrorY ? g.height - 1 - j : j;
            const int64_t sx = g.sourceX + (2 * si + 1) * g.sourceWidth / (2 * int64_t(g.width));
            const int64_t sy = g.sourceY + (2 * sj + 1) * g.sourceHeight / (2 * int64_t(g.height));
            if (sx < 0 || sy < 0 || sx >= source->width || sy >= source->height)
                continue;
            const uint32_t raw = sourcePixels[size_t(sy * source->width + sx)];
            if (keyed && raw == storedKey)
                continue;
            const uint32_t s = convertedPixel(raw, source->bitsPerPixel, target->bitsPerPixel);
            const uint32_t d = rawPixel(target, x, y);
            uint32_t out = s;
            if (rop == SRCPAINT)
                out = s | d;
            else if (rop == SRCAND)
                out = s & d;
            else if (rop == SRCINVERT)
                out = s ^ d;
            else if (rop == NOTSRCCOPY)
                out = ~s & mask;
            setRawPixel(target, x, y, out);
        }
    }
}

void paint(HBITMAP bitmap, uint32_t seed) {
    const COLORREF palette[] = {RGB(255, 255, 255), RGB(0, 0, 0),    RGB(200, 16, 40),  RGB(3, 250, 7),
                                RGB(18, 52, 86),    RGB(19, 53, 87), RGB(128, 128, 128)};
    for (int y = 0; y < bitmap->height; ++y)
        for (int x = 0; x < bitmap->width; ++x)
            setRawPixel(bitmap, x, y, storedPixel(palette[(x * 7 + y * 3 + seed) % 7], bitmap->bitsPerPixel));
}

TEST(Blit, EveryOperationDepthAndMappingMatchesThePixelRule) {
    const Geometry geometries[] = {
        {2, 1, 9, 7, 1, 2, 9, 7},     // one to one, partly outside both
        {-3, -2, 13, 11, 0, 0, 5, 4}, // enlarged, clipped at the top left
        {3, 2, -7, 5, 1, 0, 9, 6},    // mirrored across, reduced
        {1, 9, 6, -8, 2, 1, 6, 7},    // mirrored upside down
        {0, 0, 12, 10, 4, 3, 10, 9},  // the source rectangle reaches past the source
        {5, 1, 9, 4, -3, -2, 9, 4},   // and starts before it
        {-2, 0, 15, 10, 8, 6, -7, -5} // a source rectangle given by its far corner
    };
    const DWORD rops[] = {SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, NOTSRCCOPY};
    const COLORREF key = RGB(18, 52, 86);
    for (int targetBits : {16, 32}) {
        for (int sourceBits : {16, 32}) {
            for (const Geometry& g : geometries) {
                for (int variant = 0; variant <= 5; ++variant) {
                    const bool keyed = variant == 5;
                    if (keyed && (g.width < 0 || g.height < 0 || g.sourceWidth < 0 || g.sourceHeight < 0))
                        continue;
                    TestCanvas target(12, 10, targetBits), expected(12, 10, targetBits),
                        source(9, 7, sourceBits);
                    paint(target.bitmap, 1);
                    paint(expected.bitmap, 1);
                    paint(source.bitmap, 4);
                    const DWORD rop = keyed ? SRCCOPY : rops[variant];
                    if (keyed)
                        TransparentImage(target.dc, g.x, g.y, g.width, g.height, source.dc, g.sourceX,
                                         g.sourceY, g.sourceWidth, g.sourceHeight, key);
                    else
                        StretchBlt(target.dc, g.x, g.y, g.width, g.height, source.dc, g.sourceX, g.sourceY,
                                   g.sourceWidth, g.sourceHeight, rop);
                    referenceBlit(expected.bitmap, rawPixels(source.bitmap), source.bitmap, g, rop, keyed,
                                  key);
                    ASSERT_EQ(rawPixels(target.bitmap), rawPixels(expected.bitmap))
                        << targetBits << " from " << sourceBits << " bits, geometry " << (&g - geometries)
                        << ", variant " << variant;
                }
            }
        }
    }
}

TEST(Blit, ABitmapBlitOntoItselfReadsThePictureFromBeforeTheBlit) {
    for (int bits : {16, 32}) {
        TestCanvas canvas(12, 10, bits), expected(12, 10, bits);
        paint(canvas.bitmap, 2);
        paint(expected.bitmap, 2);
        const Geometry g{3, 2, -8, 7, 0, 0, 6, 6};
        StretchBlt(canvas.dc, g.x, g.y, g.width, g.height, canvas.dc, g.sourceX, g.sourceY, g.sourceWidth,
                   g.sourceHeight, SRCINVERT);
        referenceBlit(expected.bitmap, rawPixels(expected.bitmap), expected.bitmap, g, SRCINVERT, false, 0);
        EXPECT_EQ(rawPixels(canvas.bitmap), rawPixels(expected.bitmap)) << bits;
    }
}

} // namespace
} // namespace velmora
