// Saved games in their file: the lines a slot is written as, the file around a re-saved slot,
// damaged files read as far as they go, and a save that fails or is killed halfway leaving a whole
// file behind.
#include "base/wide_string.h"
#include "game/save_game.h"
#include "game/save_slots.h"
#include "gui/property_template.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

namespace velmora {
namespace {

using test::readFile;
using test::writeFile;

Player golfer(const wchar_t* name, std::initializer_list<int32_t> strokes) {
    Player player;
    player.playerName = name;
    player.characterNo = 2;
    std::copy(strokes.begin(), strokes.end(), player.scores.begin());
    return player;
}

SavedGame gameOf(int playerCount, const wchar_t* slotName = L"Sunday") {
    SavedGame game;
    game.slotName = slotName;
    game.courseName = L"meadow";
    game.holeNo = 3;
    game.ball.position = {1.5f, -2.25f, 10.0f};
    game.ball.isOnTee = false;
    game.ball.isInFairway = true;
    for (int i = 0; i < playerCount; ++i)
        game.players.push_back(golfer(i == 0 ? L"Ann" : L"Bob", {4, 5, 3}));
    return game;
}

PropertyTemplate fileOf(const std::string& text) {
    PropertyTemplate file;
    std::FILE* stream = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    file.read(stream);
    std::fclose(stream);
    return file;
}

TEST(SavedGameLines, WriteEveryItemInOrderWithSixDecimals) {
    SavedGame game = gameOf(1);
    game.currentPlayer = 0;
    game.players[0].elevation = -1.25f;
    EXPECT_EQ(
        toUtf8(savedGameLines(L"slot3", game)),
        "slot3=slotName:Sunday,courseName:meadow,holeNo:3,numberOfActivePlayers:1,currentPlayer:0,"
        "previousPlayer:0,location:x=1.500000;y=-2.250000;z=10.000000,isStill:1,isInTheAir:0,"
        "isInTheCup:0,isOnTee:0,isInbunker:0,isInWater:0,isInRough:0,isInFairway:1,isInGreen:0,"
        "isInTGround:0,isOutOfBoundary:0,isOnWaterBank:0,\n"
        "slot3_0=PlayerName:Ann,location:x=0.000000;y=0.000000;z=0.000000,"
        "oldLocation:x=0.000000;y=0.000000;z=0.000000,dropLocation:x=0.000000;y=0.000000;z=0.000000,"
        "lastStrikePoint:x=0.000000;y=0.000000;z=0.000000,finishedThisHole:0,isOnTee:0,mulliganPermit:0,"
        "birdWasDisplayed:0,characterNo:2,selectedClub:0,selectedSwingType:0,lastScoreIncrement:0,"
        "scores:4;5;3;0;0;0;0;0;0,distanceToHole:0.000000,ballDistanceTravelled:0.000000,"
        "elevation:-1.250000\n");

    // No empty name item, and names lose what would split the line.
    game.slotName.clear();
    game.players[0].playerName = L"A,n:n=a;\n";
    const std::wstring lines = savedGameLines(L"slot3", game);
    EXPECT_TRUE(lines.starts_with(L"slot3=courseName:meadow,"));
    EXPECT_NE(lines.find(L"slot3_0=PlayerName:Anna,"), std::wstring::npos);
}

TEST(SavedGameFile, AResavedSlotMovesToTheEndWithoutStalePlayerLines) {
    PropertyTemplate file = fileOf("# saved games\n"
                                   "slot1=slotName:Old,courseName:meadow,numberOfActivePlayers:1,\n"
                                   "slot1_0=PlayerName:Cy\n"
                                   "\n"
                                   "slot5=slotName:Other,courseName:meadow,numberOfActivePlayers:1,\n"
                                   "slot5_0=PlayerName:Dee\n");
    putSavedGame(file, L"slot3", gameOf(2));
    putSavedGame(file, L"slot1", gameOf(1, L"Again"));
    putSavedGame(file, L"slot3", gameOf(1, L"Sunday"));
    const std::vector<std::wstring> keys = file.keys();
    EXPECT_EQ(keys,
              (std::vector<std::wstring>{L"slot5", L"slot5_0", L"slot1", L"slot1_0", L"slot3", L"slot3_0"}));
    EXPECT_EQ(file.getString(L"slot5_0", L"PlayerName"), L"Dee") << "other slots keep their lines";
    EXPECT_EQ(file.getString(L"slot3", L"slotName"), L"Sunday");
    EXPECT_EQ(file.count(), 6);

    // A hand-made line past the slot's own count goes too; "slot10" is another key altogether.
    PropertyTemplate odd = fileOf("slot2=numberOfActivePlayers:1,\nslot2_0=x:1\nslot2_7=x:1\nslot2_x=x:1\n"
                                  "slot20=x:1\n");
    putSavedGame(odd, L"slot2", gameOf(1));
    EXPECT_EQ(odd.keys(), (std::vector<std::wstring>{L"slot2_x", L"slot20", L"slot2", L"slot2_0"}));
}

TEST(SavedGameFile, ADamagedSlotLoadsWhatItCan) {
    PropertyTemplate file =
        fileOf("slot4=slotName:Mine,courseName:meadow,holeNo:12,numberOfActivePlayers:9,currentPlayer:7,"
               "location:x=nan;y=1e99;z=abc,isInWater:1\n"
               "slot4_0=PlayerName:Ann,scores:4;-3;500;x;2;2;2;2;2;2;2,selectedClub:-1,selectedSwingType:9,"
               "lastScoreIncrement:-1,elevation:inf\n"
               "slot4_1=garbage\n"
               "slot0=numberOfActivePlayers:-1\n");
    const std::optional<SavedGame> game = readSavedGame(file, L"slot4");
    ASSERT_TRUE(game);
    EXPECT_EQ(game->holeNo, 1);
    EXPECT_EQ(game->players.size(), 4u) << "at most four players";
    EXPECT_EQ(game->currentPlayer, 0) << "a turn of one of them";
    EXPECT_EQ(game->ball.position, Vector3());
    EXPECT_TRUE(game->ball.isInWater);
    EXPECT_FALSE(game->ball.isStill) << "a missing flag reads 0";
    const Player& ann = game->players[0];
    EXPECT_EQ(ann.scores, (HoleScores{4, 0, 100, 0, 2, 2, 2, 2, 2}));
    EXPECT_EQ(ann.selectedClub, ClubWood);
    EXPECT_EQ(ann.selectedSwingType, SwingFull);
    EXPECT_EQ(ann.lastScoreIncrement, 0);
    EXPECT_EQ(ann.elevation, 0.0f);
    const Player& missing = game->players[3];
    EXPECT_EQ(missing.playerName, L"");
    EXPECT_EQ(missing.characterNo, -1);

    const std::optional<SavedGame> none = readSavedGame(file, L"slot0");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->players.empty());
    EXPECT_FALSE(readSavedGame(file, L"slot2")) << "a slot without a line is no game";
}

class SavingGames : public testing::Test {
protected:
    std::string savedFile() const { return root.os("data/velmora/saveGame.properties").string(); }

