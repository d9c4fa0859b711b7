// Loading a hole of the hand-made course into the game page.
#include "tests/game/game_fixture.h"

namespace velmora {
namespace {

using test::GameTest;

TEST_F(GameTest, LoadsTheHoleWithItsGroupsAndPutsTheBallOnTheTee) {
    open();
    ASSERT_TRUE(loaded) << toUtf8(lastMessageBox().text);
    EXPECT_TRUE(canvas->gameLoaded);
    EXPECT_NEAR(canvas->cupPosition.x, 0.0f, 0.01f);
    EXPECT_NEAR(canvas->cupPosition.z, -200.0f, 0.01f);
    EXPECT_NEAR(canvas->teePosition.z, 200.0f, 0.01f);
    EXPECT_NEAR(ball().position.z, 200.0f, 0.01f);
    EXPECT_TRUE(ball().isInTGround);
}

} // namespace
} // namespace velmora
