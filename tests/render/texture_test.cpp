#include "platform/message_box.h"
#include "render/image_cache.h"
#include "render/texture.h"
#include "tests/media/bmp_writer.h"
#include "tests/media/gif_writer.h"
#include "tests/media/test_files.h"
#include "tests/surface/surface_test_util.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct RecordingListener : TextureFrameListener {
    void frameChanged(Texture&, int frame) override { frames.push_back(frame); }
    std::vector<int> frames;
};

std::vector<uint8_t> threeFrameGif() {
    std::vector<test::GifFrameLayout> frames(3);
    for (int i = 0; i < 3; ++i)
        frames[i] = {.width = 3, .height = 2, .indices = std::vector<uint8_t>(6, uint8_t(i)), .delay = 10};
    return test::writeGif(3, 2, {0xFF0000, 0x00FF00, 0x0000FF}, 0, frames);
}

TEST(TextureDeathTest, AFrameCountPastTheFramesIsRefused) {
    auto texture = Texture::blank(2, 2, 0xFF0000, PowerOfTwo::No);
    texture->frameCount = 2; // one frame only
    texture->currentFrame = 1;
    EXPECT_DEATH(texture->currentSurface(), "keep frameCount at frames.size");
}

TEST(Texture, AnimationStepsByDelayAndStopsOnTheLastFrameUnlessLooping) {
    test::TempFolder folder;
    auto texture = Texture::load(test::writeBytes(folder, "walk.gif", threeFrameGif()), PowerOfTwo::No);
    ASSERT_EQ(texture->frameCount, 3);
    EXPECT_TRUE(texture->animationEnabled);
    EXPECT_TRUE(texture->loop);
    EXPECT_EQ(texture->name, L"walk.gif");
    RecordingListener listener;
    texture->frameListener = &listener;

    texture->animate(0.06f);
    EXPECT_EQ(texture->currentFrame, 0);
    texture->animate(0.06f); // 0.12 s > 0.1 s
    EXPECT_EQ(texture->currentFrame, 1);
    texture->animate(-1.0f); // a negative step advances at once
    EXPECT_EQ(texture->currentFrame, 2);
    texture->animate(-1.0f);
    EXPECT_EQ(texture->currentFrame, 0); // looping wraps
    texture->loop = false;
    for (int i = 0; i < 5; ++i)
        texture->animate(-1.0f);
    EXPECT_EQ(texture->currentFrame, 2);
    EXPECT_EQ(listener.frames, (std::vector<int>{1, 2, 0, 1, 2}));
    EXPECT_EQ(texture->currentSurface().getPixel(0, 0), test::storedAtDisplayDepth(0x0000FF));

    texture->setFrame(99);
    EXPECT_EQ(texture->currentFrame, 2);
    std::vector<bool> chosen(3, false);
    for (int i = 0; i < 200; ++i) {
        texture->setRandomFrame();
        chosen[texture->currentFrame] = true;
    }
    EXPECT_EQ(chosen, std::vector<bool>(3, true));
    auto still = Texture::blank(2, 2, 0xFFFFFF, PowerOfTwo::No);
    still->setFrame(1);
    still->animate(-1.0f);
    EXPECT_EQ(still->currentFrame, 0);
}

TEST(Texture, PowerOfTwoSizesPadOrStretchEachFrame) {
    test::TempFolder folder;
    const std::wstring path =
        test::writeBytes(folder, "a.bmp", test::writeRgbBmp(48, 5, std::vector<uint32_t>(240, 0xFFFFFF)));
    auto padded = Texture::load(path, PowerOfTwo::Pad);
    EXPECT_EQ(padded->width, 64);
    EXPECT_EQ(padded->height, 8);
    EXPECT_EQ(padded->log2Width, 6);
    EXPECT_EQ(padded->originalWidth, 48);
    EXPECT_EQ(padded->surface().getPixel(47, 4), test::storedAtDisplayDepth(0xFFFFFF));
    EXPECT_EQ(padded->surface().getPixel(48, 4), 0u);
    auto stretched = Texture::load(path, PowerOfTwo::Stretch); // 48 lies halfway: the smaller; 5 is nearer 4
    EXPECT_EQ(stretched->width, 32);
    EXPECT_EQ(stretched->height, 4);
    EXPECT_EQ(stretched->surface().width, 32);

    auto frames = Texture::load(test::writeBytes(folder, "b.gif", threeFrameGif()), PowerOfTwo::Stretch);
    for (const auto& frame : frames->frames)
        EXPECT_EQ(frame->width * 10 + frame->height, 22); // 3 x 2: 3 lies halfway between 2 and 4
    auto blank = Texture::blank(7, 3, 0x00FF00, PowerOfTwo::Stretch);
    EXPECT_EQ(blank->width, 8);
    EXPECT_EQ(blank->height, 2);
    EXPECT_EQ(blank->surface().getPixel(7, 1), test::storedAtDisplayDepth(0x00FF00));
}

TEST(Texture, InPlaceTransformsKeepTheKey) {
    auto texture = Texture::blank(3, 2, 0, PowerOfTwo::No);
    Surface& first = texture->surface();
    first.setPixel(2, 0, 0xF80000);
    first.hasTransparentColor = true;
    first.transparentColor = 0x123456;
    texture->rotate(QuarterTurn::CounterClockwise);
    EXPECT_EQ(texture->width, 2);
    EXPECT_EQ(texture->height, 3);
    EXPECT_EQ(texture->surface().getPixel(0, 0), 0xF80000u);
    EXPECT_TRUE(texture->surface().hasTransparentColor);
    EXPECT_EQ(texture->surface().transparentColor, 0x123456u);
    texture->mirror();
    EXPECT_EQ(texture->surface().getPixel(1, 0), 0xF80000u);
    texture->flip();
    EXPECT_EQ(texture->surface().getPixel(1, 2), 0xF80000u);
}

TEST(ImageCache, LoadsOnceByTheNameAsWritten) {
    test::TempFolder folder;
    test::writeBytes(folder, "ok.bmp", test::writeRgbBmp(1, 1, {0xFFFFFF}));
    ImageCache cache;
    EXPECT_EQ(cache.lookup(folder.game(), L"", PowerOfTwo::No), nullptr);
    Texture* first = cache.lookup(folder.game(), L"ok.bmp", PowerOfTwo::No);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->surface().empty());
    EXPECT_EQ(cache.lookup(folder.game() + L"\\", L"ok.bmp", PowerOfTwo::Pad), first);
    EXPECT_EQ(cache.hits(), 1);
    const int messagesBefore = messageBoxCount();
    Texture* missing = cache.lookup(folder.game(), L"missing.bmp", PowerOfTwo::No);
    cache.lookup(folder.game(), L"missing.bmp", PowerOfTwo::No);
    ASSERT_NE(missing, nullptr); // kept, so that the player is told once
    EXPECT_TRUE(missing->surface().empty());
    EXPECT_EQ(messageBoxCount(), messagesBefore + 1);
    EXPECT_EQ(cache.count(), 2);
    cache.clear();
    EXPECT_EQ(cache.count(), 0);
}

} // namespace
} // namespace velmora
