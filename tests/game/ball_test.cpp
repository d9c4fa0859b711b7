// The ball on the hand-made hole: the fixed step, bounces and their limits, rolling to rest, the
// cup, water, out of bounds, the shadow and the trail. Shots are struck with Ball::launch or by
// setting the ball's velocity; the wind is calm unless a test says otherwise.
#include "gui/message_box.h"
#include "render/trig_tables.h"
#include "tests/game/game_fixture.h"

#include <cmath>

namespace velmora {
namespace {

class BallTest : public test::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        open();
        ASSERT_TRUE(loaded);
        canvas->windSpeed = 0;
        seedRandom(777);
    }
    // The ball rolling from a point toward the cup at a speed.
    void rollFrom(const Vector3& point, float speed) {
        ball().placeAt(point);
        ball().velocity = ball().aim() * speed;
    }
    float groundUnder(const Vector3& point) { return canvas->terrain().ground(point).point.y; }
    std::wstring message() {
        auto* text = dynamic_cast<Sprite*>(canvas->findNode(L"sptMessage"));
        return isMessageOpen(*canvas) && text ? text->text : L"";
    }
    Player& player() { return canvas->activePlayer(); }
};

TEST_F(BallTest, PlacedOnThePegAimedAtTheCup) {
    const float r = ball().radius;
    EXPECT_FLOAT_EQ(r, 0.25f);
    EXPECT_NEAR(ball().position.y, groundUnder(canvas->teePosition) + r + canvas->grpTee->radius, 1e-4f);
    const Vector3 aim = ball().aim();
    EXPECT_NEAR(aim.z, -1.0f, 1e-3f) << "the cup lies toward -z";
    EXPECT_TRUE(ball().isInTGround);
    EXPECT_TRUE(ball().arrow->visible);
    EXPECT_FALSE(canvas->greenGrid->visible);

    ball().placeAt({0, 0, 150}); // off the peg, on the fairway
    EXPECT_NEAR(ball().position.y, groundUnder({0, 0, 150}) + r, 1e-4f);
    EXPECT_TRUE(ball().isInFairway);
    ball().placeAt({5, 0, -205});
    EXPECT_TRUE(ball().isInGreen);
    EXPECT_TRUE(canvas->greenGrid->visible) << "the putting net shows on the green";
}

TEST_F(BallTest, EveryFrameAdvancesTheBallByTheFixedStepWhateverItsLength) {
    ball().launch(40.0f, 0.3f);
    const Vector3 start = ball().position;
    const Vector3 velocity = ball().velocity;
    EXPECT_NEAR(velocity.length(), 40.0f, 1e-3f);
    EXPECT_NEAR(velocity.y, 40.0f * std::sin(0.3f), 0.05f) << "raised by the loft";
    canvas->update(2.0f); // a frame two seconds long
    const Vector3 moved = ball().position - start;
    EXPECT_NEAR(moved.length(), 40.0f * Ball::fixedStep, 1e-3f);
    canvas->update(0.001f);
    EXPECT_GT((ball().position - start).length(), 40.0f * Ball::fixedStep * 1.5f);
}

// A ball just above the ground that reaches it in the next step, falling at speed.
class Landing : public BallTest {
protected:
    void dropOnFairway(float speed) {
        ball().placeAt({0, 0, 100});
        ball().position.y += 0.4f;
        ball().isInTheAir = true;
        ball().velocity = {0.0f, -speed, 0.0f};
        ball().step(Ball::fixedStep);
    }
};

TEST_F(Landing, BouncesOnlyAboveFortyOrEightForTheFlop) {
    dropOnFairway(40.0f);
    EXPECT_LE(ball().velocity.y, 0.0f) << "at 40 the ball rolls on";
    dropOnFairway(40.5f);
    EXPECT_NEAR(ball().velocity.y, 40.5f * 0.15f, 0.2f) << "mirrored and 15% kept";
    EXPECT_NEAR(ball().position.y, groundUnder(ball().position) + 0.9f * ball().radius, 1e-4f);
    canvas->surfaceFactor = 5.0f;
    dropOnFairway(8.0f);
    EXPECT_LE(ball().velocity.y, 0.0f);
    dropOnFairway(8.5f);
    EXPECT_GT(ball().velocity.y, 0.0f);
}

TEST_F(Landing, SandKillsTheBounceAndTheBallSitsLower) {
    ball().placeAt({-55, 0, -115});
    ASSERT_TRUE(ball().isInbunker);
    ball().position.y += 0.4f;
    ball().isInTheAir = true;
    ball().velocity = {0.0f, -60.0f, 0.0f};
    ball().step(Ball::fixedStep);
    EXPECT_NEAR(ball().velocity.y, 60.0f * 0.01f, 0.1f);
    EXPECT_NEAR(ball().position.y - groundUnder(ball().position), 0.4f * ball().radius, 1e-4f);
}

