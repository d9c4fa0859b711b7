// The computer player on the hand-made hole, frame by frame on the fake clock: it plays a hole for
// two players to its end through the page's own operations, reading and answering every message,
// and a person's key or press ends the demonstration and goes back to the front end.
#include "game/computer_player.h"
#include "game/demo_mode.h"
#include "game/shot_planner.h"
#include "platform/messages.h"
#include "tests/game/game_fixture.h"

namespace velmora {
namespace {

using test::GameTest;

class ComputerPlayerTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        setDemoMode(DemoMode::Once);
        open(2);
        ASSERT_TRUE(loaded);
        canvas->relaunchTo = [this](const std::wstring& commandLine) {
            relaunches.push_back(commandLine);
            return true;
        };
        canvas->computerPlayer = std::make_unique<ComputerPlayer>(*canvas);
        canvas->startFrames();
    }
    void TearDown() override {
        setDemoMode(DemoMode::Off);
        GameTest::TearDown();
    }
    // Frames until the hole has ended (at most limit); the frames made.
    int playHole(int limit) {
        for (int frame = 0; frame < limit; ++frame) {
            if (!relaunches.empty())
                return frame;
            frames(1);
            test::pumpMessages();
        }
        return limit;
    }

    std::vector<std::wstring> relaunches;
};

TEST_F(ComputerPlayerTest, PlaysTheHoleForEveryPlayerToTheNextHole) {
    const int made = playHole(25 * 60 * 5);
    ASSERT_EQ(relaunches.size(), 1u) << "the hole ends within five minutes of play";
    const GameRecord next = readGameRecord(relaunches.front().substr(4));
    EXPECT_EQ(next.hole, 2);
    const std::vector<PlayerSlot> players = playersOf(next);
    ASSERT_EQ(players.size(), 2u);
    for (const PlayerSlot& player : players) {
        EXPECT_GE(player.scores[0], 1);
        EXPECT_LE(player.scores[0], canvas->pars[0] + 1) << "a practised player on an open hole";
    }
    EXPECT_EQ(returns, 0);
    EXPECT_GT(made, 25 * 5) << "it takes its time, so that someone watching can follow";
}

TEST_F(ComputerPlayerTest, AKeyOrAPressTakesOverAndGoesBackToTheFrontEnd) {
    frames(40);
    EXPECT_EQ(returns, 0);
    canvas->keyListener()->onKeyMessage(canvas, WM_KEYDOWN, VK_LEFT);
    frames(1);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(demoMode(), DemoMode::Off) << "the instances that follow play no more";
    frames(5);
    EXPECT_EQ(returns, 1) << "once";

    setDemoMode(DemoMode::Attract);
    canvas->computerPlayer.reset();
    canvas->computerPlayer = std::make_unique<ComputerPlayer>(*canvas);
    canvas->mouseListener()->onCommand(canvas, WM_MOUSEMOVE, 0, 10, 10);
    frames(1);
    EXPECT_EQ(returns, 1) << "a mouse passing over the page is nobody taking over";
    canvas->mouseListener()->onCommand(canvas, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    frames(1);
    EXPECT_EQ(returns, 2);
    canvas->computerPlayer.reset();
    EXPECT_EQ(canvas->mouseListener(), canvas) << "the page has its own listener back";
}

// From 55 yards out on the hand-made hole, a punched wood that runs the ball up to the cup is
// perfect only when struck perfectly: a little off line or a gauge step off it runs out of bounds.
// The player's plan allows for how the player strays, so it takes the safe shot.
TEST_F(GameTest, ThePlanAllowsForThePlayersStrayAndTakesTheSafeShot) {
    open(1);
    ASSERT_TRUE(loaded);
    ShotWorld world = shotWorldOf(*canvas);
    ASSERT_GT(world.aimStray, 0.0f);
    ASSERT_GT(world.powerStray, 0);
    const Vector3 from{9.39f, 0.27f, -115.83f};
    const auto penaltiesWhenStrayed = [&](const ShotChoice& planned) {
        int penalties = 0;
        for (const float aim : {-1.0f, 0.0f, 1.0f}) {
            for (const int power : {-world.powerStray, 0, world.powerStray}) {
                ShotChoice strayed = planned;
                strayed.aimTurn += aim * world.aimStray * static_cast<float>(planned.power) / 100.0f;
                strayed.power += power;
                const ShotEnd end = simulateShot(world, from, strayed, 0).end;
                penalties += end == ShotEnd::OutOfBounds || end == ShotEnd::Water;
            }
        }
        return penalties;
    };
    ShotWorld perfect = world;
    perfect.aimStray = 0.0f;
    perfect.powerStray = 0;
    EXPECT_GT(penaltiesWhenStrayed(planShot(perfect, from).choice), 4) << "the trap is there";
    EXPECT_EQ(penaltiesWhenStrayed(planShot(world, from).choice), 0);
}

} // namespace
} // namespace velmora
