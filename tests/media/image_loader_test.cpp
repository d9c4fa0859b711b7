#include "bmp_writer.h"
#include "gif_writer.h"
#include "media/image_loader.h"
#include "media/resource_archive.h"
#include "platform/message_box.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace velmora {
namespace {

class ImageLoader : public ::testing::Test {
protected:
    std::wstring write(const std::string& name, const std::vector<uint8_t>& bytes) {
        return test::writeBytes(folder_, name, bytes);
    }

    test::TempFolder folder_;
};

TEST_F(ImageLoader, ChoosesTheDecoderByTheExtensionAnywhereInThePath) {
    test::GifFrameLayout frame{.width = 2, .height = 1, .indices = {1, 0}, .delay = 7, .transparentIndex = 0};
    const std::vector<uint8_t> gif = test::writeGif(2, 1, {0x0000FF, 0xFF0000}, 0, {frame, frame});
    // ".JPEG" is looked for before ".gif": a GIF under such a name goes to the JPEG decoder and fails.
    const std::wstring misnamed = write("a.JPEG.gif", gif);
    Surface surface;
    EXPECT_FALSE(loadImage(surface, misnamed, false));
    EXPECT_EQ(lastMessageBox().caption, L"Error");
    EXPECT_EQ(lastMessageBox().text.find(L"Error happened when loading image:\n"), 0u);
    EXPECT_EQ(lastMessageBox().type & MB_ICONERROR, UINT(MB_ICONERROR));

    const std::wstring animation = write("anim.gif", gif);
    ASSERT_TRUE(loadImage(surface, animation, false));
    EXPECT_EQ(surface.getPixel(0, 0), 0xFF0000u);
    EXPECT_TRUE(surface.hasTransparentColor);
    EXPECT_EQ(surface.transparentColor, 0x0000FFu);
    EXPECT_FLOAT_EQ(surface.frameDelay, 0.07f);
    EXPECT_EQ(currentBitmap(surface.memoryDC), surface.bitmap);
    EXPECT_EQ(loadGifFrames(animation, true).size(), 2u);
}

TEST_F(ImageLoader, PicturesComeFromAMountedArchiveWhenNotOnDisk) {
    write("packed/sky.bmp", test::writeRgbBmp(2, 1, {0xFF0000, 0x0000FF}));
    const std::string archive = folder_.os("GUI.zip").string();
    ASSERT_EQ(
        std::system(
            ("cd '" + folder_.os("packed").string() + "' && zip -q -X '" + archive + "' sky.bmp").c_str()),
        0);
    std::filesystem::remove(folder_.os("packed/sky.bmp"));
    registerArchive(L"GUI.zip", folder_.game());
    setTempFolder(folder_.game("temp"));
    Surface surface;
    EXPECT_TRUE(loadImage(surface, folder_.game("x\\..\\sky.bmp"), false));
    EXPECT_EQ(surface.getPixel(1, 0), 0x0000FFu);
    closeArchives();
}

TEST_F(ImageLoader, ReportsMissingUnsupportedAndCorruptFiles) {
    Surface surface;
    // The message boxes one load shows, as "caption: text" lines.
    const auto messagesOf = [&](const std::wstring& path) {
        const int before = messageBoxCount();
        EXPECT_FALSE(loadImage(surface, path, true));
        EXPECT_TRUE(surface.empty());
        const int shown = messageBoxCount() - before;
        return shown == 0 ? std::wstring() : lastMessageBox().caption + L": " + lastMessageBox().text;
    };
    EXPECT_EQ(messagesOf(L"picture.png"), L"Error: Error: picture.png is not a supported image.");
    // Paths are shown as this system writes them.
    EXPECT_EQ(messagesOf(L"a\\b\\..\\missing.jpg"),
              L"Exception: Error: can not find the image 'a/missing.jpg'.");
    EXPECT_EQ(messagesOf(L"missing.bmp"), L"Exception: Error: can not find the image 'missing.bmp'");
    EXPECT_EQ(messagesOf(write("bad.gif", {'G', 'I', 'X'})),
              L"Error: Error: " + folder_.os("bad.gif").wstring() + L" is not a valid image.");
    EXPECT_EQ(messagesOf(write("short.gif", {'G', 'I', 'F', '8', '9', 'a', 1})),
              L"Error: Premature End Of Image File");
    EXPECT_EQ(messagesOf(write("other.bmp", {'B', 'M', 0})), L""); // not a BMP of ours: silent
    EXPECT_TRUE(loadGifFrames(write("none.gif", {}), false).empty());

    // Frames that cannot be decoded (here: a minimum code size of 0) are dropped with one message
    // for the whole picture, not a box per frame.
    std::vector<uint8_t> frames = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
    for (int i = 0; i < 50; ++i)
        frames.insert(frames.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 0});
    const int before = messageBoxCount();
    EXPECT_TRUE(loadGifFrames(write("corrupt.gif", frames), false).empty());
    EXPECT_EQ(messageBoxCount() - before, 2); // "Image File Corrupt", "Premature End Of Image File"
}

} // namespace
} // namespace velmora
