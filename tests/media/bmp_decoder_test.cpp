#include "bmp_writer.h"
#include "media/bmp_decoder.h"
#include "test_files.h"

#include "tests/surface/surface_test_util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>

namespace velmora {
namespace {

using test::BmpLayout;
using test::writeBmp;

using test::pixels;

TEST(BmpDecoder, DecodesEveryDepthTopDown) {
    Surface surface;
    // 24 bits, bottom-up, 2 x 2 with 2 bytes of row padding.
    const BmpLayout rgb{.width = 2,
                        .height = 2,
                        .pixelBytes = {0x30, 0x20, 0x10, 0xFF, 0x00, 0x00, 0, 0, //
                                       0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0}};
    ASSERT_EQ(decodeBmp(writeBmp(rgb), false, surface), BmpStatus::Decoded);
    EXPECT_EQ(pixels(surface), (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x102030, 0x0000FF}));

    // 8 bits, top-down; index 3 lies past the two-entry palette and reads black.
    BmpLayout indexed{.width = 3,
                      .height = -1,
                      .bitCount = 8,
                      .colorsUsed = 2,
                      .palette = {0x123456, 0xABCDEF},
                      .pixelBytes = {1, 0, 3, 0}};
    ASSERT_EQ(decodeBmp(writeBmp(indexed), false, surface), BmpStatus::Decoded);
    EXPECT_EQ(pixels(surface), (std::vector<uint32_t>{0xABCDEF, 0x123456, 0}));

    // 1 and 4 bits: the first pixel in the high bits.
    const BmpLayout mono{.width = 10,
                         .height = 1,
                         .bitCount = 1,
                         .palette = {0x000000, 0xFFFFFF},
                         .pixelBytes = {0b10100000, 0b01000000, 0, 0}};
    ASSERT_EQ(decodeBmp(writeBmp(mono), false, surface), BmpStatus::Decoded);
    EXPECT_EQ(pixels(surface), (std::vector<uint32_t>{0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0xFFFFFF}));
    BmpLayout nibbles{.width = 3, .height = 1, .bitCount = 4, .pixelBytes = {0x21, 0xF0, 0, 0}};
    nibbles.palette.assign(16, 0);
    nibbles.palette[1] = 0x111111;
    nibbles.palette[2] = 0x222222;
    nibbles.palette[15] = 0xFFFFFF;
    ASSERT_EQ(decodeBmp(writeBmp(nibbles), false, surface), BmpStatus::Decoded);
    EXPECT_EQ(pixels(surface), (std::vector<uint32_t>{0x222222, 0x111111, 0xFFFFFF}));

