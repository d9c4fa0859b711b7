// The front end of the real program, walked by an automation script through the cover, the main
// menu, the players, the courses, the settings and the goodbye page, in an install tree of its own
// (the built program, resources and manual, with the shipped courses). Each snapshot is checked for
// the nodes that must show on it: the generated picture of a node, copied unscaled at 480 x 640,
// covers most of its rectangle (index texts and 16-bit colours aside).
#include "../support/program_run.h"
#include "base/wide_string.h"
#include "gui/property_template.h"
#include "media/image_loader.h"
#include "media/resource_archive.h"
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
        // One install tree per test: the trees stay until the tests end.
        root = test::temporaryPath(std::string("install_") +
                                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(fs::path(root) / "bin");
        fs::copy_file(VELMORA_PROGRAM, fs::path(root) / "bin" / "velmora");
        fs::copy(built / "resources", fs::path(root) / "resources", fs::copy_options::recursive);
        fs::copy(built / "manual", fs::path(root) / "manual", fs::copy_options::recursive);
        // The generated art is read from the build's own archive.
        gui = fromOsPath((built / "resources" / "GUI").string()) + L"\\";
        registerArchive(L"GUI.zip", gui);
        scenes = fromOsPath((fs::path(root) / "resources" / "scenes").string()) + L"\\";
    }
    void TearDown() override { closeArchives(); }
    void walkTheMenus(const std::string& speed, int timeoutMs);

    // Snapshots stay in the build tree for people to look at (snapshots/front_end/NAME.png, and
    // front_end_max/ for the run at full speed); the checks read the BMP copy, which the game's own
    // loaders decode.
    std::string shot(const std::string& name) const { return (shots / (name + ".bmp")).string(); }
    std::string snapshot(const std::string& name) const {
        return "snapshot " + shot(name) + "\nsnapshot " + (shots / (name + ".png")).string();
    }
    fs::path shots = built / "snapshots" / "front_end";

    // Whether the snapshot shows the generated picture at layout point (x, y).
    double share(const std::string& snapshot, const std::wstring& picture, int x, int y) {
        return shareOf(snapshot, gui + picture, x, y);
    }
    double courseShare(const std::string& snapshot, const std::wstring& course, int x, int y) {
        return shareOf(snapshot, scenes + course + L".jpg", x, y);
    }
    double shareOf(const std::string& snapshot, const std::wstring& path, int x, int y) {
        Surface shown, art;
        if (!loadImage(shown, fromOsPath(snapshot), false) || !loadImage(art, path, false)) {
            ADD_FAILURE() << snapshot << " or the picture cannot be read";
            return 0.5; // neither shown nor hidden
        }
        return shownShare(shown, art, 2 * x, 2 * y);
    }

    std::string root;
    std::wstring gui;
    std::wstring scenes;
};