TEST_F(BallTest, ARollingBallSlowerThanTwoStopsAndTheStrokeEnds) {
    rollFrom({0, 0, 100}, 2.5f);
    ball().step(Ball::fixedStep);
    EXPECT_FALSE(ball().isStill) << "2.5 at the start of the step: it rolls on, slower";
    EXPECT_NEAR(ball().velocity.length(), 2.5f - 12.0f * Ball::fixedStep, 1e-3f) << "fairway friction 12";
    ball().step(Ball::fixedStep);
    EXPECT_TRUE(ball().isStill);
    EXPECT_TRUE(player().mulliganPermit);
    EXPECT_NE(message().find(L"Ball travelled"), std::wstring::npos);
    EXPECT_EQ(messageKey(*canvas), L"BALL_TRAVELLED");
}

TEST_F(BallTest, APuttFasterThanFifteenLipsOutAndAnIronDrops) {
    player().selectedClub = ClubPutter;
    player().selectedSwingType = SwingPutt;
    for (int attempt = 0; attempt < 20; ++attempt) {
        rollFrom(canvas->cupPosition + Vector3{0, 0, 1.0f}, 16.0f);
        const Vector3 aim = ball().aim();
        ball().step(Ball::fixedStep);
        EXPECT_FALSE(ball().isInTheCup);
        EXPECT_LT(ball().velocity.length(), 16.0f * 0.6f + 0.5f) << "it leaves slower";
        EXPECT_LT(dot(aim, ball().aim()), std::cos(0.45f)) << "turned by half a radian or more";
        EXPECT_GT(ball().position.y, canvas->cupPosition.y) << "still on the green";
        EXPECT_FALSE(player().finishedThisHole);
    }
    player().selectedClub = ClubIron;
    player().selectedSwingType = SwingFull;
    rollFrom(canvas->cupPosition + Vector3{0, 0, 1.0f}, 16.0f);
    stepUntilStill();
    EXPECT_TRUE(player().finishedThisHole);
    EXPECT_LT(ball().position.y, canvas->cupPosition.y - 3.0f * ball().radius) << "down in the cup";
    EXPECT_EQ(canvas->camera->followMode(), FollowChase) << "the camera shows the cup";
}

TEST_F(BallTest, ADrownedBallIsDroppedBehindTheWaterWithAPenalty) {
    ball().placeAt({80, 0, 0});
    ASSERT_TRUE(ball().isInWater);
    ball().step(Ball::fixedStep);
    EXPECT_FALSE(ball().isShown());
    EXPECT_FALSE(ball().shadow->visible);
    EXPECT_TRUE(ball().isStill);
    EXPECT_EQ(player().scores[0], 1) << "one penalty stroke";
    EXPECT_EQ(messageKey(*canvas), L"WATER_HAZARD");
    EXPECT_EQ(message(), L"In the water. Drop ball here?");
    const Vector3 drop = player().dropLocation;
    const Mesh3D* dropped = canvas->terrain().ground(drop).surface;
    EXPECT_EQ(dropped, canvas->terrain().surfaces.rough) << "dry ground behind the bank";
    const Vector3 back = (drop - Vector3{80, 0, 0});
    EXPECT_LT(dot(back.normalised(), ball().aim()), -0.99f) << "straight back along the line of play";
}

class WaterByTheTrees : public BallTest {
protected:
    WaterByTheTrees() { shape.waterByTheTrees = true; }
};

TEST_F(WaterByTheTrees, ADropPointOutOfBoundsGivesOutOfBounds) {
    ball().placeAt({265, 0, 0});
    ball().turnAim(true, kPi * 0.5f - std::atan2(265.0f, 200.0f)); // aimed to -x: back toward the trees
    ball().step(Ball::fixedStep);
    EXPECT_EQ(messageKey(*canvas), L"O.B.");
    EXPECT_EQ(message(), L"Out of Bounds.");
    EXPECT_GT(player().dropLocation.x, 290.0f);
}

class RoughGap : public Landing {
protected:
    RoughGap() { shape.roughGap = true; }
};

TEST_F(RoughGap, NothingUnderTheBallIsGroundZeroAndOutForTheStep) {
    const Ground none = canvas->terrain().ground({155, 50, 0});
    EXPECT_EQ(none.surface, nullptr);
    EXPECT_EQ(none.point.y, 0.0f);
    EXPECT_EQ(none.normal, (Vector3{0, 1, 0}));
    ball().placeAt({155, 0, 0});
    EXPECT_TRUE(ball().isInRough) << "no surface reads as rough";
    EXPECT_NEAR(ball().position.y, ball().radius, 1e-5f);
    ball().position.y += 0.4f;
    ball().isInTheAir = true;
    ball().velocity = {0.0f, -60.0f, 0.0f};
    ball().step(Ball::fixedStep);
    EXPECT_NEAR(ball().velocity.y, 60.0f * 0.01f, 0.1f) << "out of bounds for the step: a dead bounce";
    EXPECT_NEAR(ball().position.y, 0.9f * ball().radius, 1e-5f);
    EXPECT_FALSE(ball().isOutOfBoundary) << "the course map says in bounds at the end of the step";
}

