// The game instance of the real program: started with a game record or a saved game's slot record
// on the hand-made course of tests/support/test_course.h, in an install tree of its own, headless
// with an automation script. A hole that cannot be loaded and a slot without a saved game lead back
// to the front end, which the relaunched instance shows.
#include "../support/program_run.h"
#include "../support/test_course.h"
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

const std::string gameRecord =
    "ARG:course=meadow,hole=1,CharacterSelected0=1,PlayerName0=Ann,PlayerScores0=0;0;0;0;0;"
    "0;0;0;0,CharacterSelected1=0,PlayerName1=player2,PlayerScores1=0;0;0;0;0;0;0;0;0,"
    "CharacterSelected2=0,PlayerName2=player3,PlayerScores2=0;0;0;0;0;0;0;0;0,"
    "CharacterSelected3=0,PlayerName3=player4,PlayerScores3=0;0;0;0;0;0;0;0;0";

class GameProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(fs::path(VELMORA_BINARY_DIR) / "resources/GUI/GUI.zip"))
            << "build the content first";
        setTempFolder(files.game("extracted/"));
        test::writeTestInstall(files);
        closeArchives();
        fs::copy_file(VELMORA_PROGRAM, files.os("bin/velmora"));
        fs::copy(fs::path(VELMORA_BINARY_DIR) / "resources/characters", files.os("resources/characters"),
                 fs::copy_options::recursive);
    }
    // Runs the program with the record on a 240 x 320 screen (a quarter of the default's work, so
    // that the tests running beside it keep their pace); the script's snapshots go to BMP files
    // named by the test.
    Program run(const std::string& record, const std::string& script) {
        const std::string file = test::temporaryPath("game_script.txt");
        test::writeFile(file, script);
        auto settings = test::headless(file);
        settings["VELMORA_SCREEN"] = "240x320";
        return Program(settings, {record}, files.os("bin/velmora").string());
    }
    std::string shot(const std::string& name) const { return files.os(name + ".bmp").string(); }
    // Waits for a snapshot of a relaunched instance and reads it.
    bool waitForShot(const std::string& path, Surface& picture) {
        for (int attempt = 0; attempt < 800; ++attempt) {
            if (fs::exists(path) && fs::file_size(path) > 0 && loadImage(picture, fromOsPath(path), false))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    test::TempFolder files;
};

// The share of the area's pixels that are neither black nor grey-white: something is drawn.
double colouredShare(const Surface& shot, int x0, int y0, int x1, int y1) {
    int coloured = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
            coloured += (shot.getPixel(x, y) & 0xE0E0E0) != 0;
    }
    return static_cast<double>(coloured) / ((x1 - x0) * (y1 - y0));
}

TEST_F(GameProgram, GameRecordOpensTheHole) {
    const std::string tee = shot("tee");
    Program program = run(gameRecord, "wait 500\nsnapshot " + tee + "\nquit\n");
    ASSERT_EQ(program.wait(20000), 0) << program.errorText();
    EXPECT_EQ(program.errorText().find("[Error]"), std::string::npos) << program.errorText();
    Surface played;
    ASSERT_TRUE(loadImage(played, fromOsPath(tee), false));
    EXPECT_EQ(played.width, 240);
    EXPECT_GT(colouredShare(played, 0, 50, 240, 250), 0.9) << "sky, hills and course";
    EXPECT_GT(colouredShare(played, 0, 0, 240, 44), 0.5) << "the top panel";
}

TEST_F(GameProgram, MissingHoleOrSlotGoesBackToTheMainMenu) {
    for (const auto& [record, complaint] :
         {std::pair<std::string, std::string>{"ARG:course=meadow,hole=2,CharacterSelected0=1", "hole2.3ds"},
          {"ARG:slot5", "There is no saved game 'slot5'."}}) {
        SCOPED_TRACE(record);
        const std::string menu = shot("menu");
        fs::remove(menu);
        Program program = run(record, "instance 2\nwait 1500\nsnapshot " + menu + "\nquit\n");
        EXPECT_EQ(program.wait(20000), 0);
        EXPECT_NE(program.errorText().find(complaint), std::string::npos) << program.errorText();
        Surface shown;
        ASSERT_TRUE(waitForShot(menu, shown)) << "the front end came back";
    }
}

TEST_F(GameProgram, ASavedGameStartsItsCourse) {
    test::writeFile(
        files.os("resources/GUI/saveGame.properties"),
        "slot2=slotName:Sunday, courseName:meadow, holeNo:4, numberOfActivePlayers:1, currentPlayer:0,\n"
        "slot2_0=PlayerName:Bob, characterNo:2, scores:4;3;5;0;0;0;0;0;0\n");
    const std::string tee = shot("saved");
    Program program = run("ARG:slot2", "wait 3000\nsnapshot " + tee + "\nquit\n");
    ASSERT_EQ(program.wait(20000), 0) << program.errorText();
    EXPECT_EQ(program.errorText().find("[Error]"), std::string::npos) << program.errorText();
    Surface played;
    ASSERT_TRUE(loadImage(played, fromOsPath(tee), false));
    EXPECT_GT(colouredShare(played, 0, 50, 240, 250), 0.9);
}

} // namespace
} // namespace velmora
