#include "render/colour.h"
#include "render/matrix4.h"
#include "render/quaternion.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

constexpr float tableStep = 2.0f * kPi / trigTableSize;

void expectNear(const Vector3& actual, const Vector3& expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(Trig, TablesAndAngles) {
    EXPECT_NEAR(sinT(0.0f), 0.0f, tableStep);
    EXPECT_NEAR(cosT(kPi / 2), 0.0f, tableStep);
    EXPECT_EQ(tableIndex(-kPi), tableIndex(kPi));
    EXPECT_EQ(tableIndex(kPi), 2047); // the stored constants truncate just below the half turn
    EXPECT_NEAR(sinT(kPi / 6), 0.5f, tableStep);
    EXPECT_NEAR(degToRad(180.0f), kPi, 1e-6f);
    EXPECT_NEAR(radToDeg(kPi / 2), 90.0f, 1e-4f);
}

TEST(Scalar, PowerOfTwoExponents) {
    EXPECT_EQ(nearestLog2(48), 5); // 32 and 64 are equally far: the smaller wins
    EXPECT_EQ(nearestLog2(100), 7);
    EXPECT_EQ(nearestLog2(1), 0);
    EXPECT_EQ(nearestLog2(256), 8);
    EXPECT_EQ(nearestLog2(300), 8);
    EXPECT_EQ(ceilLog2(100), 7);
    EXPECT_EQ(ceilLog2(1), 0);
    EXPECT_EQ(ceilLog2(0), 0);
    EXPECT_EQ(ceilLog2(256), 8);
    EXPECT_EQ(ceilLog2(257), 9);
}

TEST(Scalar, SquareRoots) {
    for (uint32_t n : {0u, 1u, 2u, 3u, 4u, 99u, 100u, 65535u, 65536u, 0xFFFFFFFFu})
        EXPECT_EQ(integerSqrt(n), static_cast<uint32_t>(std::sqrt(static_cast<double>(n)))) << n;
    for (float v : {1e-6f, 0.25f, 2.0f, 12345.0f, 4.2e9f})
        EXPECT_NEAR(fixedSqrt(v), std::sqrt(v), std::sqrt(v) * 1e-4f) << v;
    EXPECT_EQ(fixedSqrt(0.0f), 0.0f);
    EXPECT_EQ(fixedSqrt(-4.0f), 0.0f);
}

// Replays and tests rely on these exact sequences.
TEST(Scalar, RandomSequencesArePinnedAndIndependent) {
    RandomSequence fresh;
    EXPECT_EQ(nextRandom(fresh), 41);
    EXPECT_EQ(nextRandom(fresh), 18467);
    EXPECT_EQ(nextRandom(fresh), 6334);

    seedRandom(42);
    RandomSequence other{42};
    EXPECT_EQ(nextRandom(other), 175);
    EXPECT_EQ(randomRaw(), 175);
    EXPECT_EQ(randomRaw(), 400);
    EXPECT_EQ(nextRandom(other), 400);
    EXPECT_EQ(randomInt(0, 100), 55); // 17869 / 32767 x 100 = 54.53
    EXPECT_EQ(randomInt(0, 100), 92); // 30056 / 32767 x 100 = 91.73

    RandomSequence wide{12345};
    for (int i = 0; i < 1000; ++i) {
        const int value = nextRandom(wide);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, randomMax);
    }
}

TEST(Scalar, RandomNumbersStayInRangeAndRepeatWithTheSeed) {
    seedRandom(42);
    int first[8];
    for (int& value : first) {
        value = randomInt(-3, 3);
        EXPECT_GE(value, -3);
        EXPECT_LE(value, 3);
    }
    seedRandom(42);
    for (int value : first)
        EXPECT_EQ(randomInt(-3, 3), value);
    for (int i = 0; i < 100; ++i) {
        const float f = randomFloat(2.0f, 4.0f);
        EXPECT_GE(f, 2.0f);
        EXPECT_LE(f, 4.0f);
    }
}