    // 16 bits: 5-5-5 by default, other layouts through bit fields; channels expand to 8 bits.
    const BmpLayout rgb555{.width = 2, .height = 1, .bitCount = 16, .pixelBytes = {0x00, 0x7C, 0x1F, 0x00}};
    ASSERT_EQ(decodeBmp(writeBmp(rgb555), false, surface), BmpStatus::Decoded);
    EXPECT_EQ(pixels(surface), (std::vector<uint32_t>{0xFF0000, 0x0000FF}));
    const BmpLayout rgb565{.width = 2,
                           .height = 1,
                           .bitCount = 16,
                           .compression = 3,
                           .masks = {0xF800, 0x07E0, 0x001F},
                           .pixelBytes = {0xE0, 0x07, 0x10, 0x84}};
    ASSERT_EQ(decodeBmp(writeBmp(rgb565), true, surface), BmpStatus::Decoded);
    if (surface.bitsPerPixel == 16) { // a 565 file at 16 bits keeps its words exactly
        uint16_t words[2];
        std::memcpy(words, surface.bits, 4);
        EXPECT_EQ(words[0], 0x07E0);
        EXPECT_EQ(words[1], 0x8410);
    }
    const BmpLayout xbgr{.width = 1,
                         .height = 1,
                         .bitCount = 32,
                         .compression = 3,
                         .masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
                         .pixelBytes = {0x11, 0x22, 0x33, 0x44}};
    ASSERT_EQ(decodeBmp(writeBmp(xbgr), false, surface), BmpStatus::Decoded);
    EXPECT_EQ(surface.getPixel(0, 0), 0x112233u);
}

TEST(BmpDecoder, RefusesOtherHeadersSilentlyAndBadLayoutsWithAMessage) {
    Surface surface;
    const BmpLayout good{.width = 1, .height = 1, .pixelBytes = {1, 2, 3, 0}};
    std::vector<uint8_t> file = writeBmp(good);
    file[1] = 'X';
    EXPECT_EQ(decodeBmp(file, false, surface), BmpStatus::NotBmp);
    BmpLayout later = good;
    later.headerSize = 108;
    EXPECT_EQ(decodeBmp(writeBmp(later), false, surface), BmpStatus::NotBmp);
    file = writeBmp(good);
    EXPECT_EQ(decodeBmp(std::span(file).first(40), false, surface), BmpStatus::NotBmp);
    EXPECT_EQ(decodeBmp(std::span(file).first(file.size() - 1), false, surface), BmpStatus::InvalidImage);

    for (BmpLayout bad :
         {BmpLayout{.width = 0, .height = 1}, BmpLayout{.width = 9000, .height = 1},
          BmpLayout{.width = 1, .height = -9000}, BmpLayout{.width = 1, .height = 1, .bitCount = 2},
          BmpLayout{.width = 1, .height = 1, .bitCount = 8, .compression = 1}}) {
        bad.pixelBytes.assign(4, 0);
        EXPECT_EQ(decodeBmp(writeBmp(bad), false, surface), BmpStatus::InvalidImage)
            << bad.width << " " << bad.height;
        EXPECT_TRUE(surface.empty());
    }
    // Sides within the limit but more pixels than one picture may hold, with every pixel present.
    const BmpLayout tooMany{.width = 8192,
                            .height = 4096,
                            .bitCount = 1,
                            .palette = {0, 0xFFFFFF},
                            .pixelBytes = std::vector<uint8_t>(size_t{1024} * 4096, 0x55)};
    EXPECT_EQ(decodeBmp(writeBmp(tooMany), false, surface), BmpStatus::InvalidImage);
    // A palette larger than the file.
    const BmpLayout hugePalette{
        .width = 1, .height = 1, .bitCount = 8, .colorsUsed = 0xFFFF, .pixelBytes = {0, 0, 0, 0}};
    EXPECT_EQ(decodeBmp(writeBmp(hugePalette), false, surface), BmpStatus::InvalidImage);
}

int maxChannelDifference(const Surface& a, const Surface& b) {
    int worst = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int shift : {0, 8, 16})
                worst = std::max(worst, std::abs(int((a.getPixel(x, y) >> shift) & 0xFF) -
                                                 int((b.getPixel(x, y) >> shift) & 0xFF)));
    return worst;
}

TEST(BmpSuite, GoodFilesShowTheirPictureAndBadOnesFailCleanly) {
    const std::filesystem::path suite = test::testData("bmp/suite");
    if (suite.empty())
        GTEST_SKIP() << "no BMP test suite on this machine";
    Surface trueColor, paletted;
    ASSERT_EQ(decodeBmp(test::readBytes(suite / "g/rgb24.bmp"), false, trueColor), BmpStatus::Decoded);
    ASSERT_EQ(decodeBmp(test::readBytes(suite / "g/pal8.bmp"), false, paletted), BmpStatus::Decoded);
    // Only the 40-byte information header is ours; run-length compression is not supported.
    const std::set<std::string> notOurs = {"pal8os2.bmp", "pal8v4.bmp", "pal8v5.bmp"};
    const std::set<std::string> runLength = {"pal4rle.bmp", "pal8rle.bmp"};
    for (const auto& entry : std::filesystem::directory_iterator(suite / "g")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        Surface surface;
        const BmpStatus status = decodeBmp(test::readBytes(entry.path()), false, surface);
        if (notOurs.count(name)) {
            EXPECT_EQ(status, BmpStatus::NotBmp);
            continue;
        }
        if (runLength.count(name)) {
            EXPECT_EQ(status, BmpStatus::InvalidImage);
            continue;
        }
        ASSERT_EQ(status, BmpStatus::Decoded);
        // Same-size pictures show the picture of their kind, 16-bit ones within the rounding of
        // 5-bit channels.
        const Surface& reference = name.starts_with("rgb") ? trueColor : paletted;
        if (surface.width == reference.width && surface.height == reference.height &&
            (name.starts_with("rgb") || name.starts_with("pal8")) && !name.ends_with("gs.bmp")) {
            EXPECT_LE(maxChannelDifference(surface, reference), name.starts_with("rgb16") ? 8 : 0);
        }
    }
    // Bad and questionable files: any result, but never a crash or a read outside the file.
    for (const char* folder : {"b", "q"}) {
        for (const auto& entry : std::filesystem::directory_iterator(suite / folder)) {
            Surface surface;
            const BmpStatus status = decodeBmp(test::readBytes(entry.path()), true, surface);
            EXPECT_EQ(surface.empty(), status != BmpStatus::Decoded) << entry.path();
        }
    }
}

} // namespace
} // namespace velmora