// The walk through every menu, at real time or (speed "max") as fast as the machine draws.
void FrontEndProgram::walkTheMenus(const std::string& speed, int timeoutMs) {
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
    std::map<std::string, std::string> environment = test::headless(scriptFile);
    environment["VELMORA_SPEED"] = speed;
    Program program(environment, {}, root + "/bin/velmora");
    ASSERT_EQ(program.wait(timeoutMs), 0) << program.errorText();
    EXPECT_EQ(program.errorText().find("[Error]"), std::string::npos) << program.errorText();

    EXPECT_GT(share(cover, L"bkgCover.jpg", 0, 0), 0.9);
    EXPECT_GT(share(intro, L"btnPlay.gif", 40, 170), 0.9);
    EXPECT_GT(share(intro, L"btnQuit.gif", 40, 290), 0.9);
    EXPECT_LT(share(intro, L"bkgCover.jpg", 0, 0), 0.5) << "the cover is gone";
    EXPECT_GT(share(players, L"arrowLeft.gif", 10, 53), 0.9);
    EXPECT_GT(share(players, L"editName.gif", 108, 52), 0.8) << "player 1 has a golfer and a name";
    EXPECT_LT(share(players, L"editName.gif", 108, 110), 0.3) << "player 2 has none";
    EXPECT_GT(share(players, L"btnNext.gif", 130, 280), 0.9);
    EXPECT_GT(courseShare(courses, L"heron_dunes", 40, 38), 0.9) << "the first course";
    EXPECT_GT(share(courses, L"btnTeeOff.gif", 130, 284), 0.9);
    EXPECT_GT(courseShare(nextCourse, L"maple_grove", 40, 38), 0.9) << "the next course";
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

TEST_F(FrontEndProgram, ScriptWalksTheMenusAndEveryScreenShowsItsNodes) {
    walkTheMenus("1", 30000);
}

// The script's waits alone take more than 13 s of the program's time: finishing within 12 s of
// real time shows that its clock ran ahead (it takes about 1 s; 6 s under the sanitizers), and the
// same checks show the same screens.
TEST_F(FrontEndProgram, AtFullSpeedTheSameWalkShowsTheSameScreensAndEndsSooner) {
    shots = built / "snapshots" / "front_end_max";
    walkTheMenus("max", 12000);
}

// The front end through the framebuffer of several handhelds (VELMORA_DIRECT_VIDEO=1) on a
// 240 x 320 screen shows exactly the pictures the windows show: at full speed every run makes the
// same frames at the same moments.
TEST_F(FrontEndProgram, DirectVideoShowsWhatTheWindowsShowOnEveryHandheld) {
    struct Device {
        std::string name;
        std::map<std::string, std::string> settings;
        std::string report; // what the program says about its framebuffer
    };
    const std::vector<Device> devices = {
        {"window", {}, ""},
        {"raw_doubled",
         {{"VELMORA_PANEL", "480x640"}},
         "direct video: the raw framebuffer, 480 x 640, every pixel doubled"},
        {"interface_columns",
         {{"VELMORA_OS_VERSION", "4"}, {"VELMORA_FRAMEBUFFER", "landscape"}},
         "direct video: the game interface's framebuffer, 240 x 320"},
        {"fixed_family",
         {{"VELMORA_OS_VERSION", "3"}, {"VELMORA_OEM_INFO", "Maker iPAQ H3870"}},
         "direct video: the fixed-geometry framebuffer, 240 x 320"},
    };
    shots = built / "snapshots" / "direct_video";
    fs::create_directories(shots);
    std::string windowCover, windowIntro;
    for (const Device& device : devices) {
        const std::string script = "wait 600\n" + snapshot(device.name + "_cover") +
                                   "\ntap 120 160\nwait 1200\n" + snapshot(device.name + "_intro") +
                                   "\nquit\n";
        const std::string scriptFile = test::temporaryPath(device.name + ".txt");
        test::writeFile(scriptFile, script);
        std::map<std::string, std::string> settings = test::headless(scriptFile);
        settings["VELMORA_SCREEN"] = "240x320";
        settings["VELMORA_SPEED"] = "max";
        if (device.name != "window")
            settings["VELMORA_DIRECT_VIDEO"] = "1";
        settings.insert(device.settings.begin(), device.settings.end());
        Program program(settings, {}, root + "/bin/velmora");
        ASSERT_EQ(program.wait(10000), 0) << device.name << ": " << program.errorText();
        EXPECT_NE(program.errorText().find(device.report), std::string::npos) << program.errorText();
        const std::string cover = test::readFile(shot(device.name + "_cover"));
        const std::string intro = test::readFile(shot(device.name + "_intro"));
        ASSERT_FALSE(cover.empty() || intro.empty()) << device.name;
        if (device.name == "window") {
            windowCover = cover;
            windowIntro = intro;
            continue;
        }
        EXPECT_TRUE(cover == windowCover) << device.name << ": the cover differs from the windows' picture";
        EXPECT_TRUE(intro == windowIntro)
            << device.name << ": the main menu differs from the windows' picture";
    }
}

TEST_F(FrontEndProgram, ACourseMadeFromASeedAppearsInTheCourseMenu) {
    // Seed 11 makes a links course whose name sorts before the shipped ones: the menu opens on it.
    const std::string scenesFolder = (fs::path(root) / "resources" / "scenes").string();
    Program tool({}, {"course-gen", "11", "links", scenesFolder}, VELMORA_TOOL);
    ASSERT_EQ(tool.wait(120000), 0) << tool.errorText();
    std::string made;
    for (const auto& item : fs::directory_iterator(scenesFolder))
        if (item.path().extension() == ".jpg" && item.path().stem() < "heron_dunes")
            made = item.path().stem().string();
    ASSERT_FALSE(made.empty()) << "no new course picture sorting first";
    EXPECT_TRUE(fs::is_directory(fs::path(scenesFolder) / made)) << "the course folder beside its picture";

    fs::create_directories(shots);
    const std::string script =
        "wait 600\ntap 240 320\nwait 1200\nkey 1\nwait 1200\ntap 360 590\nwait 1200\n" +
        snapshot("new_course") + "\nquit\n";
    const std::string scriptFile = test::temporaryPath("new_course.txt");
    test::writeFile(scriptFile, script);
    Program program(test::headless(scriptFile), {}, root + "/bin/velmora");
    ASSERT_EQ(program.wait(30000), 0) << program.errorText();
    EXPECT_GT(courseShare(shot("new_course"), fromUtf8(made), 40, 38), 0.9) << made << " is shown first";
}

} // namespace
} // namespace velmora
