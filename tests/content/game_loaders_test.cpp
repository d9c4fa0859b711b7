// Every generated picture read back by the game's own loaders, through its resource opener, and
// compared pixel for pixel with what an independent decoder makes of the same file.
#include "generated_content.h"

#include "base/wide_string.h"
#include "media/bitmap_font.h"
#include "media/image_loader.h"
#include "media/resource_archive.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace velmora::test {
namespace {

constexpr uint32_t kKey = 0xFF00FF;

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::wstring resources() { return fromOsPath(resourcesFolder().string()) + L"\\"; }

// The path as the game writes it, with backslashes: "...\resources\GUI\icons\iconWood.gif".
std::wstring gamePath(const std::string& relative) {
    std::wstring path = resources() + fromUtf8(relative);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

class GameLoaders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        temp_ = std::make_unique<TempFolder>();
        setTempFolder(temp_->game("unpacked"));
        for (const char* folder : {"GUI", "scenes", "sounds"})
            registerArchive(fromUtf8(std::string(folder) + ".zip"), resources() + fromUtf8(folder));
    }
    static void TearDownTestSuite() {
        closeArchives();
        temp_.reset();
    }

    void SetUp() override { SKIP_WITHOUT_CONTENT(); }

private:
    static inline std::unique_ptr<TempFolder> temp_;
};

// Our frames (at 32 bits) against giflib's: same count, size, delays, key and every pixel.
void expectSameGif(const std::string& relative, const Bytes& bytes) {
    SCOPED_TRACE(relative);
    const auto reference = readGif(bytes);
    ASSERT_TRUE(reference);
    const auto frames = loadGifFrames(gamePath(relative), false);
    ASSERT_EQ(frames.size(), reference->frames.size());
    for (size_t f = 0; f < frames.size(); ++f) {
        const Surface& ours = *frames[f];
        const GifFrameInfo& theirs = reference->frames[f];
        ASSERT_EQ(ours.width, reference->width);
        ASSERT_EQ(ours.height, reference->height);
        EXPECT_FLOAT_EQ(ours.frameDelay, theirs.delay * 0.01f);
        EXPECT_EQ(ours.hasTransparentColor, theirs.transparentIndex >= 0);
        if (ours.hasTransparentColor) {
            EXPECT_EQ(ours.transparentColor, kKey);
        }
        int mismatches = 0;
        for (int y = 0; y < ours.height; ++y)
            for (int x = 0; x < ours.width; ++x)
                mismatches += ours.getPixel(x, y) != reference->palette[theirs.indices[size_t(y) * ours.width + x]];
        EXPECT_EQ(mismatches, 0) << "frame " << f;
    }
}

TEST_F(GameLoaders, ReadEveryPictureOfTheArchivesAsTheyWereWritten) {
    int pictures = 0;
    for (const char* folder : {"GUI", "scenes"}) {
        for (const auto& [name, entry] : archiveEntries(folder)) {
            const std::string relative = std::string(folder) + "/" + name;
            if (!endsWith(name, ".gif") && !endsWith(name, ".jpg") && !endsWith(name, ".bmp"))
                continue; // models and templates
            SCOPED_TRACE(relative);
            ++pictures;
            if (endsWith(name, ".gif")) {
                expectSameGif(relative, entry.bytes);
                continue;
            }
            Surface surface;
            ASSERT_TRUE(loadImage(surface, gamePath(relative), false));
            if (endsWith(name, ".jpg")) {
                const auto reference = readJpeg(entry.bytes);
                ASSERT_TRUE(reference);
                EXPECT_EQ(surface.width, reference->width);
                EXPECT_EQ(surface.height, reference->height);
            } else {
                // 24-bit rows, bottom row first, in blue, green, red order.
                const auto header = readBmpHeader(entry.bytes);
                ASSERT_TRUE(header);
                ASSERT_EQ(surface.width, header->width);
                ASSERT_EQ(surface.height, header->height);
                const size_t stride = (size_t(header->width) * 3 + 3) & ~size_t(3);
                int mismatches = 0;
                for (int y = 0; y < surface.height; ++y) {
                    for (int x = 0; x < surface.width; ++x) {
                        const uint8_t* p = &entry.bytes[54 + stride * size_t(surface.height - 1 - y) + size_t(x) * 3];
                        mismatches += surface.getPixel(x, y) != (uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
                    }
                }
                EXPECT_EQ(mismatches, 0);
            }
        }
    }
    EXPECT_GT(pictures, 150);
}

TEST_F(GameLoaders, ReadEveryCharacterAnimationWithItsKeyIntactOnA16BitDisplay) {
    int animations = 0;
    for (const auto& item : std::filesystem::recursive_directory_iterator(resourcesFolder() / "characters")) {
        if (!item.is_regular_file())
            continue;
        const std::string relative = std::filesystem::relative(item.path(), resourcesFolder()).generic_string();
        const Bytes bytes = readBytes(item.path().string());
        expectSameGif(relative, bytes);
        // At the display's 16 bits the key is compared in RGB565: only transparent pixels match it.
        const auto reference = readGif(bytes);
        const auto frames = loadGifFrames(gamePath(relative), true);
        ASSERT_TRUE(reference);
        ASSERT_EQ(frames.size(), reference->frames.size());
        const uint32_t key565 = 0xF800F8; // (255;0;255) with the low bits RGB565 drops
        for (size_t f = 0; f < frames.size(); ++f) {
            const Surface& frame = *frames[f];
            ASSERT_EQ(frame.bitsPerPixel, 16);
            int wrong = 0;
            for (int y = 0; y < frame.height; ++y) {
                for (int x = 0; x < frame.width; ++x) {
                    const bool transparent =
                        reference->frames[f].indices[size_t(y) * frame.width + x] == reference->frames[f].transparentIndex;
                    wrong += (frame.getPixel(x, y) == key565) != transparent;
                }
            }
            EXPECT_EQ(wrong, 0) << relative << " frame " << f;
        }
        ++animations;
    }
    EXPECT_GE(animations, 6 + 5 * 7);
}

TEST_F(GameLoaders, BitmapFontsTakeTheirCellsAndKeyFromThePicture) {
    int fonts = 0;
    for (const auto& [name, entry] : archiveEntries("GUI")) {
        if (name.rfind("font", 0) != 0)
            continue;
        SCOPED_TRACE(name);
        // As a template line loads it: columns 16, rows 6, start code 32, the default black key.
        const BitmapFont font(gamePath("GUI/" + name), 16, 6, CaseConversion::Upper, 32, 0);
        EXPECT_EQ(font.glyphCount, 96);
        EXPECT_EQ(font.cellWidth * 16, font.picture.width);
        EXPECT_EQ(font.cellHeight * 6, font.picture.height);
        EXPECT_EQ(font.cellHeight % 2, 0); // drawn unscaled at twice an even text size
        EXPECT_EQ(font.transparentColor, kKey);
        ++fonts;
    }
    EXPECT_EQ(fonts, 8);
}

} // namespace
} // namespace velmora::test
