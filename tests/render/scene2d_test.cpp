#include "base/color.h"
#include "platform/gdi.h"
#include "platform/message_box.h"
#include "platform/ui_scale.h"
#include "render/scene2d.h"
#include "render/scene2d_nodes.h"
#include "render/texture.h"
#include "tests/surface/surface_test_util.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace velmora {
namespace {

constexpr uint32_t filler = 0xFF00FF;
constexpr uint32_t background = 0x102030;

uint32_t stored(uint32_t rgb, int bitsPerPixel) {
    return bitsPerPixel == 16 ? rgbFrom565(rgbTo565(rgb)) : rgb;
}

// A picture of width x height padded to powers of two with the filler colour, as the image cache
// makes them, at the given depth.
std::unique_ptr<Texture> picture(int width, int height, int bitsPerPixel,
                                 const std::function<uint32_t(int, int)>& rgb) {
    auto texture = std::make_unique<Texture>();
    auto frame = std::make_unique<Surface>();
    const int storedWidth = static_cast<int>(std::bit_ceil(static_cast<unsigned>(width)));
    const int storedHeight = static_cast<int>(std::bit_ceil(static_cast<unsigned>(height)));
    frame->adopt(CreateDIBSection(storedWidth, storedHeight, bitsPerPixel, nullptr), false);
    for (int y = 0; y < storedHeight; ++y)
        for (int x = 0; x < storedWidth; ++x)
            frame->setPixel(x, y, x < width && y < height ? rgb(x, y) : filler);
    texture->frames.push_back(std::move(frame));
    texture->originalWidth = width;
    texture->originalHeight = height;
    texture->width = storedWidth;
    texture->height = storedHeight;
    texture->log2Width = std::countr_zero(static_cast<unsigned>(storedWidth));
    texture->log2Height = std::countr_zero(static_cast<unsigned>(storedHeight));
    return texture;
}

std::unique_ptr<Texture> plain(int width, int height, int bitsPerPixel, uint32_t rgb) {
    return picture(width, height, bitsPerPixel, [rgb](int, int) { return rgb; });
}

// A page of 240 x 160 with one flat scene covering it.
struct Page {
    explicit Page(int bitsPerPixel) : scene(buildScene2D({0, 0, 240, 160})) {
        surface.adopt(CreateDIBSection(240, 160, bitsPerPixel, nullptr), false);
        scene->bkgColor = background;
        scene->painter->viewport = {&surface, 0, 0, 240, 160};
    }
    Group2D* add(std::unique_ptr<Group2D> group, const wchar_t* name = L"rect") {
        return scene->add(name, std::move(group));
    }
    void draw() { scene->painter->draw(0.1f); }
    int count(uint32_t rgb) const {
        int n = 0;
        for (uint32_t p : test::pixels(surface))
            n += p == stored(rgb, surface.bitsPerPixel);
        return n;
    }
    // For looking at the result: the page as a PPM file.
    void save(const std::string& path) const {
        if (FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fprintf(file, "P6\n%d %d\n255\n", surface.width, surface.height);
            for (uint32_t p : test::pixels(surface))
                std::fprintf(file, "%c%c%c", (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            std::fclose(file);
        }
    }
    Surface surface;
    std::unique_ptr<Scene2D> scene;
};

uint32_t gradient(int x, int y) {
    return test::patternColor(x % 32, y % 64) ^ (x >= 32 ? 0x800000 : 0);
}

class Scene2DDepth : public ::testing::TestWithParam<int> {};

TEST_P(Scene2DDepth, RectShowsTheWholePictureAndNoneOfItsFiller) {
    const int bpp = GetParam();
    Page page(bpp);
    auto texture = picture(100, 50, bpp, gradient); // stored 128 x 64
    page.add(buildRect2D(texture.get(), nullptr, 1.0f));
    page.draw();
    if (const char* out = std::getenv("VELMORA_PICTURES"))
        page.save(std::string(out) + "/rect2d_" + std::to_string(bpp) + ".ppm");

    EXPECT_EQ(page.count(filler), 0);
    EXPECT_EQ(page.count(background), 240 * 160 - 100 * 50);
    // Centred: 100 x 50 pixels from (70, 55), each pixel its own texel.
    int wrong = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            wrong += page.surface.getPixel(70 + x, 55 + y) != stored(gradient(x, y), bpp);
    EXPECT_EQ(wrong, 0);
}

TEST_P(Scene2DDepth, TextureOffsetScrollsAndWraps) {
    const int bpp = GetParam();
    Page page(bpp);
    auto texture = picture(16, 64, bpp, [](int, int y) { return test::patternColor(0, y); });
    Group2D* rect = page.add(buildRect2D(texture.get(), nullptr, 1.0f));
    rect->findMaterial(L"rectMtl")->setTextureOffset(0.0f, 0.25f);
    page.draw();
    const int top = 80 - 32;
    EXPECT_EQ(page.surface.getPixel(120, top), stored(test::patternColor(0, 16), bpp));
    EXPECT_EQ(page.surface.getPixel(120, top + 47), stored(test::patternColor(0, 63), bpp));
    EXPECT_EQ(page.surface.getPixel(120, top + 48), stored(test::patternColor(0, 0), bpp)); // wrapped
    rect->findMaterial(L"rectMtl")->setTextureOffset(0.0f, -0.5f);
    page.draw();
    EXPECT_EQ(page.surface.getPixel(120, top), stored(test::patternColor(0, 32), bpp));
}

TEST_P(Scene2DDepth, KeyColourAndAlphaMap) {
    const int bpp = GetParam();
    Page page(bpp);
    // Keyed picture: its transparent colour leaves the background.
    auto keyed = picture(8, 8, bpp, [](int x, int) { return x < 4 ? 0x00FF00u : 0xFF0000u; });
    keyed->frames[0]->hasTransparentColor = true;
    keyed->frames[0]->transparentColor = 0x00FF00;
    Group2D* left = page.add(buildRect2D(keyed.get(), nullptr, 1.0f), L"keyed");
    left->transform = Transform2D::translation(-50, 0);

    // Alpha map: white opaque, black (the key colour 0) skipped, mid grey half way.
    auto white = plain(8, 8, bpp, 0xFFFFFF);
    auto mask = picture(8, 8, bpp, [](int x, int) { return x < 2 ? 0xFFFFFFu : x < 4 ? 0u : 0x808080u; });
    Group2D* right = page.add(buildRect2D(white.get(), mask.get(), 1.0f), L"masked");
    right->transform = Transform2D::translation(50, 0);
    page.draw();
    if (const char* out = std::getenv("VELMORA_PICTURES"))
        page.save(std::string(out) + "/keyed_" + std::to_string(bpp) + ".ppm");

    EXPECT_EQ(page.surface.getPixel(116, 77), stored(background, bpp)); // key: x 0..3 of the left quad
    EXPECT_EQ(page.surface.getPixel(66, 77), stored(background, bpp));
    EXPECT_EQ(page.surface.getPixel(70, 77), stored(0xFF0000, bpp));
    EXPECT_EQ(page.surface.getPixel(166, 77), stored(0xFFFFFF, bpp));
    EXPECT_EQ(page.surface.getPixel(168, 77), stored(background, bpp));
    // 2 x (16 + 32 + 16) = 128 of 256: half way from the background to white, per field.
    const uint32_t half = bpp == 16 ? rgbFrom565((16 << 11) | (35 << 5) | 18) : 0x878F97;
    EXPECT_EQ(page.surface.getPixel(172, 77), half);
}

TEST_P(Scene2DDepth, TransparencyFadesAndTintUsesTheMaterialColour) {
    const int bpp = GetParam();
    Page page(bpp);
    auto red = plain(8, 8, bpp, 0xF80000);
    Group2D* rect = page.add(buildRect2D(red.get(), nullptr, 1.0f));
    Material3D* m = rect->firstMaterial();
    m->transparency = 256; // ignored in shading mode 1
    page.draw();
    EXPECT_EQ(page.surface.getPixel(120, 80), stored(0xF80000, bpp));

    m->detailLevel = ShadingMode::UnlitBlended;
    page.draw();
    EXPECT_EQ(page.surface.getPixel(120, 80), stored(background, bpp)); // invisible

    m->transparency = 0;
    m->textureAmount = 0; // all material colour
    m->diffuse = 0x0000F8;
    page.draw();
    EXPECT_EQ(page.surface.getPixel(120, 80), stored(0x0000F8, bpp));
}

INSTANTIATE_TEST_SUITE_P(Depths, Scene2DDepth, ::testing::Values(16, 32));

TEST(Rect2D, RefusesAMissingPictureOrTwoOfDifferentSizes) {
    const int before = messageBoxCount();
    EXPECT_EQ(buildRect2D(nullptr, nullptr, 1.0f), nullptr);
    EXPECT_EQ(lastMessageBox().caption, L"Error");
    EXPECT_EQ(lastMessageBox().text, L"The Rect2D should have either texture or mask.");
    auto texture = plain(100, 50, 32, 0xFFFFFF);
    auto mask = plain(100, 51, 32, 0xFFFFFF);
    EXPECT_EQ(buildRect2D(texture.get(), mask.get(), 1.0f), nullptr);
    EXPECT_EQ(lastMessageBox().text, L"The texture should have same dimension as mask.");
    EXPECT_EQ(messageBoxCount(), before + 2);

    auto sameSize = plain(100, 50, 32, 0);
    EXPECT_NE(buildRect2D(texture.get(), sameSize.get(), 1.0f), nullptr);
    EXPECT_NE(buildRect2D(nullptr, mask.get(), 1.0f), nullptr);
    EXPECT_EQ(messageBoxCount(), before + 2);
}

TEST(Rect2D, SizeFollowsThePictureAndScaleAndCopiesOwnTheirMaterial) {
    auto texture = plain(100, 50, 32, 0xFFFFFF);
    auto rect = buildRect2D(texture.get(), nullptr, 0.5f);
    ASSERT_NE(rect, nullptr);
    const Quad2D& quad = *rect->findQuad(L"rectangle");
    EXPECT_FLOAT_EQ(quad.corners[2].x, 25.0f);
    EXPECT_FLOAT_EQ(quad.corners[2].y, -12.5f);
    EXPECT_EQ(quad.corners[2].u, 100 * 65536 / 128);
    EXPECT_EQ(quad.corners[2].v, 50 * 65536 / 64);

    auto copies = copiesOf(*rect, 3);
    ASSERT_EQ(copies.size(), 2u);
    copies[0]->firstMaterial()->setTextureOffset(0, 0.5f);
    EXPECT_EQ(rect->firstMaterial()->textureOffsetV, 0);
    EXPECT_EQ(copies[0]->quads[0].material, copies[0]->firstMaterial());
    EXPECT_NE(dynamic_cast<Rect2D*>(copies[1].get()), nullptr);
}

TEST(Scene2D, TransformPlacesQuadsWithYUpAndScalesWithTheLayout) {
    Page page(32);
    auto texture = plain(20, 10, 32, 0xFFFFFF);
    Group2D* rect = page.add(buildRect2D(texture.get(), nullptr, 1.0f));
    rect->transform = Transform2D::translation(0, 40); // 40 units up
    page.draw();
    EXPECT_EQ(page.count(0xFFFFFF), 200);
    EXPECT_EQ(page.surface.getPixel(110, 35), 0xFFFFFFu);
    EXPECT_EQ(page.surface.getPixel(109, 35), background);
    EXPECT_EQ(page.surface.getPixel(110, 34), background);

    rect->transform = {0, -1, 0, 1, 0, 0}; // a quarter turn: 10 wide, 20 high
    page.draw();
    EXPECT_EQ(page.count(0xFFFFFF), 200);
    EXPECT_EQ(page.surface.getPixel(115, 70), 0xFFFFFFu);
    EXPECT_EQ(page.surface.getPixel(114, 70), background);

    // A scene drawn for a page half as wide as the layout: everything at half size.
    setUiScale(0.5f);
    rect->transform = Transform2D{};
    page.draw();
    setUiScale(1.0f);
    EXPECT_EQ(page.count(0xFFFFFF), 50);
}

TEST(Scene2D, SkipsHiddenOutsideAndUntexturedQuads) {
    Page page(32);
    auto texture = plain(20, 10, 32, 0xFFFFFF);
    Group2D* hidden = page.add(buildRect2D(texture.get(), nullptr, 1.0f), L"hidden");
    hidden->visible = false;
    Group2D* far = page.add(buildRect2D(texture.get(), nullptr, 1.0f), L"far");
    far->transform = Transform2D::translation(1e9f, -1e9f);
    Group2D* huge = page.add(buildRect2D(texture.get(), nullptr, 1e6f), L"huge");
    page.add(buildRect2D(nullptr, texture.get(), 1.0f), L"maskOnly");
    page.draw();
    EXPECT_EQ(page.count(0xFFFFFF), 240 * 160); // only the huge quad, covering the page
    huge->visible = false;
    page.draw();
    EXPECT_EQ(page.count(background), 240 * 160);
}

} // namespace
} // namespace velmora
