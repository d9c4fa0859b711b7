#include "gif_writer.h"
#include "media/image_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmora {
namespace {

class ImageLoader : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("velmora-images-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::wstring write(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(folder_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                              std::streamsize(bytes.size()));
        return (folder_ / name).wstring();
    }

    std::filesystem::path folder_;
};

TEST_F(ImageLoader, ChoosesTheDecoderByTheExtensionAnywhereInThePath) {
    test::GifFrameSpec frame{.width = 2, .height = 1, .indices = {1, 0}, .delay = 7, .transparentIndex = 0};
    const std::vector<uint8_t> gif = test::writeGif(2, 1, {0x0000FF, 0xFF0000}, 0, {frame, frame});
    // ".JPEG" is looked for before ".gif": a GIF under such a name goes to the JPEG decoder and fails.
    const std::wstring misnamed = write("a.JPEG.gif", gif);
    Surface surface;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(loadImage(surface, misnamed, false));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Error happened when loading image:\n"), std::string::npos);

    const std::wstring animation = write("anim.gif", gif);
    ASSERT_TRUE(loadImage(surface, animation, false));
    EXPECT_EQ(surface.getPixel(0, 0), 0xFF0000u);
    EXPECT_TRUE(surface.hasTransparentColor);
    EXPECT_EQ(surface.transparentColor, 0x0000FFu);
    EXPECT_FLOAT_EQ(surface.frameDelay, 0.07f);
    EXPECT_EQ(currentBitmap(surface.memoryDC), surface.bitmap);
    EXPECT_EQ(loadGifFrames(animation, true).size(), 2u);
}

TEST_F(ImageLoader, ReportsMissingUnsupportedAndCorruptFiles) {
    Surface surface;
    const auto messagesOf = [&](const std::wstring& path) {
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(loadImage(surface, path, true));
        EXPECT_TRUE(surface.empty());
        return ::testing::internal::GetCapturedStderr();
    };
    EXPECT_NE(messagesOf(L"picture.png").find("Error: picture.png is not a supported image."), std::string::npos);
    EXPECT_NE(messagesOf(L"a\\b\\..\\missing.jpg").find("Error: can not find the image 'a\\missing.jpg'."),
              std::string::npos);
    EXPECT_NE(messagesOf(L"missing.bmp").find("Error: can not find the image 'missing.bmp'\n"), std::string::npos);
    EXPECT_NE(messagesOf(write("bad.gif", {'G', 'I', 'X'})).find("is not a valid image."), std::string::npos);
    EXPECT_NE(messagesOf(write("short.gif", {'G', 'I', 'F', '8', '9', 'a', 1})).find("Premature End Of Image File"),
              std::string::npos);
    EXPECT_EQ(messagesOf(write("other.bmp", {'B', 'M', 0})), ""); // not a BMP of ours: silent
    EXPECT_TRUE(loadGifFrames(write("none.gif", {}), false).empty());
}

} // namespace
} // namespace velmora
