// The front end of the real program, walked by an automation script through the cover, the main
// menu, the players, the courses, the settings and the goodbye page, in an install tree of its own
// (the built program, resources and manual, and two course pictures). Each snapshot is checked for
// the nodes that must show on it: the generated picture of a node, copied unscaled at 480 x 640,
// covers most of its rectangle (index texts and 16-bit colours aside).
#include "../support/program_run.h"
#include "gui/property_template.h"
#include "media/image_loader.h"
#include "media/resource_archive.h"
#include "media/resource_file.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Program;

const fs::path built = fs::path(VELMORA_BINARY_DIR);

uint32_t as565(uint32_t rgb) {
    return ((rgb >> 19) & 0x1F) << 11 | ((rgb >> 10) & 0x3F) << 5 | ((rgb >> 3) & 0x1F);
}

// The share of the picture's drawn (not keyed) pixels that the shot shows at (x, y).
double shownShare(const Surface& shot, const Surface& picture, int x, int y) {
    int drawn = 0, same = 0;
    for (int py = 0; py < picture.height && y + py < shot.height; ++py) {
        for (int px = 0; px < picture.width && x + px < shot.width; ++px) {
            const uint32_t colour = picture.getPixel(px, py);
            if (picture.hasTransparentColor && colour == picture.transparentColor)
                continue;
            ++drawn;
            same += as565(colour) == as565(shot.getPixel(x + px, y + py));
        }
    }
    return drawn ? static_cast<double>(same) / drawn : 0.0;
}

class FrontEndProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(built / "resources" / "GUI" / "GUI.zip")) << "build the content first";
        root = test::temporaryPath("install");
        fs::create_directories(fs::path(root) / "bin");
        fs::copy_file(VELMORA_PROGRAM, fs::path(root) / "bin" / "velmora");
        fs::copy(built / "resources", fs::path(root) / "resources", fs::copy_options::recursive);
        fs::copy(built / "manual", fs::path(root) / "manual", fs::copy_options::recursive);
        // The generated art is read from the build's own archive; two of its 320 x 240 pictures
        // stand in for course pictures, so that the two courses look different.
        gui = fromOsPath((built / "resources" / "GUI").string()) + L"\\";
        registerArchive(L"GUI.zip", gui);
        fs::create_directories(fs::path(root) / "resources" / "scenes");
        copyArt(L"dropInHole.jpg", "dunes.jpg");
        copyArt(L"slideBlank.jpg", "lake_side.jpg");
    }
    void TearDown() override { closeArchives(); }

    void copyArt(const std::wstring& picture, const std::string& course) {
        const auto bytes = readResourceFile(gui + picture);
        ASSERT_TRUE(bytes);
        test::writeFile((fs::path(root) / "resources" / "scenes" / course).string(),
                        std::string(bytes->begin(), bytes->end()));
    }
    // Snapshots stay in the build tree for people to look at (snapshots/front_end/NAME.png); the
    // checks read the BMP copy, which the game's own loaders decode.
    static std::string shot(const std::string& name) { return (shots / (name + ".bmp")).string(); }
    static std::string snapshot(const std::string& name) {
        return "snapshot " + shot(name) + "\nsnapshot " + (shots / (name + ".png")).string();
    }
    static inline const fs::path shots = built / "snapshots" / "front_end";

    // Whether the snapshot shows the generated picture at layout point (x, y).
    double share(const std::string& snapshot, const std::wstring& picture, int x, int y) {
        Surface shown, art;
        if (!loadImage(shown, fromOsPath(snapshot), false) || !loadImage(art, gui + picture, false)) {
            ADD_FAILURE() << snapshot << " or the picture cannot be read";
            return 0.5; // neither shown nor hidden
        }
        return shownShare(shown, art, 2 * x, 2 * y);
    }

    std::string root;
    std::wstring gui;
};

