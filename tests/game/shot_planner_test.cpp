// The shot planner on the courses the build ships: a shot played out by the planner ends where the
// game's own ball ends, and planned shots play every hole near par without a runaway score.
#include "game/launch_table.h"
#include "game/shot_planner.h"
#include "render/scalar_math.h"
#include "tests/game/shipped_course.h"
#include "tests/support/sanitizers.h"
#include "tests/support/temp_folder.h"

#include "course_generator.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace velmora {
namespace {

// The planner's shot and the game's ball, struck alike from the tee and from the fairway, with
// the wind, end at the same spot.
TEST(ShotPlanner, PlaysShotsOutExactlyAsTheGamesBall) {
    test::ShippedHole shipped;
    GameCanvas* canvas = shipped.load(test::shippedCourses[0], 1);
    ASSERT_TRUE(canvas);
    canvas->windSpeed = 4;
    canvas->windDirection = 1.0f;
    const ShotWorld world = shotWorldOf(*canvas);
    Ball& ball = *canvas->ball;
    for (const ShotChoice choice :
         {ShotChoice{0.1f, ClubWood, SwingFull, 85}, ShotChoice{-0.2f, ClubIron, SwingPunch, 60},
          ShotChoice{0.0f, ClubWedge, SwingFlop, 90}}) {
        const Vector3 from = ball.position;
        const ShotOutcome planned = simulateShot(world, from, choice, 0);
        ASSERT_EQ(planned.end, ShotEnd::Rest);

        ball.placeAt(from);
        if (choice.aimTurn != 0.0f)
            ball.turnAim(choice.aimTurn > 0.0f, std::fabs(choice.aimTurn));
        const Launch launch = launchOf(
            choice.club, choice.swing,
            powerAfterLie(choice.power, choice.club, choice.swing, ball.isInbunker, ball.isInRough), 0);
        canvas->surfaceFactor = launch.surfaceFactor;
        ball.launch(launch.speed, launch.angle);
        int steps = 0;
        do {
            ball.step(Ball::fixedStep);
            ++steps;
        } while (!ball.isStill && steps < 3000);
        EXPECT_EQ(steps, planned.steps);
        EXPECT_NEAR((ball.position - planned.position).length(), 0.0f, 1e-4f)
            << "club " << choice.club << " swing " << choice.swing;
        EXPECT_GT((ball.position - from).length(), 10.0f);
    }
}

struct HoleScore {
    int strokes = 0;
    int penalties = 0;
    int simulations = 0;
};

// A hole played by planned shots alone, each struck with a random step as in the game, with only
// the powers the gauge stops at when it charges 3 a frame at 25 frames a second.
HoleScore playHole(const ShotWorld& world, Vector3 ball) {
    HoleScore score;
    while (score.strokes < 20) {
        const ShotPlan plan = planShot(world, ball);
        EXPECT_EQ(plan.choice.power % world.powerStep, 0);
        score.simulations += plan.simulations;
        const ShotOutcome outcome = simulateShot(world, ball, plan.choice, randomInt(-5, 5));
        ++score.strokes;
        if (outcome.end == ShotEnd::Holed)
            break;
        if (outcome.end == ShotEnd::Water || outcome.end == ShotEnd::OutOfBounds) {
            ++score.strokes;
            ++score.penalties;
        }
        ball = outcome.position;
    }
    return score;
}

// Plays every hole of a course with planned shots; a course over par + 1 a hole on average, or a
// hole three over, fails.
void playCourse(const std::filesystem::path& resources, const std::wstring& course) {
    int strokes = 0;
    int par = 0;
    int penalties = 0;
    int worst = -99;
    int simulations = 0;
    const auto started = std::chrono::steady_clock::now();
    for (int hole = 1; hole <= holeCount; ++hole) {
        test::ShippedHole shipped(resources);
        GameCanvas* canvas = shipped.load(course, hole);
        ASSERT_TRUE(canvas) << toUtf8(course) << " hole " << hole;
        const HoleScore score = playHole(shotWorldOf(*canvas), canvas->ball->position);
        const int holePar = canvas->pars[static_cast<size_t>(hole - 1)];
        strokes += score.strokes;
        par += holePar;
        penalties += score.penalties;
        simulations += score.simulations;
        worst = std::max(worst, score.strokes - holePar);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%ls: %d strokes for par %d, %d penalties, worst hole %+d, %d shots simulated, %.1f s\n",
                course.c_str(), strokes, par, penalties, worst, simulations, seconds);
    EXPECT_LE(strokes, par + holeCount) << toUtf8(course) << ": at most par + 1 a hole on average";
    EXPECT_LE(worst, 3) << toUtf8(course);
}

TEST(ShotPlanner, PlansPlayEveryShippedHoleNearPar) {
    seedRandom(2026);
    for (const wchar_t* course : test::shippedCourses) {
        playCourse(std::filesystem::path(VELMORA_BINARY_DIR) / "resources", course);
        if (test::underSanitizers)
            break; // one course is enough there, and a long wait
    }
}

// Courses made from seeds the shipped ones do not use, one of each style, beside the shipped data.
TEST(ShotPlanner, PlansPlayCoursesMadeFromOtherSeedsNearPar) {
    namespace fs = std::filesystem;
    seedRandom(7);
    const fs::path built = fs::path(VELMORA_BINARY_DIR) / "resources";
    test::TempFolder install;
    const fs::path resources = install.os("resources");
    fs::create_directories(resources / "scenes");
    for (const char* folder : {"GUI", "sounds", "characters"})
        fs::create_directory_symlink(built / folder, resources / folder);
    fs::create_symlink(built / "scenes" / "scenes.zip", resources / "scenes" / "scenes.zip");
    const std::pair<content::CourseStyle, uint64_t> courses[] = {{content::CourseStyle::Parkland, 90210},
                                                                 {content::CourseStyle::Lakes, 4242},
                                                                 {content::CourseStyle::Links, 77}};
    for (const auto& [style, seed] : courses) {
        const std::string name = content::courseNameFor(seed, style);
        std::vector<content::HoleSummary> holes;
        ASSERT_TRUE(content::writeCourse({name, style, seed}, (resources / "scenes" / name).string(), holes));
        playCourse(resources, fromUtf8(name));
        if (test::underSanitizers)
            break;
    }
}

} // namespace
} // namespace velmora
