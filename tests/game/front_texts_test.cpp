// The texts the front end shows before a game exists: course names, best-score rows and the names
// of saved-game slots, read from the files the game writes.
#include "../support/temp_folder.h"
#include "game/best_scores.h"
#include "game/names.h"
#include "game/save_slots.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Names, CourseNamesReadAsWords) {
    EXPECT_EQ(prettyCourseName(L"lake_side"), L"Lake Side");
    EXPECT_EQ(prettyCourseName(L"green_valley"), L"Green Valley");
    EXPECT_EQ(prettyCourseName(L"dunes"), L"Dunes");
    EXPECT_EQ(prettyCourseName(L""), L"");
    // Only lower-case letters are raised: digits and capitals are not shifted into symbols.
    EXPECT_EQ(prettyCourseName(L"9_holes_Par_3"), L"9 Holes Par 3");
    EXPECT_EQ(prettyCourseName(L"end_"), L"End ");
}

TEST(Names, ResultsAgainstPar) {
    EXPECT_EQ(resultText(-2), L"-2");
    EXPECT_EQ(resultText(0), L"E");
    EXPECT_EQ(resultText(5), L"+5");
}

TEST(Names, RecordSeparatorsAreDroppedFromNames) {
    EXPECT_EQ(recordSafeName(L"A,n=n:a;"), L"Anna");
    EXPECT_EQ(recordSafeName(L"Bob-1 (x)"), L"Bob-1 (x)");
    EXPECT_EQ(recordSafeName(L",;"), L"");
    EXPECT_EQ(recordSafeName(L"Ann\r\nslot0=x{y}"), L"Annslot0xy") << "no line break or reference";
    EXPECT_EQ(recordSafeName(L"a//b///c/"), L"a/b/c/") << "no comment start";
}

TEST(BestScores, LineEntriesAndTheirRows) {
    const BestScores two = parseBestScores(L"Ann:-2,Bob:5");
    ASSERT_EQ(two.names.size(), 2u);
    const auto rows = bestScoreRows(two);
    EXPECT_EQ(rows[0].name, L"Ann");
    EXPECT_EQ(rows[0].value, L"-2");
    EXPECT_EQ(rows[1].value, L"+5");
    for (int row = 2; row < bestScoreRowCount; ++row) {
        EXPECT_EQ(rows[row].name, L"----------");
        EXPECT_EQ(rows[row].value, L"---");
    }
    EXPECT_EQ(bestScoreText(L"0"), L"E");
    EXPECT_EQ(bestScoreText(L"3"), L"+3");

    // Only five rows are shown; entries without ':' are no scores; extra ':' pieces are ignored.
    const BestScores messy = parseBestScores(L"a:1,junk,,b:2:9,c:3,d:4,e:5,f:6");
    ASSERT_EQ(messy.names.size(), 6u);
    EXPECT_EQ(messy.values[1], L"2");
    EXPECT_EQ(bestScoreRows(messy)[4].name, L"e");
}

TEST(BestScores, LoadedByExactCourseName) {
    test::TempFolder folder;
    test::ScopedVariable noPlayersCopy{"XDG_DATA_HOME", folder.os("data").c_str()};
    const std::wstring gui = folder.game("GUI/");
    EXPECT_TRUE(loadBestScores(gui, L"lake_side").names.empty()) << "no file: no entries";

    test::writeFile(folder.os("GUI/scores.properties"),
                    "# best five per course\nLake_Side=Zed:9\nlake_side=Ann:-2,Bob:0\n");
    const BestScores scores = loadBestScores(gui, L"lake_side");
    ASSERT_EQ(scores.names.size(), 2u);
    EXPECT_EQ(scores.names[1], L"Bob");
    EXPECT_EQ(bestScoreRows(scores)[1].value, L"E");
    EXPECT_TRUE(loadBestScores(gui, L"dunes").names.empty());
}

TEST(SaveSlots, NamesOfSavedSlots) {
    test::TempFolder folder;
    test::ScopedVariable noPlayersCopy{"XDG_DATA_HOME", folder.os("data").c_str()};
    const std::wstring resources = folder.game("") + L"\\";
    EXPECT_EQ(readSlotName(resources, slotKey(3)), std::nullopt) << "no file";

    test::writeFile(folder.os("GUI/saveGame.properties"),
                    "slot3=slotName:Sunday round,courseName:lake_side,holeNo:4,\n"
                    "slot3_0=PlayerName:Ann,elevation:0.000000\n"
                    "slot5=courseName:dunes,holeNo:1,\n"
                    "slot6=slotName:,holeNo:1,\n");
    EXPECT_EQ(readSlotName(resources, L"slot3"), L"Sunday round");
    EXPECT_EQ(readSlotName(resources, L"slot5"), std::nullopt) << "no name";
    EXPECT_EQ(readSlotName(resources, L"slot6"), std::nullopt) << "empty name";
    EXPECT_EQ(readSlotName(resources, L"slot0"), std::nullopt) << "no line";
    EXPECT_EQ(std::wstring(emptySlotText).size(), 20u);
}

} // namespace
} // namespace velmora