    test::TempFolder root;
    test::ScopedVariable data{"XDG_DATA_HOME", root.os("data").c_str()};
    std::wstring resources = root.game("resources") + L"\\";
};

TEST_F(SavingGames, TheShippedFileIsReadAndThePlayersCopyWritten) {
    writeFile(root.os("resources/GUI/saveGame.properties"), "slot0=slotName:Shipped,courseName:meadow,\n");
    EXPECT_EQ(saveGame(resources, slotKey(3), gameOf(1)), std::nullopt);
    EXPECT_EQ(readFile(root.os("resources/GUI/saveGame.properties")),
              "slot0=slotName:Shipped,courseName:meadow,\n");
    const std::string saved = readFile(savedFile());
    EXPECT_TRUE(saved.starts_with("slot0=slotName:Shipped,courseName:meadow,\nslot3=slotName:Sunday,"));
    EXPECT_EQ(readSlotName(resources, slotKey(3)), L"Sunday");
    EXPECT_EQ(loadSavedGame(resources, slotKey(3))->players.size(), 1u);
}

TEST_F(SavingGames, AFailedRenameKeepsTheOldFileAndSaysWhy) {
    ASSERT_EQ(saveGame(resources, slotKey(1), gameOf(1, L"First")), std::nullopt);
    const std::string before = readFile(savedFile());
    // The temporary file is written, but it cannot replace a read-only file.
    chmod(savedFile().c_str(), 0444);
    const std::optional<std::wstring> failure = saveGame(resources, slotKey(1), gameOf(2, L"Second"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, fromUtf8(std::strerror(EACCES)));
    EXPECT_EQ(readFile(savedFile()), before);
    EXPECT_FALSE(std::filesystem::exists(savedFile() + ".tmp")) << "no temporary file left behind";
    EXPECT_EQ(readSlotName(resources, slotKey(1)), L"First");
}

// A child process saves again and again, alternating two games, and is killed at a random moment;
// the file is then always one of the two whole files (or, before the first save, absent).
TEST_F(SavingGames, AKilledSaveLeavesAWholeFile) {
    const std::string one = toUtf8(savedGameLines(slotKey(2), gameOf(1, L"One")));
    const std::string two = toUtf8(savedGameLines(slotKey(2), gameOf(3, L"Two")));
    std::mt19937 random(12345);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int kills = 0;
    while (std::chrono::steady_clock::now() < end) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                saveGame(resources, slotKey(2), i % 2 ? gameOf(3, L"Two") : gameOf(1, L"One"));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 20000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        ++kills;
        if (!std::filesystem::exists(savedFile()))
            continue;
        const std::string text = readFile(savedFile());
        ASSERT_TRUE(text == one || text == two) << "after " << kills << " kills:\n" << text;
    }
    EXPECT_GT(kills, 10);
}

} // namespace
} // namespace velmora
