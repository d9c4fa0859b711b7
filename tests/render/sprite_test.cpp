#include "render/scene_sprite.h"
#include "render/sprite.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr uint32_t backdrop = 0x080408;
const uint32_t columnColors[4] = {0xF80000, 0x00FC00, 0x0000F8, 0xF8FCF8}; // exact at both depths

std::unique_ptr<Texture> columnsTexture() {
    auto texture = Texture::blank(4, 1, 0, PowerOfTwo::No);
    for (int x = 0; x < 4; ++x)
        texture->surface().setPixel(x, 0, columnColors[x]);
    return texture;
}

std::vector<uint32_t> row(const Surface& surface, int y) {
    std::vector<uint32_t> result;
    for (int x = 0; x < surface.width; ++x)
        result.push_back(surface.getPixel(x, y));
    return result;
}

struct SpriteTest : ::testing::Test {
    SpriteTest() {
        target.create(8, 4, true);
        fillRect(target, backdrop, 0, 0, -1, -1);
    }
    Surface target;
};

TEST_F(SpriteTest, TheClipSizeCopiesAndOnePixelMoreStretches) {
    auto texture = columnsTexture();
    Sprite sprite;
    sprite.texture = texture.get();
    drawSprite(sprite, target, 1, 0, 1.0f, 0.0f, 0); // width defaults to the clip size
    EXPECT_EQ(row(target, 0),
              (std::vector<uint32_t>{backdrop, columnColors[0], columnColors[1], columnColors[2],
                                     columnColors[3], backdrop, backdrop, backdrop}));
    sprite.width = 5;
    sprite.height = 1;
    drawSprite(sprite, target, 1, 1, 1.0f, 0.0f, 0); // 4 -> 5 columns: source 0, 0, 1, 2, 3
    EXPECT_EQ(row(target, 1),
              (std::vector<uint32_t>{backdrop, columnColors[0], columnColors[0], columnColors[1],
                                     columnColors[2], columnColors[3], backdrop, backdrop}));
    // An explicit clip needs all four values; the key of the picture applies.
    texture->surface().hasTransparentColor = true;
    texture->surface().transparentColor = columnColors[2];
    sprite.width = sprite.height = clipSize;
    sprite.clipX = 1;
    sprite.clipY = 0;
    sprite.clipW = 2;
    sprite.clipH = 1;
    drawSprite(sprite, target, 0, 2, 1.0f, 0.0f, 0);
    EXPECT_EQ(row(target, 2)[0], columnColors[1]);
    EXPECT_EQ(row(target, 2)[1], backdrop);
    sprite.clipH = -1;
    EXPECT_EQ(sprite.clipRect().width, 4);
}

TEST_F(SpriteTest, StatusChoosesPictureOrFillAndTheFrameGoesAround) {
    auto texture = columnsTexture();
    Sprite sprite;
    sprite.texture = texture.get();
    sprite.brightColor = 0x00FC00;
    sprite.frameColor = 0xF8FCF8;
    sprite.x = 2;
    sprite.width = 2;
    sprite.height = 2;
    sprite.status = SpriteStatus::Bright; // no bright picture: no picture at all, the bright colour fills
    drawSprite(sprite, target, 2, 1, 1.0f, 0.0f, 0);
    EXPECT_EQ(row(target, 0), (std::vector<uint32_t>{backdrop, 0xF8FCF8, 0xF8FCF8, 0xF8FCF8, 0xF8FCF8,
                                                     backdrop, backdrop, backdrop}));
    EXPECT_EQ(row(target, 1), (std::vector<uint32_t>{backdrop, 0xF8FCF8, 0x00FC00, 0x00FC00, 0xF8FCF8,
                                                     backdrop, backdrop, backdrop}));
    // Scaled drawing multiplies position and size and truncates.
    fillRect(target, backdrop, 0, 0, -1, -1);
    Sprite plain;
    plain.color = 0xF80000;
    plain.width = plain.height = 1;
    drawSprite(plain, target, 1, 1, 2.5f, 0.0f, 0);
    EXPECT_EQ(row(target, 2), (std::vector<uint32_t>{backdrop, backdrop, 0xF80000, 0xF80000, backdrop,
                                                     backdrop, backdrop, backdrop}));
}

TEST(SpriteText, EscapesBecomeLineBreaksAndColons) {
    Sprite sprite;
    sprite.setText(L"Score^c 3");
    EXPECT_EQ(sprite.text, L"Score:  3");
    sprite.setText(L"Line1\\nLine2");
    EXPECT_EQ(sprite.text, L"Line1\n\rLine2");
}

TEST(SceneSprite, PaintsBackgroundThenVisibleChildrenAndAnimatesOncePerFrame) {
    Surface page;
    page.create(6, 2, true);
    SceneSprite scene;
    scene.x = 1;
    scene.bkgColor = 0x0000F8;
    scene.painter->viewport = {&page, 1, 0, 4, 2};
    auto animation = Texture::blank(1, 1, 0xF80000, PowerOfTwo::No);
    animation->frames.push_back(std::make_unique<Surface>());
    animation->frames[1]->create(1, 1, true);
    animation->frames[1]->setPixel(0, 0, 0x00FC00);
    animation->frameCount = 2;
    animation->animationEnabled = animation->loop = true;
    for (int i = 0; i < 3; ++i) {
        auto* sprite = scene.add(L"spt" + std::to_wstring(i), std::make_unique<Sprite>());
        sprite->texture = animation.get();
        sprite->x = i;
        sprite->visible = i != 2;
    }
    scene.painter->draw(0.0f); // not a new frame: nothing advances
    EXPECT_EQ(row(page, 0), (std::vector<uint32_t>{0, 0xF80000, 0xF80000, 0x0000F8, 0x0000F8, 0}));
    scene.painter->draw(1.0f); // one frame: both sprites share the texture, which steps once
    EXPECT_EQ(row(page, 0), (std::vector<uint32_t>{0, 0x00FC00, 0x00FC00, 0x0000F8, 0x0000F8, 0}));
    scene.painter->draw(1.0f);
    EXPECT_EQ(row(page, 0)[1], 0xF80000u);
    EXPECT_EQ(scene.find(L"spt2")->name, L"spt2");
}

TEST(SceneSprite, HitTestFindsTheTopmostWidgetEdgesIncluded) {
    SceneSprite scene;
    scene.x = 10;
    auto addSprite = [&](const wchar_t* name, int x, GuiType type) {
        auto* sprite = scene.add(name, std::make_unique<Sprite>());
        sprite->x = x;
        sprite->width = sprite->height = 4;
        sprite->guiType = type;
        return sprite;
    };
    Sprite* lower = addSprite(L"btnLow", 0, GuiType::Button);
    Sprite* upper = addSprite(L"btnHigh", 2, GuiType::Checkbox);
    addSprite(L"sptPicture", 0, GuiType::None);
    EXPECT_EQ(hitTest(scene, 13, 4), upper);
    EXPECT_EQ(hitTest(scene, 10, 0), lower);
    EXPECT_EQ(hitTest(scene, 16, 4), upper); // the right and bottom edges count
    EXPECT_EQ(hitTest(scene, 17, 0), nullptr);
    upper->visible = false;
    EXPECT_EQ(hitTest(scene, 13, 4), lower);
}

} // namespace
} // namespace velmora
