// The planned holes and their ground: lengths by par, tee and cup on the mesh lattice, the ring
// clockwise and clear of the box's edge, planar greens symmetric about the cup, flat tees, level
// water in a bank that rises from it, and the woods ring spaced for its picture.
#include "hole_model.h"
#include "hole_plan.h"
#include "hole_surfaces.h"
#include "ring_outline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::content {
namespace {

HolePlan planned(CourseStyle style, int par, bool water, uint64_t seed) {
    Random random(seed);
    return planHole(rulesOf(style), 1, par, water, random);
}

bool onLattice(Vec2 p) {
    return std::fmod(p.x, gridSpacing) == 0 && std::fmod(p.y, gridSpacing) == 0;
}

TEST(HolePlan, LengthsFollowTheParAndTheHoleFitsItsBox) {
    const struct {
        int par;
        double low, high; // units, straight from tee to cup
    } pars[] = {{3, 190, 340}, {4, 440, 665}, {5, 705, 795}};
    for (CourseStyle style : {CourseStyle::Parkland, CourseStyle::Lakes, CourseStyle::Links}) {
        for (const auto& par : pars) {
            for (uint64_t seed : {3u, 41u}) {
                const HolePlan plan = planned(style, par.par, false, seed);
                SCOPED_TRACE(std::string(styleName(style)) + " par " + std::to_string(par.par));
                EXPECT_GE(plan.length(), par.low);
                EXPECT_LE(plan.length(), par.high);
                EXPECT_TRUE(onLattice(plan.teePoint()) && onLattice(plan.cupPoint()));
                EXPECT_LT(signedArea(plan.ring), 0) << "clockwise seen from above";
                EXPECT_LE(plan.halfWidth, boxHalfDepth);
                for (Vec2 p : plan.ring) {
                    EXPECT_LE(std::fabs(p.x), plan.halfWidth - 24);
                    EXPECT_LE(std::fabs(p.y), boxHalfDepth - 24);
                }
                EXPECT_GE(ringDepth(plan, plan.teePoint()), surfaceInset);
                EXPECT_GE(ringDepth(plan, plan.cupPoint()), surfaceInset);
            }
        }
    }
}

TEST(HoleGround, GreensArePlanarAndSymmetricAboutTheCupAndTeesAreFlat) {
    const HolePlan plan = planned(CourseStyle::Links, 4, false, 7);
    const HoleGround ground(plan, rulesOf(CourseStyle::Links));
    const Vec2 cup = plan.cupPoint();
    const double cupHeight = ground.height(cup);
    for (double dx = -12; dx <= 12; dx += 3) {
        for (double dy = -12; dy <= 12; dy += 3) {
            const Vec2 d{dx, dy};
            if (ground.field(Surface::Green, cup + d) > 0 || ground.field(Surface::Green, cup - d) > 0)
                continue;
            EXPECT_NEAR(ground.height(cup + d), cupHeight + dot(plan.greenTilt, d), 1e-9);
            EXPECT_NEAR(ground.height(cup + d) + ground.height(cup - d), 2 * cupHeight, 1e-9);
        }
    }
    EXPECT_GT(length(plan.greenTilt), 0) << "a green with borrow";
    const Rectangle& tee = plan.tee;
    for (double a : {-1.0, 0.0, 1.0})
        for (double b : {-1.0, 1.0})
            EXPECT_EQ(
                ground.height(tee.centre + fromLocal({a * tee.halfLength, b * tee.halfWidth}, tee.axis)),
                ground.height(tee.centre));
}

TEST(HoleGround, WaterLiesLevelInABankThatRisesFromIt) {
    const HolePlan plan = planned(CourseStyle::Lakes, 4, true, 12);
    ASSERT_EQ(plan.ponds.size(), 1u);
    const HoleGround ground(plan, rulesOf(CourseStyle::Lakes));
    const Ellipse& pond = plan.ponds.front().parts.front();
    const double level = ground.height(pond.centre);
    for (double t : {0.0, 0.5, 0.95})
        for (Vec2 axis : {pond.axis, perpendicular(pond.axis)})
            EXPECT_DOUBLE_EQ(
                ground.height(pond.centre + axis * (t * (axis == pond.axis ? pond.rx : pond.ry))), level);
    // Out across the bank the ground climbs from the water's level.
    const Vec2 out = perpendicular(pond.axis);
    for (double d = pond.ry; d <= pond.ry + bankWidth + 10; d += 2.5)
        EXPECT_GE(ground.height(pond.centre + out * d), level);
    EXPECT_GT(ground.height(pond.centre + out * (pond.ry + bankWidth + 12)), level + 0.5);
}

TEST(HoleModel, TheWoodsRingClosesOnWholeRepeatsOfItsPicture) {
    const HolePlan plan = planned(CourseStyle::Parkland, 4, false, 5);
    const HoleGround ground(plan, rulesOf(CourseStyle::Parkland));
    SurfaceMaps maps;
    maps.fill("t.jpg");
    const Model3ds model = buildHoleModel(plan, ground, maps);
    const Object3ds& woods = model.objects.back();
    ASSERT_EQ(woods.name, "woods");
    const size_t n = woods.vertices.size() / 2;
    const int divisor = woodsRepeatDivisor(woods.vertices);
    EXPECT_EQ((n - 1) % size_t(divisor), 0u) << "the picture joins seamlessly where the ring closes";
    EXPECT_EQ(woods.vertices.front(), woods.vertices[n - 1]);
    double spacing = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        const Point3ds a = woods.vertices[i], b = woods.vertices[i + 1];
        spacing += std::hypot(b.x - a.x, b.y - a.y) / double(n - 1);
        EXPECT_FLOAT_EQ(woods.vertices[i + n].z, a.z + 10);
    }
    // One picture width, 1024 pixels, covers 160 units: the trees keep their proportions.
    EXPECT_NEAR(spacing * divisor, woodsPictureSpan, woodsPictureSpan * 0.1);
    EXPECT_GE(spacing, 18) << "far enough apart for the play line to run inside";
}

TEST(RingOutline, TracesAClosedLoopAndSpacesItsPointsEvenly) {
    const auto circle = [](Vec2 p) { return length(p - Vec2{10, -6}) - 50; };
    const std::vector<Vec2> loop = traceOutline(circle, {-80, -80}, {80, 80}, 4);
    ASSERT_GT(loop.size(), 40u);
    EXPECT_NEAR(std::fabs(signedArea(loop)) / 2, M_PI * 50 * 50, M_PI * 50 * 50 * 0.01);
    for (Vec2 p : loop)
        EXPECT_NEAR(circle(p), 0, 0.3);
    const std::vector<Vec2> even = resampleLoop(loop, 60);
    ASSERT_EQ(even.size(), 60u);
    for (size_t i = 0; i < even.size(); ++i)
        EXPECT_NEAR(length(even[(i + 1) % even.size()] - even[i]), loopLength(loop) / 60, 0.2);
    EXPECT_TRUE(traceOutline(circle, {-20, -20}, {20, 20}, 4).empty()) << "no loop inside a smaller window";
}

} // namespace
} // namespace velmora::content
