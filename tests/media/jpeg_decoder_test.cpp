#include "media/jpeg_decoder.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sstream>

namespace velmora {
namespace {

struct Ppm {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
};

// The library's own command-line decoder, the reference for our wrapper over the same library.
std::optional<Ppm> djpeg(const std::filesystem::path& file) {
    const std::string command = "djpeg -rgb -pnm '" + file.string() + "' 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return std::nullopt;
    std::string output;
    char block[4096];
    size_t count;
    while ((count = std::fread(block, 1, sizeof block, pipe)) > 0)
        output.append(block, count);
    pclose(pipe);
    std::istringstream stream(output);
    std::string magic;
    int maximum = 0;
    Ppm ppm;
    if (!(stream >> magic >> ppm.width >> ppm.height >> maximum) || magic != "P6" || maximum != 255)
        return std::nullopt;
    stream.get();
    ppm.rgb.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    if (ppm.rgb.size() != size_t(ppm.width) * ppm.height * 3)
        return std::nullopt;
    return ppm;
}

constexpr uint8_t startOfFrame[] = {0xFF, 0xC0}; // baseline
constexpr uint8_t startOfScan[] = {0xFF, 0xDA};

bool haveDjpeg() {
    return std::system("djpeg -version >/dev/null 2>&1") == 0;
}

TEST(JpegSuite, DecodesExactlyAsTheLibrarysOwnDecoder) {
    const std::filesystem::path suite = test::testData("jpeg/suite");
    if (suite.empty() || !haveDjpeg())
        GTEST_SKIP() << "no JPEG test suite or djpeg on this machine";
    int compared = 0, refused = 0;
    for (const char* folder : {"baseline", "progressive_huffman"}) {
        for (const auto& entry : std::filesystem::directory_iterator(suite / folder)) {
            if (entry.path().extension() != ".jpg")
                continue;
            SCOPED_TRACE(entry.path().string());
            const std::optional<Ppm> expected = djpeg(entry.path());
            Surface surface;
            const JpegResult result = decodeJpeg(test::readBytes(entry.path()), false, surface);
            if (!expected) { // CMYK and 12-bit files: refused with the library's message
                EXPECT_FALSE(result.decoded);
                EXPECT_FALSE(result.message.empty());
                EXPECT_TRUE(surface.empty());
                ++refused;
                continue;
            }
            ASSERT_TRUE(result.decoded) << result.message;
            ASSERT_EQ(surface.width, expected->width);
            ASSERT_EQ(surface.height, expected->height);
            for (int y = 0; y < surface.height; ++y) {
                for (int x = 0; x < surface.width; ++x) {
                    const uint8_t* rgb = &expected->rgb[(size_t(y) * surface.width + x) * 3];
                    ASSERT_EQ(surface.getPixel(x, y), (uint32_t(rgb[0]) << 16) | (rgb[1] << 8) | rgb[2])
                        << x << "," << y;
                }
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 70);
    EXPECT_GT(refused, 0);
}

TEST(JpegDecoder, DamagedDataIsReportedAndNeverEndsTheProgram) {
    Surface surface;
    JpegResult result = decodeJpeg(std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xE0, 0x00}, true, surface);
    EXPECT_FALSE(result.decoded);
    EXPECT_FALSE(result.message.empty());
    EXPECT_TRUE(surface.empty());
    result = decodeJpeg({}, true, surface);
    EXPECT_FALSE(result.decoded);

    const std::filesystem::path suite = test::testData("jpeg/suite");
    if (suite.empty())
        return;
    // A file cut short still decodes (the rest grey) with the library's warning as the message.
    const std::vector<uint8_t> file = test::readBytes(suite / "baseline/32x32x8_ycbcr.jpg");
    result = decodeJpeg(std::span(file).first(file.size() * 2 / 3), true, surface);
    EXPECT_TRUE(result.decoded);
    EXPECT_NE(result.message.find("Premature end"), std::string::npos) << result.message;
    EXPECT_EQ(surface.bitsPerPixel, displayDepth());

    // A frame header claiming more pixels than a picture may hold is refused before decoding.
    std::vector<uint8_t> large = file;
    const auto frame =
        std::search(large.begin(), large.end(), std::begin(startOfFrame), std::end(startOfFrame));
    ASSERT_NE(frame, large.end());
    const size_t at = size_t(frame - large.begin()) + 5; // marker, length, precision
    large[at] = 4096 >> 8;                               // height
    large[at + 1] = 0;
    large[at + 2] = 8192 >> 8; // width
    large[at + 3] = 0;
    result = decodeJpeg(large, true, surface);
    EXPECT_FALSE(result.decoded);
    EXPECT_EQ(result.message, "Image too large (8192x4096)");
    EXPECT_TRUE(surface.empty());
}

TEST(JpegDecoder, RepeatedScansAreRefusedBeforeTheyCostMinutes) {
    const std::filesystem::path suite = test::testData("jpeg/suite");
    if (suite.empty())
        GTEST_SKIP() << "no JPEG test suite";
    // The last scan of a progressive file, written again and again before the end marker: the
    // library would decode each, with a warning only.
    const std::vector<uint8_t> file = test::readBytes(suite / "progressive_huffman/32x32x8_ycbcr.jpg");
    const auto lastScan =
        std::find_end(file.begin(), file.end(), std::begin(startOfScan), std::end(startOfScan));
    const auto end = file.end() - 2;
    ASSERT_TRUE(lastScan != file.end() && end[0] == 0xFF && end[1] == 0xD9);
    Surface surface;
    for (const int scans : {20, 200}) {
        std::vector<uint8_t> repeated(file.begin(), end);
        for (int i = 0; i < scans; ++i)
            repeated.insert(repeated.end(), lastScan, end);
        repeated.insert(repeated.end(), end, file.end());
        const JpegResult result = decodeJpeg(repeated, true, surface);
        EXPECT_EQ(result.decoded, scans == 20) << result.message;
        if (scans == 200) {
            EXPECT_EQ(result.message, "Too many scans (more than 100)");
        }
    }
}

} // namespace
} // namespace velmora