TEST(Vector, NormaliseParseAndMove) {
    Vector3 zero;
    zero.normalise();
    EXPECT_EQ(zero, (Vector3{0, 0, 0}));
    expectNear(Vector3{3, 0, 4}.normalised(), {0.6f, 0, 0.8f});
    expectNear(cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
    // (b - a) x (c - b)
    expectNear(triangleNormal({0, 0, 0}, {1, 0, 0}, {1, 0, 1}), {0, -1, 0});
    EXPECT_NEAR(angleBetween({1, 0, 0}, {0, 2, 0}), kPi / 2, 1e-6f);
    EXPECT_NEAR(angleBetween({1, 0, 0}, {-1, 0, 0}), kPi, 1e-6f);
    expectNear(parseVector3(L" ( 1.5; -2 ;\t3 ) "), {1.5f, -2, 3});
    expectNear(parseVector3(L"(1;2)"), {1, 2, 0});

    Vector3 a{0, 0, 0};
    moveToward(a, {10, 0, 0}, 4);
    expectNear(a, {4, 0, 0});
    Vector3 close{1, 1, 1};
    moveToward(close, {1, 1, 1}, 4);
    EXPECT_EQ(close, (Vector3{1, 1, 1}));
    lerp(a, {8, 4, 0}, 0.5f);
    expectNear(a, {6, 2, 0});
}

TEST(Quaternion, RotationBetween) {
    EXPECT_EQ(rotationBetween({1, 2, 3}, {1, 2, 3}), Quaternion{});
    const Quaternion half = rotationBetween({1, 0, 0}, {-1, 0, 0});
    EXPECT_NEAR(half.y, 1.0f, 1e-3f); // a half turn about (0, 1, 0)
    EXPECT_NEAR(half.w, 0.0f, 2e-3f);
    const Vector3 axis{0, 0, 1};
    const Quaternion aboutZ = rotationBetween({1, 0, 0}, {-1, 0, 0}, &axis);
    EXPECT_NEAR(aboutZ.z, 1.0f, 1e-3f);

    const Quaternion quarter = rotationBetween({1, 0, 0}, {0, 1, 0});
    const Matrix4 m = Matrix4::fromQuaternion(quarter, {5, 6, 7}, 2.0f);
    expectNear(m.transformPoint({1, 0, 0}), {5, 8, 7}, 2e-2f);
    expectNear(m.transformDirection({1, 0, 0}), {0, 2, 0}, 2e-2f);
}

TEST(Quaternion, ProductsAreAliasingSafeAndMatricesRoundTrip) {
    Quaternion a = Quaternion::fromAxisAngle({0, 1, 0}, 0.5f);
    const Quaternion b = Quaternion::fromAxisAngle({1, 0, 0}, 0.3f);
    Quaternion expected;
    multiply(expected, a, b);
    multiply(a, a, b);
    EXPECT_EQ(a, expected);

    for (const Quaternion& q : {Quaternion::fromAxisAngle({1, 2, 3}, 2.0f), Quaternion::fromAxisAngle({0, 0, 1}, kPi),
                                Quaternion::fromAxisAngle({1, 0, 0}, kPi), Quaternion::fromAxisAngle({0, 1, 0}, kPi)}) {
        Quaternion back = Quaternion::fromMatrix(Matrix4::fromQuaternion(q, {}, 1.0f));
        if (dot(back, q) < 0)
            back.negate();
        EXPECT_NEAR(back.x, q.x, 1e-3f);
        EXPECT_NEAR(back.y, q.y, 1e-3f);
        EXPECT_NEAR(back.z, q.z, 1e-3f);
        EXPECT_NEAR(back.w, q.w, 1e-3f);
    }
    Quaternion zero{0, 0, 0, 0};
    zero.normalise();
    EXPECT_EQ(zero, (Quaternion{0, 0, 0, 0}));
    EXPECT_EQ(Quaternion::fromAxisAngle({0, 0, 0}, 1.0f), Quaternion{});
}

TEST(Quaternion, SlerpTakesTheShortArc) {
    const Quaternion from{};
    Quaternion to = Quaternion::fromAxisAngle({0, 1, 0}, 1.0f);
    to.negate(); // the same rotation from the other hemisphere
    const Quaternion middle = slerp(from, to, 0.5f);
    EXPECT_GT(to.w, 0.0f); // negated back in place
    const Quaternion expected = Quaternion::fromAxisAngle({0, 1, 0}, 0.5f);
    EXPECT_NEAR(middle.y, expected.y, 2e-3f);
    EXPECT_NEAR(middle.w, expected.w, 2e-3f);
}

TEST(Matrix, InverseAndRotations) {
    Matrix4 m = Matrix4::rotateAbout({1, 2, 3}, {0, 1, 0}, kPi / 2);
    expectNear(m.transformPoint({1, 2, 3}), {1, 2, 3});
    expectNear(m.transformPoint({2, 2, 3}), {1, 2, 2}, 2e-3f);
    Matrix4 inverse = m;
    ASSERT_TRUE(inverse.invert());
    expectNear(inverse.transformPoint(m.transformPoint({4, 5, 6})), {4, 5, 6}, 1e-3f);
    Matrix4 product = m;
    multiplyInPlace(product, inverse);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(product.m[i], Matrix4{}.m[i], 1e-4f);
    Matrix4 singular;
    singular.setScale(0, 1, 1);
    EXPECT_FALSE(singular.invert());
    expectNear(Matrix4::rotationZ(kPi / 2).transformDirection({1, 0, 0}), {0, 1, 0}, 2e-3f);
    expectNear(Matrix4::rotationX(kPi / 2).transformDirection({0, 1, 0}), {0, 0, 1}, 2e-3f);
    expectNear(Matrix4::rotationY(kPi / 2).transformDirection({0, 0, 1}), {1, 0, 0}, 2e-3f);
    const Matrix4 rodrigues = Matrix4::fromAxisAngle({0, 0, 2}, kPi / 2);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(rodrigues.m[i], Matrix4::rotationZ(kPi / 2).m[i], 1e-5f);
}

TEST(Colour, PackedArithmetic) {
    using namespace colour;
    EXPECT_EQ(addSaturated(0xF08010, 0x20A010), 0xFFFF20u);
    EXPECT_EQ(subtractSaturated(0x801020, 0x10FF10), 0x6E000Fu); // approximate by design: a + ~b
    EXPECT_EQ(scale(0xFF8040, 128), 0x7F4020u);
    EXPECT_EQ(halfSum(0xFF0000, 0x00FF00), 0x7F7F00u);
    EXPECT_EQ(blend(0xFFFFFF, 0x000000, 128), 0x7F7F7Fu);
    EXPECT_EQ(blend(0x000000, 0xFFFFFF, 64), 0xBFBFBFu);
    EXPECT_EQ(modulate(0xFF8000, 0x80FF40), 0x7F7F00u);
    EXPECT_EQ(grey(make(10, 20, 30)), 0x121212u);
    EXPECT_EQ(invert(0x123456), 0xEDCBA9u);
    EXPECT_TRUE(isGrey(0x555555));
    EXPECT_FALSE(isGrey(0x555556));
    EXPECT_EQ(average(0x030609), 6u);
}

} // namespace
} // namespace velmora