TEST_F(BallTest, AtRestOutOfBoundsCostsAStrokeOnce) {
    ball().placeAt({0, 0, 292}); // between the tree line and the play line
    canvas->startFrames();
    frames(3);
    EXPECT_TRUE(canvas->ballOutOfBounds);
    EXPECT_EQ(messageKey(*canvas), L"O.B.");
    EXPECT_EQ(message(), L"Out of Bounds");
    frames(10);
    EXPECT_EQ(player().scores[0], 1) << "the open message holds the count";
}

TEST_F(BallTest, ShadowFadesWithHeightAndTrailFadesWithAge) {
    ball().step(Ball::fixedStep);
    const int resting = static_cast<int>((ball().height) * 30.0f);
    EXPECT_EQ(ball().shadowMaterial->transparency, resting);
    ball().launch(60.0f, 0.5f);
    ball().step(Ball::fixedStep);
    ASSERT_TRUE(ball().isInTheAir);
    EXPECT_EQ(ball().shadowMaterial->transparency, std::min(static_cast<int>(ball().height * 30.0f), 255));
    EXPECT_TRUE(ball().shadow->visible);

    // At 60 a step emits 3 + (int)(0.03 x 60) = 4 particles, each aged one step at once.
    int shown = 0;
    for (const TrailParticle& particle : ball().trail) {
        if (!particle.quad->visible)
            continue;
        ++shown;
        EXPECT_NEAR(particle.age, Ball::fixedStep, 1e-6f);
        EXPECT_EQ(particle.material->transparency, static_cast<int>(Ball::fixedStep / 0.4f * 220.0f));
    }
    EXPECT_EQ(shown, 4);
    for (int i = 0; i < 6; ++i)
        ball().step(Ball::fixedStep);
    for (const TrailParticle& particle : ball().trail) {
        if (particle.quad->visible) {
            EXPECT_LT(particle.age, 0.4f) << "particles go at 0.4 seconds";
        }
    }
}

TEST_F(BallTest, CameraViewsFollowTheirNodes) {
    Camera3D& camera = *canvas->camera;
    canvas->takeCameraView(CameraView::Aim);
    EXPECT_EQ(camera.followMode(), FollowChase);
    EXPECT_FLOAT_EQ(camera.fieldOfView(), 60.0f);
    EXPECT_FLOAT_EQ(camera.damping(), 50.0f);

    canvas->takeCameraView(CameraView::Golfer);
    camera.update(Ball::fixedStep);
    const Vector3 behind = canvas->grpGolfer->transform.transformPoint({0, 0, -15});
    EXPECT_LT((camera.eye() - behind).length(), 1e-3f) << "no lag: the eye jumps into place";

    canvas->takeCameraView(CameraView::Watch);
    EXPECT_EQ(camera.followMode(), FollowTarget);
    const Vector3 eye = camera.eye();
    camera.update(Ball::fixedStep);
    EXPECT_EQ(camera.eye(), eye) << "the watching camera stays";
    EXPECT_EQ(camera.target(), ball().position);

    for (bool flag : {true, false}) {
        canvas->grpFlag->visible = flag;
        canvas->takeCameraView(CameraView::Cup);
        EXPECT_FLOAT_EQ(camera.damping(), 95.0f);
        for (int i = 0; i < 2000; ++i)
            camera.update(Ball::fixedStep);
        EXPECT_NEAR((camera.eye() - canvas->cupPosition).length(), flag ? 20.0f : 15.0f, 0.5f);
    }
}

TEST_F(BallTest, TheEyeStaysAboveTheGroundAndNearTheBall) {
    EXPECT_FLOAT_EQ(clampedEyeHeight(0.0f, 1.0f, 10.0f), 3.5f);
    EXPECT_FLOAT_EQ(clampedEyeHeight(20.0f, 1.0f, 10.0f), 15.0f);
    EXPECT_FLOAT_EQ(clampedEyeHeight(8.0f, 1.0f, 10.0f), 8.0f);
    EXPECT_FLOAT_EQ(clampedEyeHeight(2.0f, 1.0f, -5.0f), 3.5f) << "the ground wins";

    canvas->startFrames();
    frames(1);
    const Vector3 eye = canvas->camera->eye();
    EXPECT_GE(eye.y, groundUnder(eye) + 2.5f - 1e-4f);
    EXPECT_LE(eye.y, ball().position.y + 5.0f + 1e-4f);
}

TEST_F(BallTest, AHighBallIsWatchedFromAheadThenAimedAtAgain) {
    canvas->startFrames();
    ball().launch(90.0f, 0.6f);
    canvas->cameraHold = 0.0f;
    int frame = 0;
    for (; frame < 200 && canvas->camera->followMode() != FollowTarget; ++frame)
        frames(1);
    EXPECT_GT(ball().height, 25.0f) << "the watching view starts over 25 units up";
    for (; frame < 2000 && canvas->camera->followMode() != FollowChase; ++frame)
        frames(1);
    EXPECT_LT(ball().speed, 15.0f) << "back behind the ball once it is slow";
}

} // namespace
} // namespace velmora
