// The demonstration's games and its mode in the environment that relaunched instances inherit.
#include "game/demo_mode.h"
#include "render/scalar_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace velmora {
namespace {

const std::vector<std::wstring> courses{L"heron_dunes", L"maple_grove", L"silver_lakes"};

TEST(DemoGame, PlayersHaveDifferentGolfersAndNamesThatRecordsCarry) {
    seedRandom(11);
    std::set<size_t> playerCounts;
    std::set<std::wstring> coursesSeen;
    for (int game = 0; game < 200; ++game) {
        const GameRecord record = demoGameRecord(courses, 6);
        const std::vector<PlayerSlot> players = playersOf(record);
        ASSERT_GE(players.size(), 1u);
        ASSERT_LE(players.size(), 4u);
        playerCounts.insert(players.size());
        coursesSeen.insert(record.course);
        std::set<int> golfers;
        std::set<std::wstring> names;
        for (const PlayerSlot& player : players) {
            EXPECT_GE(player.character, 1);
            EXPECT_LE(player.character, 5);
            golfers.insert(player.character);
            names.insert(player.name);
            EXPECT_EQ(player.name.find_first_of(L",=:;"), std::wstring::npos);
        }
        EXPECT_EQ(golfers.size(), players.size());
        EXPECT_EQ(names.size(), players.size());
        // What the game reads back is what the demonstration chose.
        const GameRecord back = readGameRecord(writeGameRecord(record).substr(4));
        EXPECT_EQ(back.course, record.course);
        EXPECT_EQ(playersOf(back).size(), players.size());
    }
    EXPECT_EQ(playerCounts.size(), 4u) << "one to four players";
    EXPECT_EQ(coursesSeen.size(), courses.size());
}

TEST(DemoGame, FollowsARequestItCanMeetAndIgnoresOneItCannot) {
    const GameRecord asked = demoGameRecord(courses, 6, {L"maple_grove", 4});
    EXPECT_EQ(asked.course, L"maple_grove");
    EXPECT_EQ(playersOf(asked).size(), 4u);
    EXPECT_EQ(playersOf(demoGameRecord(courses, 3, {L"", 4})).size(), 2u) << "only two golfers";
    const GameRecord unknown = demoGameRecord(courses, 6, {L"no_such_course", 9});
    EXPECT_NE(std::find(courses.begin(), courses.end(), unknown.course), courses.end());
    EXPECT_TRUE(playersOf(demoGameRecord({}, 6)).empty());
    EXPECT_TRUE(playersOf(demoGameRecord(courses, 1)).empty()) << "character 0 is nobody";
}

TEST(DemoMode, LivesInTheEnvironment) {
    setDemoMode(DemoMode::Once);
    EXPECT_EQ(demoMode(), DemoMode::Once);
    setDemoMode(DemoMode::Attract);
    EXPECT_EQ(demoMode(), DemoMode::Attract);
    setenv(demoVariable, "0", 1);
    EXPECT_EQ(demoMode(), DemoMode::Off);
    setDemoMode(DemoMode::Off);
    EXPECT_EQ(std::getenv(demoVariable), nullptr);
}

} // namespace
} // namespace velmora