TEST_F(FrontEndProgram, ScriptWalksTheMenusAndEveryScreenShowsItsNodes) {
    const std::string cover = shot("cover"), intro = shot("intro"), players = shot("players"),
                      courses = shot("courses"), nextCourse = shot("next_course"),
                      settings = shot("settings"), soundOff = shot("sound_off"), goodbye = shot("goodbye");
    // Taps at the middle of the nodes, in pixels of the 480 x 640 screen; two buttons are pressed by
    // their index texts from the keyboard instead.
    fs::create_directories(shots);
    const std::string script = "wait 600\n" + snapshot("cover") + "\ntap 240 320\nwait 1200\n" +
                               snapshot("intro") + "\nkey 1\nwait 1200\n" + snapshot("players") +
                               "\ntap 360 590\nwait 1200\n" + snapshot("courses") + "\nkey 6\nwait 300\n" +
                               snapshot("next_course") +
                               "\ntap 120 598\nwait 1200\ntap 120 590\nwait 1200"
                               "\ntap 240 492\nwait 400\n" +
                               snapshot("settings") + "\ntap 326 144\nwait 400\n" + snapshot("sound_off") +
                               "\ntap 240 594\nwait 1200\ntap 240 604\nwait 1500\n" + snapshot("goodbye") +
                               "\ntap 240 594\nwait 3000\nquit\n";
    const std::string scriptFile = test::temporaryPath("walk.txt");
    test::writeFile(scriptFile, script);
    Program program(test::headless(scriptFile), {}, root + "/bin/velmora");
    ASSERT_EQ(program.wait(30000), 0) << program.errorText();
    EXPECT_EQ(program.errorText().find("[Error]"), std::string::npos) << program.errorText();

    EXPECT_GT(share(cover, L"bkgCover.jpg", 0, 0), 0.9);
    EXPECT_GT(share(intro, L"btnPlay.gif", 40, 170), 0.9);
    EXPECT_GT(share(intro, L"btnQuit.gif", 40, 290), 0.9);
    EXPECT_LT(share(intro, L"bkgCover.jpg", 0, 0), 0.5) << "the cover is gone";
    EXPECT_GT(share(players, L"arrowLeft.gif", 10, 53), 0.9);
    EXPECT_GT(share(players, L"editName.gif", 108, 52), 0.8) << "player 1 has a golfer and a name";
    EXPECT_LT(share(players, L"editName.gif", 108, 110), 0.3) << "player 2 has none";
    EXPECT_GT(share(players, L"btnNext.gif", 130, 280), 0.9);
    EXPECT_GT(share(courses, L"dropInHole.jpg", 40, 38), 0.9) << "the first course, dunes";
    EXPECT_GT(share(courses, L"btnTeeOff.gif", 130, 284), 0.9);
    EXPECT_GT(share(nextCourse, L"slideBlank.jpg", 40, 38), 0.9) << "the next course, lake_side";
    EXPECT_GT(share(settings, L"optOn_on.gif", 24, 62), 0.9) << "sound on is ticked";
    EXPECT_GT(share(settings, L"optOff.gif", 128, 62), 0.9);
    EXPECT_GT(share(soundOff, L"optOff_on.gif", 128, 62), 0.9) << "sound off is ticked";
    EXPECT_GT(share(soundOff, L"optOn.gif", 24, 62), 0.9);
    EXPECT_GT(share(goodbye, L"btnExit.gif", 70, 282), 0.9);

    PropertyTemplate stored;
    ASSERT_TRUE(stored.load(fromOsPath(test::programUserData()), L"gsetting.properties"));
    EXPECT_EQ(stored.getInt(L"soundEffect", L"selected", -1), 1) << "the sound switch was saved";
    ASSERT_TRUE(stored.load(fromOsPath(test::programUserData()), L"courseMenu.properties"));
    EXPECT_EQ(stored.getInt(L"courseSelected", L"", -1), 1) << "the course shown when the menu was left";
}

} // namespace
} // namespace velmora
