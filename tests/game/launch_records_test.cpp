#include "game/launch_records.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const std::wstring exampleStartRecord =
    L"ARG:course=lake_side,hole=1,CharacterSelected0=3,PlayerName0=Ann,PlayerScores0=0;0;0;0;0;0;0;0;0,"
    L"CharacterSelected1=0,PlayerName1=player2,PlayerScores1=0;0;0;0;0;0;0;0;0,CharacterSelected2=0,"
    L"PlayerName2=player3,PlayerScores2=0;0;0;0;0;0;0;0;0,CharacterSelected3=0,PlayerName3=player4,"
    L"PlayerScores3=0;0;0;0;0;0;0;0;0";

const std::array<std::wstring, playerSlotCount> defaultNames = {L"player1", L"player2", L"player3",
                                                                L"player4"};

TEST(LaunchRecords, StartRecordOfTheExampleByteForByte) {
    std::array<std::wstring, playerSlotCount> names = defaultNames;
    names[0] = L"Ann";
    const std::array<int32_t, playerSlotCount> characters = {3, 0, 0, 0};
    EXPECT_EQ(writeGameRecord(startGameRecord(L"lake_side", characters, names)), exampleStartRecord);

    const GameRecord read = readGameRecord(*launchRecordOf(exampleStartRecord));
    EXPECT_EQ(read.course, L"lake_side");
    EXPECT_EQ(read.hole, 1);
    const std::vector<PlayerSlot> players = playersOf(read);
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].character, 3);
    EXPECT_EQ(players[0].name, L"Ann");
}

TEST(LaunchRecords, PlayerInSlotTwoMovesToSlotZeroAfterTheFirstHole) {
    const std::array<int32_t, playerSlotCount> characters = {0, 0, 5, 0};
    const GameRecord start =
        readGameRecord(*launchRecordOf(writeGameRecord(startGameRecord(L"c", characters, defaultNames))));
    std::vector<PlayerSlot> players = playersOf(start);
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].name, L"player3");
    players[0].scores[0] = 100; // the per-hole cap is written in full

    EXPECT_EQ(
        writeGameRecord(nextHoleRecord(L"c", 2, players)),
        L"ARG:course=c,hole=2,CharacterSelected0=5,PlayerName0=player3,PlayerScores0=100;0;0;0;0;0;0;0;0,"
        L"CharacterSelected1=0,PlayerName1=dummy,PlayerScores1=0;0;0;0;0;0;0;0;0,"
        L"CharacterSelected2=0,PlayerName2=dummy,PlayerScores2=0;0;0;0;0;0;0;0;0,"
        L"CharacterSelected3=0,PlayerName3=dummy,PlayerScores3=0;0;0;0;0;0;0;0;0");
}

TEST(LaunchRecords, GameRecordReaderToleratesOddContent) {
    const GameRecord game =
        readGameRecord(L"course=hills,hole=4,CharacterSelected0=2,PlayerName0= Ann, the first "
                       L",PlayerScores0=1;2;3;4;5;6;7;8,"
                       L"CharacterSelected1=0,PlayerName1=nobody,"
                       L"CharacterSelected2=7,PlayerName2=Bob,PlayerScores2=1;2;3;4;5;6;7;8;9;10,"
                       L"PlayerName3=Cy");
    EXPECT_EQ(game.course, L"hills");
    EXPECT_EQ(game.hole, 4);
    const std::vector<PlayerSlot> players = playersOf(game);
    ASSERT_EQ(players.size(), 2u);                 // slot 3 names no character: nobody plays there
    EXPECT_EQ(players[0].name, L"Ann, the first"); // a comma survives; blanks around the name do not
    EXPECT_EQ(players[0].scores, (HoleScores{1, 2, 3, 4, 5, 6, 7, 8, 0}));
    EXPECT_EQ(players[1].name, L"Bob");
    EXPECT_EQ(players[1].scores, (HoleScores{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(game.slots[3].character, -1);
    EXPECT_EQ(game.slots[3].name, L"Cy");

    // A comma followed by '=' in a name makes a false item; holes outside 1 to 9 read as hole 1.
    const GameRecord broken = readGameRecord(L"course=x,hole=12,PlayerName0=A,b=c,CharacterSelected0=1");
    EXPECT_EQ(broken.slots[0].name, L"A");
    EXPECT_EQ(broken.hole, 1);
    EXPECT_EQ(readGameRecord(L"course=x,hole=0").hole, 1);
    EXPECT_EQ(readGameRecord(L"course=x").hole, 1);
    EXPECT_EQ(readGameRecord(L"hole=3").course, L"");
}

TEST(LaunchRecords, ResultsAreRankedStablyAndWrittenAsTheExample) {
    std::vector<PlayerSlot> players(3);
    players[0].name = L"Bob";
    players[0].scores = {5, 5, 5, 5, 5, 5, 5, 5, 5}; // 45 against a par of 40: +5
    players[1].name = L"Ann";
    players[1].scores = {4, 4, 4, 4, 4, 4, 4, 4, 6}; // 38: -2
    players[2].name = L"Cy";
    players[2].scores = {5, 5, 5, 5, 5, 5, 5, 5, 5}; // +5, after Bob in the game's order
    const HoleScores pars = {4, 4, 4, 4, 4, 4, 4, 4, 8};
    const ResultsRecord results = rankResults(L"lake_side", players, pars);
    EXPECT_EQ(writeResultsRecord(results),
              L"ARG:round:results,name0:Ann,totalScore0:-2,name1:Bob,totalScore1:5,"
              L"name2:Cy,totalScore2:5,course:lake_side");

    const ResultsRecord read = readResultsRecord(*launchRecordOf(
        L"ARG:round:results,name0:Ann,totalScore0:-2,name1:Bob,totalScore1:5,course:lake_side"));
    EXPECT_EQ(read.course, L"lake_side");
    ASSERT_EQ(read.players.size(), 2u);
    EXPECT_EQ(read.players[0].name, L"Ann");
    EXPECT_EQ(read.players[0].totalScore, -2);
    EXPECT_EQ(read.players[1].totalScore, 5);

    const ResultsRecord odd = readResultsRecord(L"round:results,name0:Ann,name1:Bob,totalScore1:3,course:c");
    ASSERT_EQ(odd.players.size(), 1u); // three items make one player
    EXPECT_EQ(odd.players[0].totalScore, 99);
}

TEST(LaunchRecords, DispatchOrder) {
    EXPECT_EQ(launchRecordOf(L"velmora"), std::nullopt);
    EXPECT_EQ(launchRecordOf(L"/usr/bin/velmora ARG:intro"), L"intro");
    EXPECT_EQ(classifyLaunchRecord(L"intro"), LaunchKind::FrontEnd);
    EXPECT_EQ(classifyLaunchRecord(L"intro2"), LaunchKind::Slot);
    EXPECT_EQ(classifyLaunchRecord(L"slot3"), LaunchKind::Slot);
    EXPECT_EQ(classifyLaunchRecord(L"course=a,round:results"), LaunchKind::Results);
    EXPECT_EQ(classifyLaunchRecord(L"hole=1,course=a"), LaunchKind::Game);
    EXPECT_EQ(writeSlotRecord(3), L"ARG:slot3");
    EXPECT_EQ(launchRecordOf(writeSlotRecord(7)), L"slot7");
    EXPECT_EQ(std::wstring(frontEndRequest), L"ARG:intro");
}

} // namespace
} // namespace velmora
