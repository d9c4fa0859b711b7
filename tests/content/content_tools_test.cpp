// The pieces of the content generators whose mistakes would not show in a picture: palettes and the
// key colour, the GIF and wave writers, archive planning, the music notation and frame timing.
#include "content_readers.h"

#include "archive_plan.h"
#include "gif_file.h"
#include "golfer_animations.h"
#include "music.h"
#include "quantize.h"
#include "wav_file.h"
#include "zip_file.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmora::content {
namespace {

using test::readBytes;
using test::TempFolder;

Picture stripes(std::initializer_list<Rgba> colours, int width = 8) {
    Picture picture(width, int(colours.size()));
    int y = 0;
    for (Rgba colour : colours) {
        for (int x = 0; x < width; ++x)
            picture.at(x, y) = colour;
        ++y;
    }
    return picture;
}

TEST(Palette, KeepsFewColoursExactlyAndPutsTheKeyFirst) {
    const Picture picture = stripes({{10, 20, 30, 255}, {0, 0, 0, 0}, {200, 100, 50, 255}});
    const Palette palette = buildPalette({&picture});
    ASSERT_TRUE(palette.hasKey);
    EXPECT_EQ(palette.colours[0], kKeyColour);
    const IndexedPicture indexed = mapToPalette(picture, palette);
    EXPECT_EQ(indexed.indices[8], 0); // the transparent row
    EXPECT_EQ(palette.colours[indexed.indices[0]], (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(palette.colours[indexed.indices[16]], (Rgba{200, 100, 50, 255}));
}

TEST(Palette, MovesOpaqueColoursAwayFromWhatA16BitDisplayTakesForTheKey) {
    // (250;2;252) differs from magenta only in the bits RGB565 drops.
    const Picture picture = stripes({{250, 2, 252, 255}, {0, 0, 0, 0}});
    ASSERT_TRUE(looksLikeKey({250, 2, 252, 255}));
    const Palette palette = buildPalette({&picture});
    const IndexedPicture indexed = mapToPalette(picture, palette);
    EXPECT_NE(indexed.indices[0], 0);
    EXPECT_FALSE(looksLikeKey(palette.colours[indexed.indices[0]]));
}

TEST(Palette, ReducesManyColoursTo256WithSmallErrors) {
    Picture ramp(256, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            ramp.at(x, y) = {uint8_t(x), uint8_t(y * 4), uint8_t(255 - x), 255};
    const Palette palette = buildPalette({&ramp});
    EXPECT_FALSE(palette.hasKey);
    EXPECT_LE(palette.colours.size(), 256u);
    const IndexedPicture indexed = mapToPalette(ramp, palette);
    int worst = 0;
    for (size_t i = 0; i < ramp.pixels.size(); ++i) {
        const Rgba a = ramp.pixels[i], b = palette.colours[indexed.indices[i]];
        worst = std::max({worst, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
    }
    EXPECT_LE(worst, 24);
}

TEST(GifWriter, WritesFramesDelaysAndKeyThatGiflibReadsBack) {
    TempFolder folder;
    const std::string path = folder.os("anim.gif").string();
    const Picture first = stripes({{255, 0, 0, 255}, {0, 0, 0, 0}}, 5);
    const Picture second = stripes({{0, 0, 0, 0}, {0, 255, 0, 255}}, 5);
    ASSERT_TRUE(writeGif(path, {{first, 7}, {second, 11}}));
    const auto gif = test::readGif(readBytes(path));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->signature, "GIF89a");
    ASSERT_EQ(gif->frames.size(), 2u);
    EXPECT_EQ(gif->frames[0].delay, 7);
    EXPECT_EQ(gif->frames[1].delay, 11);
    for (const auto& frame : gif->frames) {
        EXPECT_EQ(frame.transparentIndex, 0);
        EXPECT_EQ(frame.transparentColour, 0xFF00FFu);
        EXPECT_EQ(frame.disposal, 1); // full frames, left in place
    }
    EXPECT_EQ(gif->palette[gif->frames[0].indices[0]], 0xFF0000u);
    EXPECT_EQ(gif->frames[0].indices[5], 0);
    EXPECT_EQ(gif->frames[1].indices[0], 0);
    EXPECT_EQ(gif->palette[gif->frames[1].indices[5]], 0x00FF00u);
}

TEST(WavWriter, WritesTheCanonicalHeaderAndClipsSamples) {
    TempFolder folder;
    const std::string path = folder.os("s.wav").string();
    ASSERT_TRUE(writeWav(path, {0.0f, 0.5f, -1.0f, 2.0f, -3.0f}));
    const auto bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 44u + 10u);
    const auto wav = test::readCanonicalWav(bytes);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->sampleRate, 22050);
    EXPECT_EQ(wav->samples, (std::vector<int16_t>{0, 16384, -32767, 32767, -32767}));
}

TEST(Archives, SameFilesGiveTheSameArchiveByteForByte) {
    TempFolder folder;
    test::writeFile(folder.os("in/b.wav"), "second");
    test::writeFile(folder.os("in/a.gif"), "first");
    const std::vector<ZipEntry> entries = {{"b.wav", folder.os("in/b.wav").string()},
                                           {"icons/a.gif", folder.os("in/a.gif").string()}};
    ASSERT_TRUE(writeZip(folder.os("one.zip").string(), entries));
    ASSERT_TRUE(writeZip(folder.os("two.zip").string(), {entries[1], entries[0]}));
    EXPECT_EQ(readBytes(folder.os("one.zip").string()), readBytes(folder.os("two.zip").string()));
    const auto read = test::readZip(folder.os("one.zip").string());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->at("icons/a.gif").method, 0); // pictures are stored
    EXPECT_EQ(read->at("b.wav").method, 8);
    EXPECT_FALSE(writeZip(folder.os("three.zip").string(), {{"x.gif", folder.os("missing").string()}}));
    EXPECT_FALSE(std::filesystem::exists(folder.os("three.zip")));
}

TEST(Archives, PlanRefusesNamesThatCollideOnceUnpackedAndCoursePictures) {
    EXPECT_TRUE(checkEntries("GUI", {{"icons/a.gif", ""}, {"icons/b.gif", ""}}).empty());
    EXPECT_EQ(checkEntries("GUI", {{"icons/a.gif", ""}, {"icons_A.gif", ""}}).size(), 1u);
    EXPECT_EQ(checkEntries("scenes", {{"green_valley.jpg", ""}}).size(), 1u);
    EXPECT_TRUE(checkEntries("scenes", {{"golfball/ballshadow.jpg", ""}}).empty());
    EXPECT_EQ(checkEntries("GUI", {{std::string(256, 'a'), ""}}).size(), 1u);
}

TEST(Archives, PlanGathersEveryGeneratorsStagedFiles) {
    TempFolder folder;
    test::writeFile(folder.os("gui/GUI/a.gif"), "a");
    test::writeFile(folder.os("fonts/GUI/font.gif"), "f");
    test::writeFile(folder.os("sounds/sounds/s.wav"), "s");
    const ArchivePlan plan = planArchives(folder.os().string());
    EXPECT_TRUE(plan.problems.empty());
    ASSERT_EQ(plan.entries.at("GUI").size(), 2u);
    EXPECT_EQ(plan.entries.at("GUI")[0].name, "a.gif");
    EXPECT_EQ(plan.entries.at("GUI")[1].name, "font.gif");
    EXPECT_EQ(plan.entries.at("sounds").size(), 1u);
    EXPECT_TRUE(plan.entries.at("scenes").empty());
    test::writeFile(folder.os("other/GUI/a.gif"), "again");
    EXPECT_FALSE(planArchives(folder.os().string()).problems.empty());
}

TEST(MusicNotation, ReadsNotesRestsAndLengths) {
    std::vector<NoteEvent> notes;
    ASSERT_TRUE(parseBar("C4:1 -:2 F#5:3 Bb3:1", notes));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0].midi, 60);
    EXPECT_EQ(notes[1].midi, -1);
    EXPECT_EQ(notes[1].eighths, 2);
    EXPECT_EQ(notes[2].midi, 78);
    EXPECT_EQ(notes[3].midi, 58);
    for (const char* bad : {"C4", "H4:1", "C4:0", "C:1", "C44:1", "C4:"}) {
        std::vector<NoteEvent> ignored;
        EXPECT_FALSE(parseBar(bad, ignored)) << bad;
    }
}

TEST(FrameTiming, AFrameLastsWholeDrawnFramesUntilItsDelayIsExceeded) {
    // At 25 frames a second: delay 0 and 3 last one drawn frame, 4 and 7 two, 8 three.
    EXPECT_DOUBLE_EQ(secondsToReach({0}, 1), 0.04);
    EXPECT_DOUBLE_EQ(secondsToReach({3}, 1), 0.04);
    EXPECT_DOUBLE_EQ(secondsToReach({4}, 1), 0.08);
    EXPECT_DOUBLE_EQ(secondsToReach({7}, 1), 0.08);
    EXPECT_DOUBLE_EQ(secondsToReach({8, 3}, 2), 0.16);
}

} // namespace
} // namespace velmora::content
