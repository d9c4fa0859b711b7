#include "render/lighting_table.h"
#include "render/pixel_colour.h"
#include "render/renderer3d.h"
#include "render/triangle_raster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// A small 16- or 32-bit target with its depth buffer, guarded by sentinel rows above and below.
struct TestTarget {
    TestTarget(int w, int h, int bits = 16) : width(w), height(h), bitsPerPixel(bits) {
        pixels.assign(static_cast<size_t>(w) * (h + 2), sentinel);
        depth.assign(static_cast<size_t>(w) * (h + 2), sentinel);
        clear(0, depthEmpty);
    }
    void clear(uint32_t colour, uint32_t depthValue) {
        for (int i = width; i < width * (height + 1); ++i) {
            pixels[i] = colour;
            depth[i] = depthValue;
        }
    }
    RasterTarget target() {
        const int bytes = bitsPerPixel / 8;
        if (bitsPerPixel == 16) {
            packed.assign(pixels.size(), 0);
            for (size_t i = 0; i < pixels.size(); ++i)
                packed[i] = static_cast<uint16_t>(pixels[i]);
        }
        uint8_t* bits = bitsPerPixel == 16 ? reinterpret_cast<uint8_t*>(packed.data() + width)
                                           : reinterpret_cast<uint8_t*>(pixels.data() + width);
        return {bits, width * bytes, width, height, bitsPerPixel, depth.data() + width};
    }
    // Copies 16-bit pixels back after drawing.
    void sync() {
        if (bitsPerPixel == 16) {
            for (size_t i = 0; i < pixels.size(); ++i)
                pixels[i] = packed[i];
        }
    }
    uint32_t at(int x, int y) const { return pixels[(y + 1) * width + x]; }
    uint32_t depthAt(int x, int y) const { return depth[(y + 1) * width + x]; }
    // '#' where the pixel has the colour, '.' elsewhere.
    std::string mask(uint32_t colour) const {
        std::string out;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                out += at(x, y) == colour ? '#' : '.';
            out += '\n';
        }
        return out;
    }
    bool sentinelsIntact() const {
        for (int i = 0; i < width; ++i) {
            const size_t last = static_cast<size_t>(width) * (height + 1) + i;
            if (pixels[i] != sentinel || pixels[last] != sentinel || depth[i] != sentinel || depth[last] != sentinel)
                return false;
        }
        return true;
    }

    static constexpr uint32_t sentinel = 0xA5A5;
    int width;
    int height;
    int bitsPerPixel;
    std::vector<uint32_t> pixels;
    std::vector<uint16_t> packed;
    std::vector<uint32_t> depth;
};

// A vertex at a pixel corner (whole pixels; the walk samples pixels at their top-left corners).
ScreenVertex at(int x, int y, int32_t depth = 65536, int32_t u = 0, int32_t v = 0) {
    ScreenVertex vertex;
    vertex.x = x * subpixelUnit;
    vertex.y = y * subpixelUnit;
    vertex.depth = depth;
    vertex.u = u;
    vertex.v = v;
    return vertex;
}

DecodedMaterial flatColour(uint32_t pixel, ShadingMode detailLevel = ShadingMode::Unlit) {
    DecodedMaterial material;
    material.detailLevel = detailLevel;
    material.colour = pixel;
    return material;
}

void draw(TestTarget& t, const DecodedMaterial& material, const ScreenVertex& a, const ScreenVertex& b,
          const ScreenVertex& c, const LightingTables* lighting = nullptr) {
    RasterTarget target = t.target();
    ShadeContext context;
    context.material = &material;
    context.lighting = lighting;
    rasterizeTriangle(target, context, a, b, c);
    t.sync();
}

TEST(Rasterizer, CoverageFollowsTheTopLeftRule) {
    TestTarget t(8, 6);
    draw(t, flatColour(0x1234), at(1, 1), at(7, 1), at(1, 5));
    EXPECT_EQ(t.mask(0x1234), "........\n"
                              ".######.\n"
                              ".#####..\n"
                              ".###....\n"
                              ".##.....\n"
                              "........\n");
    // The other half of the square shares the diagonal without overlap or gap.
    draw(t, flatColour(0x00FF), at(7, 1), at(7, 5), at(1, 5));
    EXPECT_EQ(t.mask(0x00FF), "........\n"
                              "........\n"
                              "......#.\n"
                              "....###.\n"
                              "...####.\n"
                              "........\n");
    EXPECT_TRUE(t.sentinelsIntact());
}

TEST(Rasterizer, NothingForZeroHeightOrAboveTheTop) {
    TestTarget t(8, 6);
    draw(t, flatColour(0x1234), at(0, 2), at(7, 2), at(4, 2));
    draw(t, flatColour(0x1234), at(0, -9), at(7, -9), at(4, -1));
    draw(t, flatColour(0x1234), at(0, 6), at(7, 6), at(4, 12));
    EXPECT_EQ(t.mask(0x1234).find('#'), std::string::npos);
}

TEST(Rasterizer, TrianglesFarOutsideAreClippedToTheTarget) {
    TestTarget t(8, 6);
    draw(t, flatColour(0x1234), at(-16000, -16000), at(16000, -16000), at(0, 16000));
    EXPECT_EQ(t.mask(0x1234), "########\n########\n########\n########\n########\n########\n");
    EXPECT_TRUE(t.sentinelsIntact());
}

