// The rules of a stroke that need no page: the launch table with the lie, the power gauge's frames,
// the club and swing rules with the automatic choice, the golf words, and who plays next.
#include "game/club_selection.h"
#include "game/hole_result.h"
#include "game/launch_table.h"
#include "game/power_gauge.h"
#include "game/turn_order.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace velmora {
namespace {

TEST(LaunchTable, FullPowerWithTheWoodAndThePuttersFlatRoll) {
    const Launch drive = launchOf(ClubWood, SwingFull, 100, 0);
    EXPECT_EQ(drive.strength, 110);
    EXPECT_NEAR(drive.angle, 0.380f, 0.001f);
    EXPECT_NEAR(drive.speed, 99.0f, 1e-4f);
    EXPECT_EQ(drive.surfaceFactor, 1.0f);
    for (int power : {1, 50, 100}) {
        const Launch putt = launchOf(ClubPutter, SwingPutt, power, 5);
        EXPECT_EQ(putt.angle, 0.0f) << power;
    }
    EXPECT_EQ(launchOf(ClubPutter, SwingPutt, 100, 0).strength, 27) << "100 x 25 % x 110 %";
    EXPECT_EQ(launchOf(ClubWedge, SwingFlop, 100, 0).surfaceFactor, 5.0f);
    EXPECT_NEAR(launchOf(ClubWedge, SwingFlop, 100, 0).angle, 27.0f * 27.0f * 0.002f * 0.31415927f, 1e-4f);
}

TEST(LaunchTable, TheRandomStepRoundsDownAndTheStrengthStaysBetween3And110) {
    EXPECT_EQ(launchOf(ClubWood, SwingFull, 100, -5).strength, 105) << "110 - 550/128 rounded down";
    EXPECT_EQ(launchOf(ClubWood, SwingFull, 100, 5).strength, 110) << "114 cut to 110";
    EXPECT_EQ(launchOf(ClubIron, SwingFull, 50, 1).strength, 51) << "47 x 110 % = 51, + 51/128 = 0";
    EXPECT_EQ(launchOf(ClubIron, SwingChip, 0, 0).strength, 3);
    EXPECT_EQ(launchOf(ClubWood, SwingPunch, 100, 0).strength, 110) << "120 % cut to 110";
}

TEST(LaunchTable, SandHalvesAllButTheFlopAndRoughTakesATenthOffWoodAndIron) {
    EXPECT_EQ(powerAfterLie(100, ClubWood, SwingFull, true, false), 50);
    EXPECT_EQ(powerAfterLie(99, ClubWedge, SwingChip, true, false), 49);
    EXPECT_EQ(powerAfterLie(100, ClubWedge, SwingFlop, true, false), 100);
    EXPECT_EQ(powerAfterLie(100, ClubWood, SwingFull, false, true), 90);
    EXPECT_EQ(powerAfterLie(55, ClubIron, SwingPunch, false, true), 49);
    EXPECT_EQ(powerAfterLie(100, ClubWedge, SwingFull, false, true), 100);
    EXPECT_EQ(powerAfterLie(100, ClubPutter, SwingPutt, false, false), 100);
}

PowerGauge gaugeOf121() {
    PowerGauge gauge;
    gauge.maxWidth = 121;
    resetGauge(gauge);
    return gauge;
}

TEST(PowerGauge, ChargingRunsUpTo100AndBackDownThenUpAgain) {
    PowerGauge gauge = gaugeOf121();
    chargeStep(gauge, 0.04f);
    EXPECT_EQ(gauge.power, 3) << "80 a second, truncated per frame";
    EXPECT_EQ(gauge.width, 3);
    EXPECT_TRUE(gauge.chargedThisFrame);
    int top = 0;
    int frames = 1;
    while (gauge.powerDirection > 0 && frames < 100) {
        chargeStep(gauge, 0.04f);
        top = std::max(top, gauge.power);
        ++frames;
    }
    EXPECT_EQ(top, 100);
    EXPECT_EQ(gauge.width, 121);
    while (gauge.powerDirection < 0 && frames < 200) {
        chargeStep(gauge, 0.04f);
        ++frames;
    }
    EXPECT_EQ(gauge.power, 0) << "turned at the bottom";
    chargeStep(gauge, 0.04f);
    EXPECT_EQ(gauge.power, 3);
}

TEST(PowerGauge, ALetGoBarDrainsBackSlowerWhenFull) {
    PowerGauge gauge = gaugeOf121();
    gauge.width = 121;
    drainBack(gauge, 0.04f);
    EXPECT_EQ(gauge.width, 120) << "at least a pixel a frame";
    EXPECT_EQ(gauge.power, 99);
    gauge.width = 30;
    drainBack(gauge, 0.04f);
    EXPECT_EQ(gauge.width, 15) << "at most 15 a frame";
    for (int i = 0; i < 10; ++i)
        drainBack(gauge, 0.04f);
    EXPECT_EQ(gauge.width, 0);
    EXPECT_EQ(gauge.power, 0);
}

TEST(PowerGauge, TheSwingRunsTheGreenBarDownThenStrikesWithThePowerOfTheTap) {
    PowerGauge gauge = gaugeOf121();
    gauge.power = 80;
    gauge.width = 96;
    startSwing(gauge, 0.04f);
    EXPECT_TRUE(gauge.swinging);
    EXPECT_FALSE(gauge.hasImage);
    EXPECT_EQ(gauge.drainPerFrame, 15) << "80 x 0.04f x 5 falls just short of 16";
    int frames = 0;
    while (!swingStep(gauge) && frames < 100)
        ++frames;
    EXPECT_EQ(frames, 7) << "96 pixels at 15 a frame";
    EXPECT_FALSE(gauge.swinging);
    EXPECT_EQ(gauge.power, 80);
    PowerGauge slow = gaugeOf121();
    slow.power = 2;
    startSwing(slow, 0.04f);
    EXPECT_EQ(slow.drainPerFrame, 1);
}

Player playerWith(int club, int swing) {
    Player player;
    player.selectedClub = club;
    player.selectedSwingType = swing;
    return player;
}

TEST(ClubSelection, EveryFixUpEndsInAPlayablePair) {
    Player player = playerWith(ClubWood, SwingFull);
    selectClub(player, ClubPutter);
    EXPECT_EQ(player.selectedSwingType, SwingPutt);
    selectSwing(player, SwingFull);
    EXPECT_EQ(player.selectedClub, ClubWood);
    selectSwing(player, SwingChip);
    EXPECT_EQ(player.selectedClub, ClubWedge) << "the wood cannot chip";
    player = playerWith(ClubIron, SwingFull);
    selectSwing(player, SwingChip);
    EXPECT_EQ(player.selectedClub, ClubIron);
    selectClub(player, ClubWood);
    EXPECT_EQ(player.selectedSwingType, SwingFull);
    selectSwing(player, SwingFlop);
    EXPECT_EQ(player.selectedClub, ClubWedge);
    selectClub(player, ClubIron);
    EXPECT_EQ(player.selectedSwingType, SwingFull);
    for (int club = 0; club < clubCount; ++club) {
        for (int swing = 0; swing < swingCount; ++swing) {
            Player a = playerWith(club, SwingFull);
            selectSwing(a, swing);
            EXPECT_TRUE(isPlayablePair(a.selectedClub, a.selectedSwingType)) << club << " " << swing;
            Player b = playerWith(ClubWood, swing == SwingPutt ? SwingFull : swing);
            selectClub(b, club);
            EXPECT_TRUE(isPlayablePair(b.selectedClub, b.selectedSwingType)) << club << " " << swing;
        }
    }
    EXPECT_STREQ(clubName(ClubPutter), L"Putter");
    EXPECT_STREQ(swingName(SwingChip), L"Chip");
}

TEST(ClubSelection, TheAutomaticChoiceAtItsThresholds) {
    struct Case {
        float yards;
        bool green, bunker;
        int club, swing;
    };
    const Case cases[] = {
        {30.0f, true, false, ClubPutter, SwingPutt}, {49.9f, false, true, ClubWedge, SwingFlop},
        {50.0f, false, true, ClubWood, SwingFull},   {200.0f, false, false, ClubIron, SwingFull},
        {200.2f, false, false, ClubWood, SwingFull}, {120.0f, false, false, ClubWedge, SwingFull},
        {120.2f, false, false, ClubIron, SwingFull}, {40.0f, false, false, ClubWedge, SwingChip},
        {40.2f, false, false, ClubWedge, SwingFull},
    };
    for (const Case& c : cases) {
        Player player = playerWith(ClubPutter, SwingPutt);
        // The distance nearest the yards from the side under test: the bunker's limit is reached at
        // 50, the others are passed above theirs.
        player.distanceToHole = c.yards / yardsPerUnit;
        while (!c.bunker && player.distanceToHole * yardsPerUnit > c.yards)
            player.distanceToHole = std::nextafter(player.distanceToHole, 0.0f);
        while (c.bunker && player.distanceToHole * yardsPerUnit < c.yards)
            player.distanceToHole = std::nextafter(player.distanceToHole, 1e9f);
        chooseClubAndSwing(player, c.green, c.bunker);
        EXPECT_EQ(player.selectedClub, c.club) << c.yards;
        EXPECT_EQ(player.selectedSwingType, c.swing) << c.yards;
    }
}

TEST(HoleResult, GolfWordsReactionsAndPlainNumbers) {
    struct Case {
        int strokes, par;
        const wchar_t* text;
        bool picture;
        Jingle jingle;
        Expression expression;
    };
    const Case cases[] = {
        {4, 4, L"Par", true, Jingle::Cheering, Expression::Cheerful},
        {1, 4, L"Hole-in-one!", true, Jingle::Cheering, Expression::Cheerful},
        {1, 3, L"Hole-in-one!", true, Jingle::Cheering, Expression::Cheerful},
        {1, 5, L"Hole-in-one!", true, Jingle::Cheering, Expression::Cheerful},
        {2, 5, L"Albatross!", true, Jingle::Cheering, Expression::Cheerful},
        {2, 4, L"Eagle!", true, Jingle::Cheering, Expression::Cheerful},
        {3, 4, L"Birdie!", true, Jingle::Cheering, Expression::Cheerful},
        {5, 4, L"Bogey!", true, Jingle::Applause, Expression::Indifferent},
        {6, 4, L"Double Bogey!", true, Jingle::Applause, Expression::Indifferent},
        {6, 3, L"+3", false, Jingle::Boo, Expression::Angry},
        {2, 6, L"-4", false, Jingle::Cheering, Expression::Cheerful},
        {100, 4, L"+96", false, Jingle::Boo, Expression::Angry},
    };
    for (const Case& c : cases) {
        const HoleResult result = holeResultOf(c.strokes, c.par);
        EXPECT_EQ(result.text, c.text) << c.strokes << " on par " << c.par;
        EXPECT_EQ(result.withPicture, c.picture) << c.strokes << " on par " << c.par;
        EXPECT_EQ(result.jingle, c.jingle) << c.strokes << " on par " << c.par;
        EXPECT_EQ(result.expression, c.expression) << c.strokes << " on par " << c.par;
    }
}

TEST(HoleResult, OnlyADriveOver250YardsIsANiceShot) {
    EXPECT_EQ(strokeReportOf(250.0f).text, L"Ball travelled 250.0 yards");
    EXPECT_FALSE(strokeReportOf(250.0f).niceShot);
    EXPECT_EQ(strokeReportOf(250.1f).text, L"250.1 yards!!\nWow! Nice Shot!");
    EXPECT_TRUE(strokeReportOf(250.1f).niceShot);
    EXPECT_EQ(strokeReportOf(7.96f).text, L"Ball travelled 8.0 yards");
}

std::vector<Player> playersAt(const std::vector<Vector3>& places) {
    std::vector<Player> players(places.size());
    for (size_t i = 0; i < places.size(); ++i)
        players[i].location = players[i].oldLocation = places[i];
    return players;
}

TEST(TurnOrder, TheFarthestPlaysTiesGoToTheLowerIndexAndTheFirstStrikeToPlayerOne) {
    const Vector3 hole{0, 0, 0};
    std::vector<Player> players = playersAt({{0, 0, 50}, {0, 0, 80}, {80, 0, 0}});
    BallWhereabouts ball{{0, 5, 50}};
    EXPECT_EQ(chooseNextPlayer(players, 0, 2, hole, ball), 1) << "80 ties with 80: the lower index";
    EXPECT_FLOAT_EQ(players[0].distanceToHole, 50.0f) << "the height does not count";
    players[1].finishedThisHole = true;
    ball.position = {0, 0, 90};
    EXPECT_EQ(chooseNextPlayer(players, 0, 2, hole, ball), 0) << "the player just moved to 90";
    EXPECT_FLOAT_EQ(players[0].ballDistanceTravelled, 40.0f);

    std::vector<Player> onTee = playersAt({{0, 0, 50}, {0, 0, 50}});
    for (Player& player : onTee)
        player.isOnTee = true;
    EXPECT_EQ(chooseNextPlayer(onTee, 1, 1, hole, {{0, 0, 50}}), 0) << "hole 1's first strike";
    EXPECT_EQ(chooseNextPlayer(onTee, 1, 2, hole, {{0, 0, 50}}), 0) << "equal tee distances";
    std::vector<Player> alone = playersAt({{0, 0, 50}});
    EXPECT_EQ(chooseNextPlayer(alone, 0, 3, hole, {{0, 0, 10}}), 0);
}

TEST(TurnOrder, DistancesFollowTheBallsFate) {
    Player player;
    player.location = player.oldLocation = {0, 0, 100};
    updateDistances(player, {}, {{0, 0, 20}, true, false});
    EXPECT_FLOAT_EQ(player.distanceToHole, 100.0f) << "out of bounds: back where it was";
    updateDistances(player, {}, {{0, 0, 30}, false, true});
    EXPECT_FLOAT_EQ(player.distanceToHole, 30.0f) << "in water: where the ball drowned";
    EXPECT_FLOAT_EQ(player.ballDistanceTravelled, 70.0f);
    player.finishedThisHole = true;
    updateDistances(player, {1, 0, 0}, {{0, 0, 30}, false, false});
    EXPECT_FLOAT_EQ(player.distanceToHole, 0.0f);
}

} // namespace
} // namespace velmora
