// The scorecard's texts hole by hole, and the best-score table growing at the end of games.
#include "base/wide_string.h"
#include "game/best_scores.h"
#include "game/launch_records.h"
#include "game/scorecard.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

using Card = std::map<std::wstring, std::wstring>;

Card cardOf(const Player& player, const HoleScores& pars, int hole) {
    Card card;
    for (const NodeText& text : scorecardTexts(player, pars, hole))
        EXPECT_TRUE(card.emplace(text.node, text.text).second) << toUtf8(text.node) << " twice";
    return card;
}

TEST(Scorecard, ShowsTheHolesPlayedAndTotalsOfTheCompletedOnes) {
    const HoleScores pars{4, 3, 5, 4, 4, 3, 5, 4, 4};
    Player ann;
    ann.playerName = L"Ann";
    ann.scores = {5, 3, 4, 6, 2, 0, 0, 0, 0};

    // Hole 1: its par and the strokes so far, nothing else.
    EXPECT_EQ(
        cardOf(ann, pars, 1),
        (Card{{L"txtScoreCardPlayerName", L"Player: Ann"}, {L"txtPar0", L"4"}, {L"txtStrokes0", L"5"}}));

    // Hole 5: results of holes 1 to 4 and their totals; hole 5 without a result.
    const Card fifth = cardOf(ann, pars, 5);
    EXPECT_EQ(fifth.size(), 1u + 5 * 2 + 4 + 3);
    EXPECT_EQ(fifth.at(L"txtStatus0"), L"+1");
    EXPECT_EQ(fifth.at(L"txtStatus1"), L"E");
    EXPECT_EQ(fifth.at(L"txtStatus2"), L"-1");
    EXPECT_EQ(fifth.at(L"txtStatus3"), L"+2");
    EXPECT_FALSE(fifth.contains(L"txtStatus4"));
    EXPECT_EQ(fifth.at(L"txtPar4"), L"4");
    EXPECT_EQ(fifth.at(L"txtStrokes4"), L"2");
    EXPECT_FALSE(fifth.contains(L"txtPar5"));
    EXPECT_EQ(fifth.at(L"txtTotalStrokes"), L"18");
    EXPECT_EQ(fifth.at(L"txtTotalPar"), L"16");
    EXPECT_EQ(fifth.at(L"txtTotalStatus"), L"+2");
}

std::vector<PlayerResult> results(std::initializer_list<PlayerResult> list) {
    return list;
}

TEST(BestScores, NewResultsAreMergedSortedAndCutToFive) {
    // The same player with the same total is kept once; with another total both stay.
    BestScores table = addBestScores(parseBestScores(L"Ann:-2,Bob:5"), results({{L"Ann", -2}, {L"Bob", 3}}));
    EXPECT_EQ(bestScoresLine(table), L"Ann:-2,Bob:3,Bob:5");

    // A new total equal to a stored one goes after it; new equal totals keep the players' order.
    table = addBestScores(table, results({{L"Cy", 3}, {L"Dee", -2}, {L"Eve", -2}}));
    EXPECT_EQ(bestScoresLine(table), L"Ann:-2,Dee:-2,Eve:-2,Bob:3,Cy:3");

    // A sixth result keeps the five lowest.
    EXPECT_EQ(bestScoresLine(addBestScores(table, results({{L"Fay", 0}}))),
              L"Ann:-2,Dee:-2,Eve:-2,Fay:0,Bob:3");
    EXPECT_EQ(bestScoresLine(addBestScores(table, results({{L"Gus", 9}}))), bestScoresLine(table));

    // Names lose what would break the line.
    EXPECT_EQ(bestScoresLine(addBestScores({}, results({{L"A:n,n", 1}}))), L"Ann:1");
}

TEST(BestScores, TheEndOfAGameRewritesOnlyItsCoursesLine) {
    test::TempFolder root;
    test::ScopedVariable data{"XDG_DATA_HOME", root.os("data").c_str()};
    const std::wstring gui = root.game("GUI") + L"\\";
    test::writeFile(root.os("GUI/scores.properties"), "# best five\nmeadow=Ann:-2\n\nlakes=Bob:1\n");

    ASSERT_TRUE(updateBestScores(gui, L"meadow", results({{L"Cy", 0}})));
    ASSERT_TRUE(updateBestScores(gui, L"dunes", results({{L"Dee", 4}})));
    EXPECT_EQ(test::readFile(root.os("data/velmora/scores.properties")),
              "# best five\nmeadow=Ann:-2,Cy:0\n\nlakes=Bob:1\ndunes=Dee:4\n");
    EXPECT_EQ(test::readFile(root.os("GUI/scores.properties")), "# best five\nmeadow=Ann:-2\n\nlakes=Bob:1\n")
        << "the shipped file stays as it is";
    EXPECT_EQ(bestScoresLine(loadBestScores(gui, L"meadow")), L"Ann:-2,Cy:0") << "the player's copy is read";
}

} // namespace
} // namespace velmora