TEST(Rasterizer, NearerDepthWinsInEitherOrder) {
    for (bool nearFirst : {true, false}) {
        TestTarget t(8, 6);
        const auto nearTriangle = [&] { draw(t, flatColour(0x0F0F), at(0, 0, 1000), at(8, 0, 1000), at(0, 6, 1000)); };
        const auto farTriangle = [&] { draw(t, flatColour(0xF0F0), at(0, 0, 5000), at(8, 0, 5000), at(8, 6, 5000)); };
        if (nearFirst) {
            nearTriangle();
            farTriangle();
        } else {
            farTriangle();
            nearTriangle();
        }
        EXPECT_EQ(t.at(1, 1), 0x0F0Fu);
        EXPECT_EQ(t.depthAt(1, 1), 1000u);
        EXPECT_EQ(t.at(7, 1), 0xF0F0u);
        EXPECT_EQ(t.depthAt(7, 1), 5000u);
    }
}

// A 4 x 2 texture: one row of distinct texels and one of the key colour.
struct TestTexture {
    std::vector<uint16_t> texels = {0x0001, 0x0002, 0x0003, 0x0004, 0xF81F, 0xF81F, 0xF81F, 0xF81F};
    DecodedMaterial material(bool keyed) const {
        DecodedMaterial m;
        m.detailLevel = ShadingMode::Unlit;
        m.textured = true;
        m.texture.bits = texels.data();
        m.texture.widthMask = 3;
        m.texture.heightMask = 1;
        m.texture.rowShift = 2;
        m.keyed = keyed;
        m.key = 0xF81F;
        return m;
    }
};

TEST(Rasterizer, TexturesRepeatAndTheKeyLeavesPixelAndDepthAlone) {
    const TestTexture texture;
    TestTarget t(8, 2);
    t.clear(0x7777, 9999);
    // u runs 0 ... 8 texels across 8 pixels: the 4-texel row repeats twice; v picks row 0 then row 1.
    const int32_t texel = 65536;
    draw(t, texture.material(true), at(0, 0, 100, 0, 0), at(8, 0, 100, 8 * texel, 0), at(0, 2, 100, 0, 2 * texel));
    draw(t, texture.material(true), at(8, 0, 100, 8 * texel, 0), at(8, 2, 100, 8 * texel, 2 * texel),
         at(0, 2, 100, 0, 2 * texel));
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(t.at(x, 0), static_cast<uint32_t>(x % 4 + 1)) << x;
        EXPECT_EQ(t.depthAt(x, 0), 100u);
        EXPECT_EQ(t.at(x, 1), 0x7777u) << "key colour drawn at " << x;
        EXPECT_EQ(t.depthAt(x, 1), 9999u);
    }
    // Without a key the same texels are ordinary colours.
    draw(t, texture.material(false), at(0, 0, 50, 0, 0), at(8, 0, 50, 8 * texel, 0), at(0, 2, 50, 0, 2 * texel));
    EXPECT_EQ(t.at(0, 1), 0xF81Fu);
}

TEST(Rasterizer, LitModesSaturateEachFieldAt16Bits) {
    LightingTables lighting;
    lighting.diffuse.fill(0xFFFF);  // white light
    lighting.specular.fill(0xFFFF); // full highlight
    TestTarget t(4, 4);
    DecodedMaterial shiny = flatColour(0xFFFF, ShadingMode::LitBlended);
    shiny.flat = false;
    shiny.specularLevel = 255;
    ScreenVertex a = at(0, 0), b = at(4, 0), c = at(0, 4);
    for (ScreenVertex* v : {&a, &b, &c})
        v->lightX = v->lightY = 127 << 16;
    draw(t, shiny, a, b, c, &lighting);
    // light x colour gives 30 / 62 / 30 per field; the highlight would push past 31 / 63 / 31.
    EXPECT_EQ(t.at(0, 0), 0xFFFFu);
    DecodedMaterial dim = flatColour(rgbTo565(0x808080), ShadingMode::Lit);
    draw(t, dim, at(0, 0, 10), at(4, 0, 10), at(0, 4, 10), &lighting);
    const uint32_t grey = rgbTo565(0x808080);
    EXPECT_EQ(t.at(0, 0), PixelOps<Format16>::modulate(0xFFFF, grey));
}

TEST(Rasterizer, TransparencyBlendsWithWhatIsThere) {
    TestTarget t(4, 4, 32);
    t.clear(0x000000, depthEmpty);
    DecodedMaterial glass = flatColour(0xFFFFFF, ShadingMode::UnlitBlended);
    glass.transparency = 128;
    draw(t, glass, at(0, 0), at(4, 0), at(0, 4));
    EXPECT_EQ(t.at(0, 0), 0x7F7F7Fu); // 255 + (0 - 255) x 128 >> 8
}

TEST(DepthSort, LargestFirst) {
    std::vector<uint64_t> entries;
    for (uint64_t i = 0; i < 1000; ++i)
        entries.push_back((((i * 7919) % 1009) << depthOrderIndexBits) | i);
    entries.push_back(uint64_t{5} << depthOrderIndexBits);
    entries.push_back(~uint64_t{0} >> 6);
    sortByDepth(entries);
    for (size_t i = 1; i < entries.size(); ++i)
        ASSERT_GE(entries[i - 1], entries[i]);
    std::vector<uint64_t> same(5000, 7);
    sortByDepth(same); // equal keys: no deep recursion, no overrun
    EXPECT_EQ(same.size(), 5000u);
}

} // namespace
} // namespace velmora
