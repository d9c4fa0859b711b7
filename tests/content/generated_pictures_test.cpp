// Every picture the content pipeline ships decodes, in the form and size the game relies on.
#include "generated_content.h"

#include <gtest/gtest.h>

#include <set>

#include <set>

namespace velmora::test {
namespace {

constexpr uint32_t kKey = 0xFF00FF;

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// The game's 16-bit display drops the low bits of each channel before comparing with the key.
bool sameIn565(uint32_t a, uint32_t b) {
    auto to565 = [](uint32_t c) { return ((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c >> 3) & 0x1F); };
    return to565(a) == to565(b);
}

// A GIF the game can show: GIF89a with a global table, full-size frames, and where it is keyed the
// magenta key in every frame with no visible pixel that a 16-bit display would take for the key.
void expectGameReadableGif(const std::string& name, const GifInfo& gif) {
    SCOPED_TRACE(name);
    EXPECT_EQ(gif.signature, "GIF89a");
    EXPECT_TRUE(gif.globalTable);
    ASSERT_FALSE(gif.frames.empty());
    const bool keyed = gif.frames[0].transparentIndex >= 0;
    for (const GifFrameInfo& frame : gif.frames) {
        EXPECT_EQ(frame.left, 0);
        EXPECT_EQ(frame.top, 0);
        EXPECT_EQ(frame.width, gif.width);
        EXPECT_EQ(frame.height, gif.height);
        EXPECT_EQ(frame.transparentIndex >= 0, keyed);
        if (!keyed)
            continue;
        EXPECT_EQ(frame.transparentColour, kKey);
        std::set<uint8_t> used(frame.indices.begin(), frame.indices.end());
        for (uint8_t index : used) {
            if (index != frame.transparentIndex) {
                EXPECT_FALSE(sameIn565(gif.palette[index], kKey)) << "index " << int(index);
            }
        }
    }
}

std::optional<GifInfo> guiGif(const std::string& name) {
    return readGif(guiFile(name));
}

TEST(GeneratedPictures, EveryPictureInTheGuiArchiveDecodesCleanly) {
    SKIP_WITHOUT_CONTENT();
    const auto& entries = archiveEntries("GUI");
    ASSERT_GT(entries.size(), 100u);
    for (const auto& [name, entry] : entries) {
        SCOPED_TRACE(name);
        if (endsWith(name, ".gif")) {
            const auto gif = readGif(entry.bytes);
            ASSERT_TRUE(gif);
            expectGameReadableGif(name, *gif);
        } else if (endsWith(name, ".jpg")) {
            const auto jpeg = readJpeg(entry.bytes);
            ASSERT_TRUE(jpeg);
            EXPECT_EQ(jpeg->components, 3); // never greyscale: the game converts RGB triples
            EXPECT_FALSE(jpeg->progressive);
        } else if (endsWith(name, ".bmp")) {
            const auto bmp = readBmpHeader(entry.bytes);
            ASSERT_TRUE(bmp);
            EXPECT_EQ(bmp->headerSize, 40u);
            EXPECT_EQ(bmp->compression, 0u);
            EXPECT_EQ(bmp->bitsPerPixel, 24);
        } else {
            ADD_FAILURE() << "a file the game cannot read";
        }
    }
}

struct Size {
    const char* name;
    int width, height;
};

TEST(GeneratedPictures, PicturesTheProgramPlacesHaveTheSizesItDrawsThemAt) {
    SKIP_WITHOUT_CONTENT();
    // At 480 x 640 every layout unit is two pixels: these are copied, not stretched.
    const Size sizes[] = {{"inputpad.gif", 460, 400}, {"btn.gif", 36, 36},        {"btnBig.gif", 80, 40},
                          {"hudTop.gif", 480, 88},    {"hudBottom.gif", 480, 60}, {"msgBox.gif", 400, 400},
                          {"credits.gif", 256, 512}};
    for (const Size& size : sizes) {
        const auto gif = guiGif(size.name);
        ASSERT_TRUE(gif) << size.name;
        EXPECT_EQ(gif->width, size.width) << size.name;
        EXPECT_EQ(gif->height, size.height) << size.name;
    }
    const auto bar = readBmpHeader(guiFile("gaugePower.bmp"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->width, 242);
    EXPECT_EQ(bar->height, 24);
    // The hole result and the course pictures share the message box's picture sprite.
    const auto result = readJpeg(guiFile("dropInHole.jpg"));
    const auto slide = readJpeg(guiFile("slideBlank.jpg"));
    ASSERT_TRUE(result && slide);
    EXPECT_EQ(result->width, 320);
    EXPECT_EQ(result->height, 240);
    EXPECT_EQ(slide->width, result->width);
    EXPECT_EQ(slide->height, result->height);
    for (const char* page : {"bkgCover.jpg", "bkgMenu.jpg", "bkgPlayers.jpg", "bkgCourses.jpg", "bkgLoad.jpg",
                             "bkgSettings.jpg", "bkgGoodbye.jpg", "bkgResults.jpg"}) {
        const auto background = readJpeg(guiFile(page));
        ASSERT_TRUE(background) << page;
        EXPECT_EQ(background->width, 480);
        EXPECT_EQ(background->height, 640);
    }
}

TEST(GeneratedPictures, ThePressedPictureOfEveryButtonHasItsNormalPicturesSize) {
    SKIP_WITHOUT_CONTENT();
    int pairs = 0;
    for (const auto& [name, entry] : archiveEntries("GUI")) {
        if (!endsWith(name, "_on.gif"))
            continue;
        const std::string normal = name.substr(0, name.size() - 7) + ".gif";
        const auto on = readGif(entry.bytes);
        if (normal == "chipClub.gif" || normal == "chipStroke.gif")
            continue; // highlights of transparent buttons: there is no normal picture
        const auto off = guiGif(normal);
        ASSERT_TRUE(on && off) << name;
        EXPECT_EQ(on->width, off->width) << name;
        EXPECT_EQ(on->height, off->height) << name;
        ++pairs;
    }
    EXPECT_GT(pairs, 40);
}

TEST(GeneratedPictures, ElevenIconsOfOneSizeEachKeyed) {
    SKIP_WITHOUT_CONTENT();
    for (const char* icon :
         {"Wood", "Iron", "Wedge", "Putter", "Tee", "Cup", "Green", "Fairway", "Bunker", "Water", "Rough"}) {
        const auto gif = guiGif(std::string("icons/icon") + icon + ".gif");
        ASSERT_TRUE(gif) << icon;
        EXPECT_EQ(gif->width, 40);
        EXPECT_EQ(gif->height, 40);
        EXPECT_GE(gif->frames[0].transparentIndex, 0) << icon;
    }
}

TEST(GeneratedPictures, FontGridsHold96CellsWithABlankFirstCell) {
    SKIP_WITHOUT_CONTENT();
    int fonts = 0;
    for (const auto& [name, entry] : archiveEntries("GUI")) {
        if (name.rfind("font", 0) != 0)
            continue;
        SCOPED_TRACE(name);
        ++fonts;
        const auto gif = readGif(entry.bytes);
        ASSERT_TRUE(gif);
        ASSERT_EQ(gif->width % 16, 0);
        ASSERT_EQ(gif->height % 6, 0);
        const int cellW = gif->width / 16, cellH = gif->height / 6;
        const GifFrameInfo& frame = gif->frames[0];
        ASSERT_GE(frame.transparentIndex, 0);
        auto inkIn = [&](int cell) {
            int ink = 0;
            for (int y = 0; y < cellH; ++y)
                for (int x = 0; x < cellW; ++x)
                    ink += frame.indices[size_t((cell / 16) * cellH + y) * gif->width + (cell % 16) * cellW +
                                         x] != frame.transparentIndex;
            return ink;
        };
        EXPECT_EQ(inkIn(0), 0); // the blank, drawn for every character outside the font
        for (char c : std::string("AZ09#"))
            EXPECT_GT(inkIn(c - 32), cellW) << c;
        for (char c : std::string("!.:-"))
            EXPECT_GT(inkIn(c - 32), 0) << c;
        // Glyphs stay inside their cells: the first and last columns of every cell are empty.
        for (int cell = 0; cell < 96; ++cell)
            for (int y = 0; y < cellH; ++y)
                for (int x : {0, cellW - 1})
                    EXPECT_EQ(
                        frame.indices[size_t((cell / 16) * cellH + y) * gif->width + (cell % 16) * cellW + x],
                        frame.transparentIndex)
                        << "cell " << cell;
    }
    EXPECT_GE(fonts, 4);
}

TEST(GeneratedPictures, TheBallShadowIsAColourJpegInTheScenesArchive) {
    SKIP_WITHOUT_CONTENT();
    const auto& entries = archiveEntries("scenes");
    const auto shadow = entries.find("golfball/ballshadow.jpg");
    ASSERT_NE(shadow, entries.end());
    const auto jpeg = readJpeg(shadow->second.bytes);
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->components, 3);
    EXPECT_EQ(jpeg->width, 32);
    EXPECT_EQ(jpeg->height, 32);
}

TEST(GeneratedPictures, PictureNamesAreUniqueAcrossEveryFolder) {
    SKIP_WITHOUT_CONTENT();
    // The game caches pictures by the name as written, whatever their folder. Every course has its
    // own pictures under the names the game asks for; one page only ever loads one course.
    const std::set<std::string> perCourse = {"Skydome.jpg", "landscape.gif", "woods.gif"};
    std::map<std::string, std::string> seen;
    auto note = [&](const std::string& path) {
        const std::string name = path.substr(path.rfind('/') + 1);
        const std::string type = name.substr(name.rfind('.') + 1);
        if (perCourse.count(name) || (type != "gif" && type != "jpg" && type != "bmp"))
            return;
        const auto [it, added] = seen.emplace(name, path);
        EXPECT_TRUE(added) << path << " and " << it->second;
    };
    for (const char* folder : {"GUI", "scenes"})
        for (const auto& [name, entry] : archiveEntries(folder))
            note(std::string(folder) + "/" + name);
    for (const auto& item : std::filesystem::recursive_directory_iterator(resourcesFolder() / "characters"))
        if (item.is_regular_file())
            note(item.path().string());
}

} // namespace
} // namespace velmora::test
