// A hole played to the cup by the real program with the keys alone: the script starts a game for one
// player from the front end on the hand-made course, whose first tee lies 20 units short of the cup
// with no wind, putts until the ball drops, answers every message with a key, and the instance that
// takes over must be hole 2 with the strokes of hole 1 in its record.
#include "../support/program_run.h"
#include "../support/test_course.h"
#include "base/wide_string.h"
#include "game/launch_records.h"
#include "media/resource_archive.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// One putt with the keys: the putter from the swing menu (S, then 5), Down held a little over half a
// second for the power and Return pressed meanwhile to swing, time for the ball to stop, and Return
// for the messages that follow (the stroke's length, the hole's result, the end of the hole).
const std::string putt =
    "key S\nwait 200\nkey 5\nwait 200\nkeydown Down\nwait 560\nkey Return\nwait 80\nkeyup Down\n"
    "wait 6000\nkey Return\nwait 3000\nkey Return\nwait 3000\n";

TEST(PlayProgram, KeysPlayHoleOneToTheCupAndTheNextInstanceStartsHoleTwoWithItsStrokes) {
    ASSERT_TRUE(fs::exists(fs::path(VELMORA_BINARY_DIR) / "resources/GUI/GUI.zip"))
        << "build the content first";
    test::TempFolder files;
    setTempFolder(files.game("extracted/"));
    test::HoleShape shortHole;
    shortHole.teeZ = -180.0f;
    test::writeTestInstall(files, shortHole);
    closeArchives();
    fs::copy_file(files.os("resources/scenes/meadow/hole1.3ds"),
                  files.os("resources/scenes/meadow/hole2.3ds"));
    fs::copy(fs::path(VELMORA_BINARY_DIR) / "resources/characters", files.os("resources/characters"),
             fs::copy_options::recursive);
    const fs::path settings = files.os("resources/GUI/gsetting.properties");
    std::string text = test::readFile(settings.string());
    const std::string wind = "WindCondition=GUIType:checkboxGroup, selected:";
    ASSERT_NE(text.find(wind), std::string::npos);
    text[text.find(wind) + wind.size()] = '0';
    test::writeFile(settings.string(), text);
    const fs::path program = files.os("bin/velmora");
    fs::copy_file(VELMORA_PROGRAM, program);

    // Cover, main menu, players, courses, TEE OFF; then the game's instance putts.
    std::string script = "wait 600\ntap 120 160\nwait 1200\nkey 1\nwait 1200\ntap 180 295\nwait 1200\nkey 9\n"
                         "instance 2\nwait 3000\n";
    for (int stroke = 0; stroke < 4; ++stroke)
        script += putt;
    script += "instance 3\nwait 3000\nquit\n";
    const std::string scriptFile = test::temporaryPath("play_hole.txt");
    test::writeFile(scriptFile, script);
    auto environment = test::headless(scriptFile);
    environment["VELMORA_SCREEN"] = "240x320";
    environment["VELMORA_SPEED"] = "max";
    environment["XDG_DATA_HOME"] = files.os("data").string();
    test::Program frontEnd(environment, {}, program.string());
    EXPECT_EQ(frontEnd.wait(30000), 0) << frontEnd.errorText();

    // The instance after hole 1's, caught by its command line while it runs.
    std::string nextRecord;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (nextRecord.empty() && std::chrono::steady_clock::now() < deadline) {
        for (pid_t instance : test::processesPlaying(scriptFile)) {
            std::string arguments = test::readFile("/proc/" + std::to_string(instance) + "/cmdline");
            if (arguments.find("hole=2") != std::string::npos)
                nextRecord = arguments.substr(0, arguments.find_last_not_of('\0') + 1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    test::awaitInstancesPlaying(scriptFile);
    ASSERT_FALSE(nextRecord.empty()) << "hole 2 never started\n" << frontEnd.errorText();

    const size_t record = nextRecord.find("ARG:");
    ASSERT_NE(record, std::string::npos) << nextRecord;
    const GameRecord next = readGameRecord(fromUtf8(nextRecord.substr(record + 4)));
    EXPECT_EQ(next.course, L"meadow");
    EXPECT_EQ(next.hole, 2);
    EXPECT_EQ(next.slots[0].name, L"player1");
    EXPECT_GT(next.slots[0].character, 0);
    // Seven units a putt, give or take the random step: the third putt drops, a fourth at worst.
    EXPECT_GE(next.slots[0].scores[0], 3) << nextRecord;
    EXPECT_LE(next.slots[0].scores[0], 4) << nextRecord;
    for (int hole = 1; hole < holeCount; ++hole)
        EXPECT_EQ(next.slots[0].scores[static_cast<size_t>(hole)], 0);
    for (int slot = 1; slot < playerSlotCount; ++slot) {
        EXPECT_EQ(next.slots[static_cast<size_t>(slot)].character, 0);
        EXPECT_EQ(next.slots[static_cast<size_t>(slot)].name, L"dummy");
    }
}

} // namespace
} // namespace velmora
