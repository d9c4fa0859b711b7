// Sprite drawing through the drawing-context calls: masks, platform-font text and index labels.
#include "media/gdi_text.h"
#include "platform/drawing.h"
#include "platform/text.h"
#include "render/scene_sprite.h"
#include "surface/gdi_blit.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr uint32_t backdrop = 0x0000F8;

struct Painted {
    int count = 0;
    int top = 1 << 30, bottom = -1, left = 1 << 30, right = -1;
};

// The extent of the pixels of one colour.
Painted pixelsOf(const Surface& surface, uint32_t color) {
    Painted painted;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            if (surface.getPixel(x, y) != color)
                continue;
            ++painted.count;
            painted.top = std::min(painted.top, y);
            painted.bottom = std::max(painted.bottom, y);
            painted.left = std::min(painted.left, x);
            painted.right = std::max(painted.right, x);
        }
    }
    return painted;
}

struct SpriteGdiTest : ::testing::Test {
    SpriteGdiTest() {
        target.create(120, 60, true);
        fillRect(target, backdrop, 0, 0, -1, -1);
        SetBkMode(target.memoryDC, TRANSPARENT);
    }
    Surface target;
};

TEST_F(SpriteGdiTest, AMaskClearsWithAndThenThePictureMixesInWithXor) {
    auto mask = Texture::blank(2, 1, 0xF8FCF8, PowerOfTwo::No); // white keeps the page
    mask->surface().setPixel(0, 0, 0);                          // black clears it
    auto picture = Texture::blank(2, 1, 0, PowerOfTwo::No);
    picture->surface().setPixel(0, 0, 0xF80000);
    Sprite sprite;
    sprite.texture = picture.get();
    sprite.mask = mask.get();
    sprite.width = 4; // stretched to the sprite's size
    drawSprite(sprite, target, 0, 0, 1.0f, 0.0f, 0);
    EXPECT_EQ(target.getPixel(0, 0), 0xF80000u);
    EXPECT_EQ(target.getPixel(1, 0), 0xF80000u);
    EXPECT_EQ(target.getPixel(2, 0), backdrop);
    EXPECT_EQ(target.getPixel(4, 0), backdrop);

    // A picture with a colour key is copied keyed even with a mask.
    picture->surface().hasTransparentColor = true;
    picture->surface().transparentColor = 0;
    fillRect(target, backdrop, 0, 0, -1, -1);
    drawSprite(sprite, target, 0, 0, 1.0f, 0.0f, 0);
    EXPECT_EQ(target.getPixel(1, 0), 0xF80000u);
    EXPECT_EQ(target.getPixel(2, 0), backdrop);
}

TEST_F(SpriteGdiTest, PlatformFontTextBreaksLinesAndKeepsItsFontSelected) {
    Sprite sprite;
    sprite.width = 100;
    sprite.height = 50;
    sprite.textColor = 0xF8FCF8;
    sprite.setText(L"Line1\\nLine2");
    drawSprite(sprite, target, 10, 5, 1.0f, 0.0f, 0);
    const Painted text = pixelsOf(target, 0xF8FCF8);
    ASSERT_GT(text.count, 0);
    EXPECT_GE(text.left, 11); // the box starts one pixel in
    EXPECT_GE(text.top, 5);
    EXPECT_GT(text.bottom - text.top, 16); // two lines of a 16-pixel font
    EXPECT_LE(text.bottom, 5 + 50);

    HGDIOBJ font = GetCurrentObject(target.memoryDC, OBJ_FONT);
    EXPECT_TRUE(fontMatches(target.memoryDC, {16, 400, false, false, L"Arial"}));
    drawSprite(sprite, target, 10, 5, 1.0f, 0.0f, 0);
    EXPECT_EQ(GetCurrentObject(target.memoryDC, OBJ_FONT), font); // matched: not made again
    sprite.textWeight = 700;
    drawSprite(sprite, target, 10, 5, 1.0f, 0.0f, 0);
    EXPECT_NE(GetCurrentObject(target.memoryDC, OBJ_FONT), font);
    EXPECT_FALSE(fontMatches(target.memoryDC, {16, 400, false, false, L""}));
}

TEST(GdiText, FontsNameArialByDefaultAndCutLongFaces) {
    HFONT font = createFont({20, 700, true, false, std::wstring(40, L'x')});
    LOGFONTW logFont;
    ASSERT_GT(GetObjectW(font, sizeof logFont, &logFont), 0);
    EXPECT_EQ(std::wstring(logFont.lfFaceName), std::wstring(31, L'x'));
    EXPECT_EQ(logFont.lfHeight, 20);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfPitchAndFamily, 0x20);
    DeleteObject(font);

    Surface surface;
    surface.create(10, 10, true);
    useFont(surface.memoryDC, {});
    EXPECT_TRUE(fontMatches(surface.memoryDC, {16, 400, false, false, L"Arial"}));
    EXPECT_GT(textMetrics(surface.memoryDC).lineHeight, 10);
    EXPECT_GT(textExtent(surface.memoryDC, L"Wide text").cx, textExtent(surface.memoryDC, L"i").cx);
    fillWithColor(surface.memoryDC, RECT{0, 0, 2, 2}, 0x00FC00);
    EXPECT_EQ(surface.getPixel(1, 1), 0x00FC00u);
    EXPECT_EQ(surface.getPixel(2, 2), 0u);
}

TEST(SceneSprite, IndexLabelsAreRightAlignedWithAShadow) {
    Surface page;
    page.create(80, 40, true);
    SceneSprite scene;
    scene.painter->viewport = {&page, 0, 0, 80, 40};
    scene.indexTextColor = 0xF8FC00;
    auto* sprite = scene.add(L"btnOne", std::make_unique<Sprite>());
    sprite->x = 40;
    sprite->y = 10;
    sprite->indexText = L"12";
    fillRect(page, backdrop, 0, 0, -1, -1);
    scene.painter->draw(0.0f);
    const Painted label = pixelsOf(page, 0xF8FC00);
    ASSERT_GT(label.count, 0);
    // Two characters: the label's cell starts at 40 + 5 - 12 - 1 = 32, one pixel above 10 + 1.
    EXPECT_GE(label.left, 32);
    EXPECT_LE(label.left, 35);
    EXPECT_GE(label.top, 10);
    EXPECT_GT(pixelsOf(page, 0).count, 0);                                             // the black shadow
    EXPECT_EQ(GetCurrentObject(page.memoryDC, OBJ_FONT), GetStockObject(SYSTEM_FONT)); // put back

    fillRect(page, 0, 0, 0, -1, -1);
    static_cast<SpriteScenePainter&>(*scene.painter).showIndexTexts = false;
    scene.painter->draw(0.0f);
    EXPECT_EQ(pixelsOf(page, 0xF8FC00).count, 0);
}

TEST(GdiBlit, KeyedStretchLeavesTheKeyOut) {
    Surface source, destination;
    source.create(2, 1, true);
    source.setPixel(0, 0, 0xF80000);
    destination.create(4, 1, true);
    fillRect(destination, backdrop, 0, 0, -1, -1);
    ASSERT_TRUE(keyedStretchToContext(source, destination.memoryDC, {0, 0, 4, 1}, 0));
    EXPECT_EQ(destination.getPixel(1, 0), 0xF80000u);
    EXPECT_EQ(destination.getPixel(2, 0), backdrop);
    ASSERT_TRUE(blitToContext(source, destination.memoryDC, 2, 0, SRCCOPY));
    EXPECT_EQ(destination.getPixel(3, 0), 0u);
}

} // namespace
} // namespace velmora
