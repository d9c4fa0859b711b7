#include "surface/fade_effect.h"
#include "surface/surface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace velmora {
namespace {

TEST(Color, ConversionsKeepTheTopBitsOfEachChannel) {
    EXPECT_EQ(rgbTo565(0xFFFFFF), 0xFFFF);
    EXPECT_EQ(rgbFrom565(0xFFFF), 0xF8FCF8u);
    EXPECT_EQ(rgbTo565(0xFF0000), 0xF800);
    EXPECT_EQ(rgbTo565(0x00FF00), 0x07E0);
    EXPECT_EQ(rgbTo565(0x0000FF), 0x001F);
    EXPECT_EQ(rgbTo565(0x070307), 0x0000); // below one step in every channel
    EXPECT_EQ(rgbFrom565(rgbTo565(0x123456)), 0x103450u);
    EXPECT_EQ(rgbToColorRef(0x112233), 0x332211u);
    EXPECT_EQ(encodePixel(0xFF123456, 32), 0x123456u);
}

TEST(Surface, CreateFollowsTheStrideRuleAtBothDepths) {
    Surface wide;
    ASSERT_TRUE(wide.create(-3, 2, false)); // absolute sizes
    EXPECT_EQ(wide.width, 3);
    EXPECT_EQ(wide.bitsPerPixel, 32);
    EXPECT_EQ(wide.bytesPerPixel, 4);
    EXPECT_EQ(wide.stride, 12);
    EXPECT_EQ(wide.size, 24);
    EXPECT_EQ(currentBitmap(wide.memoryDC), wide.bitmap);

    Surface device;
    ASSERT_TRUE(device.create(3, -5, true));
    EXPECT_EQ(device.bitsPerPixel, displayDepth());
    EXPECT_EQ(device.height, 5);
    EXPECT_EQ(device.stride, ((device.bitsPerPixel * 3 + 31) / 32) * 4);
    EXPECT_TRUE(device.useDeviceDepth);

    EXPECT_FALSE(device.create(0, 4, true));
    EXPECT_TRUE(device.empty());
    EXPECT_EQ(device.memoryDC, nullptr);
}

TEST(Surface, PixelsRoundTripThroughBothLayouts) {
    for (bool deviceDepth : {false, true}) {
        Surface surface;
        ASSERT_TRUE(surface.create(5, 4, deviceDepth));
        surface.setPixel(4, 3, 0xFF8040);
        surface.setPixel(5, 0, 0xFFFFFF); // outside: ignored
        const uint32_t expected = surface.bitsPerPixel == 16 ? 0xF88040u : 0xFF8040u;
        EXPECT_EQ(surface.getPixel(4, 3), expected);
        EXPECT_EQ(surface.getPixel(-1, 0), 0u);
        EXPECT_EQ(surface.pixelAddress(4, 3), surface.bits + 3 * surface.stride + 4 * surface.bytesPerPixel);
    }
    Surface packed;
    ASSERT_TRUE(packed.create(2, 1, false));
    packed.setPixel(1, 0, 0x123456);
    uint32_t word;
    std::memcpy(&word, packed.pixelAddress(1, 0), 4);
    EXPECT_EQ(word, 0x00123456u);
}

TEST(SurfaceDeathTest, AnAddressOutsideTheSurfaceIsRefused) {
    Surface surface;
    ASSERT_TRUE(surface.create(5, 4, false));
    EXPECT_DEATH(surface.pixelAddress(5, 0), "clip to the surface");
    EXPECT_DEATH(surface.pixelAddress(0, -1), "clip to the surface");
}

TEST(FadeEffect, BlendsEachChannelWithAnArithmeticShift) {
    for (bool deviceDepth : {false, true}) {
        Surface surface;
        ASSERT_TRUE(surface.create(2, 2, deviceDepth));
        surface.setPixel(0, 0, 0xF8FCF8); // full channels at 16 bits
        surface.setPixel(1, 1, 0x102030);
        FadeEffect fade;
        fade.surface = &surface;
        fade.color = 0;
        fade.amount = 0;
        fade.apply();
        EXPECT_EQ(surface.getPixel(1, 1), 0x102030u); // representable at both depths
        fade.amount = 128;
        fade.apply();
        if (surface.bitsPerPixel == 16) {
            // 31 + (-31 * 128 >> 8) = 15, 63 + (-63 * 128 >> 8) = 31: rounded toward minus infinity.
            EXPECT_EQ(surface.getPixel(0, 0), rgbFrom565((15 << 11) | (31 << 5) | 15));
        } else {
            // 0xF8 + (-0xF8 * 128 >> 8) = 0x7C, 0xFC -> 0x7E.
            EXPECT_EQ(surface.getPixel(0, 0), 0x7C7E7Cu);
        }
        fade.color = 0xFFFFFF;
        fade.amount = 256;
        fade.apply();
        EXPECT_EQ(surface.getPixel(1, 0), surface.bitsPerPixel == 16 ? 0xF8FCF8u : 0xFFFFFFu);
    }
}

} // namespace
} // namespace velmora
