// The in/out-of-bounds map, the lie table, the woods texture repeat and the plants, on their own.
#include "game/ball.h"
#include "game/course_features.h"
#include "game/course_map.h"
#include "game/game_canvas.h"
#include "game/terrain.h"
#include "render/chip3d.h"
#include "render/mesh_prepare.h"
#include "render/scalar_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

// A square ring around the origin, the last point repeating the first.
std::vector<Vector3> square(float half) {
    return {{-half, 0, -half}, {half, 0, -half}, {half, 0, half}, {-half, 0, half}, {-half, 0, -half}};
}

TEST(CourseMap, RedBandIsOutBlackIsOutsideWhiteIsIn) {
    CourseMap map;
    ASSERT_TRUE(map.create(100.0f, 100.0f));
    EXPECT_EQ(map.bitmap().width, 50);
    EXPECT_EQ(map.bitmap().height, 50);
    map.draw(square(40.0f), square(30.0f));
    // k = 0.5 pixels a unit: x 35 is pixel 42, in the band; x 45 is pixel 47, beyond the trees.
    EXPECT_FALSE(map.isOutOfBounds({0, 0, 0}));
    EXPECT_FALSE(map.isOutsideCourse({0, 0, 0}));
    EXPECT_TRUE(map.isOutOfBounds({35, 0, 0})) << "grass in the band along the trees is out";
    EXPECT_FALSE(map.isOutsideCourse({35, 0, 0}));
    EXPECT_TRUE(map.isOutOfBounds({0, 0, -45}));
    EXPECT_TRUE(map.isOutsideCourse({0, 0, -45}));
    EXPECT_TRUE(map.isOutsideCourse({1000, 0, 0}));
}

TEST(CourseMap, TheRightAndBottomEdgesAreOffTheMap) {
    CourseMap map;
    ASSERT_TRUE(map.create(100.0f, 100.0f));
    map.draw(square(80.0f), square(70.0f)); // white everywhere on the map
    EXPECT_EQ(map.mapPixel({49.9f, 0, 0}).x, 49);
    EXPECT_FALSE(map.isOutOfBounds({49.9f, 0, 0}));
    EXPECT_EQ(map.mapPixel({50.0f, 0, 0}).x, 50);
    EXPECT_TRUE(map.isOutOfBounds({50.0f, 0, 0}));
    EXPECT_EQ(map.mapPixel({0, 0, -49.9f}).y, 49);
    EXPECT_FALSE(map.isOutOfBounds({0, 0, -49.9f}));
    EXPECT_EQ(map.mapPixel({0, 0, -50.0f}).y, 50);
    EXPECT_TRUE(map.isOutOfBounds({0, 0, -50.0f}));
    // Mapping truncates toward zero: on the left and top a point is off the map one pixel later.
    EXPECT_EQ(map.mapPixel({-51.9f, 0, 0}).x, 0);
    EXPECT_TRUE(map.isOutOfBounds({-52.0f, 0, 0}));
}

TEST(CourseMap, WhiteWidenedFromSixteenBitsStaysInBounds) {
    CourseMap map;
    ASSERT_TRUE(map.create(100.0f, 100.0f));
    map.draw(square(80.0f), square(70.0f));
    if (map.bitmap().bitsPerPixel != 16)
        GTEST_SKIP() << "a 32-bit display";
    EXPECT_EQ(map.bitmap().getPixel(25, 25), 0xF8FCF8u) << "(248 + 252 + 248) / 3 = 249";
    EXPECT_FALSE(map.isOutOfBounds({0, 0, 0}));
}

TEST(CourseMap, HeightFollowsTheCourseAndNeverDividesByZero) {
    CourseMap map;
    ASSERT_TRUE(map.create(100.0f, 50.0f));
    EXPECT_EQ(map.bitmap().height, 25);
    ASSERT_TRUE(map.create(0.0f, 10.0f));
    EXPECT_EQ(map.bitmap().height, 1);
    EXPECT_TRUE(map.isOutOfBounds({0, 0, 0})) << "black: nothing drawn";
    ASSERT_TRUE(map.create(1.0f, 1e9f));
    EXPECT_EQ(map.bitmap().height, CourseMap::maxMapHeight);
}

TEST(WoodsTexture, DivisorNeverDividesByZero) {
    EXPECT_EQ(woodsTextureDivisor(350.0f), 6);
    EXPECT_EQ(woodsTextureDivisor(424.9f), 4) << "the radius is truncated";
    EXPECT_EQ(woodsTextureDivisor(0.5f), 2100) << "a radius truncated to 0 counts as 1";
    EXPECT_EQ(woodsTextureDivisor(2100.0f), 1);
    EXPECT_EQ(woodsTextureDivisor(5000.0f), 1) << "beyond 2100 the divisor would be 0";
    EXPECT_EQ(woodsTextureDivisor(-3.0f), 2100);
}

// A ball on a page that is never shown: enough to read its lie.
class Lie : public testing::Test {
protected:
    Lie() : ball(canvas, group, scene, nullptr) { ball.radius = 0.25f; }
    void classify(const Mesh3D* surface) { classifyLie(ball, surface, surfaces, cup); }
    std::array<bool, 8> flags() const {
        return {ball.isInRough,  ball.isInFairway, ball.isInGreen,     ball.isInTGround,
                ball.isInbunker, ball.isInWater,   ball.isOnWaterBank, ball.isInTheCup};
    }

    GameCanvas canvas{L"/nowhere/"};
    Object3D group;
    Scene3D scene;
    Ball ball;
    Mesh3D outer, rough, tground, fairway, green, bunker, water, waterbank;
    CourseSurfaces surfaces{&outer, &rough, &tground, &fairway, &green, &bunker, &water, &waterbank, nullptr};
    Vector3 cup{0, 0, 0};
};

TEST_F(Lie, EachSurfaceSetsItsFlag) {
    const std::pair<const Mesh3D*, std::array<bool, 8>> table[] = {
        {&rough, {1, 0, 0, 0, 0, 0, 0, 0}},   {nullptr, {1, 0, 0, 0, 0, 0, 0, 0}},
        {&fairway, {0, 1, 0, 0, 0, 0, 0, 0}}, {&green, {0, 0, 1, 0, 0, 0, 0, 0}},
        {&tground, {0, 0, 0, 1, 0, 0, 0, 0}}, {&bunker, {0, 0, 0, 0, 1, 0, 0, 0}},
        {&water, {0, 0, 0, 0, 0, 1, 0, 0}},   {&waterbank, {0, 0, 0, 0, 0, 0, 1, 0}},
        {&outer, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [surface, expected] : table) {
        classify(surface);
        EXPECT_EQ(flags(), expected) << (surface ? "a surface" : "no surface");
    }
    ball.isInTheAir = true;
    classify(&water);
    EXPECT_FALSE(ball.isInWater) << "a ball flying over water is not in it";
}

TEST_F(Lie, CaptureCircleWidensWithSpeed) {
    // Over the cup within k radii, k = clamp(speed / 2, 1.5, 3.5), the height replaced by a radius.
    ball.isStill = false;
    const auto caught = [&](float offset, float speed) {
        ball.position = {offset, 0, 0};
        ball.speed = speed;
        ball.isInTheCup = false;
        classify(&green);
        return ball.isInTheCup;
    };
    EXPECT_TRUE(caught(0.27f, 1.0f));
    EXPECT_FALSE(caught(0.29f, 1.0f)) << "sqrt(1.5^2 - 1) = 1.118 radii";
    EXPECT_FALSE(caught(0.40f, 2.0f));
    EXPECT_TRUE(caught(0.40f, 5.0f));
    EXPECT_FALSE(caught(0.80f, 5.0f));
    EXPECT_TRUE(caught(0.80f, 10.0f));
    EXPECT_FALSE(caught(0.85f, 100.0f)) << "never wider than 3.5 radii";

    ball.position = {};
    ball.isStill = true;
    classify(&green);
    EXPECT_FALSE(ball.isInTheCup) << "a resting ball is not tested";
}

// Flat ground of rough 1000 units square at height 0.
class Planting : public testing::Test {
protected:
    void SetUp() override {
        auto mesh = std::make_unique<Mesh3D>();
        mesh->name = L"rough";
        for (const auto& [x, z] :
             {std::pair{-500.0f, -500.0f}, {500.0f, -500.0f}, {500.0f, 500.0f}, {-500.0f, 500.0f}}) {
            Vertex3D vertex;
            vertex.x = toFixed11(x);
            vertex.z = toFixed11(z);
            mesh->vertices.push_back(vertex);
        }
        // Wound as the model reader leaves ground faces: the grid takes them as floors.
        mesh->addFace(0, 1, 2);
        mesh->addFace(0, 2, 3);
        ground.addMesh(std::move(mesh));
        prepare(ground, true);
        terrain.build(ground, findSurfaces(ground));
        tree = Texture::blank(32, 64, 0x206020, PowerOfTwo::No);
        bush = Texture::blank(64, 32, 0x40A040, PowerOfTwo::No);
        seedRandom(4321);
    }
    std::vector<Object3D*> plants() const {
        std::vector<Object3D*> found;
        for (int i = 0; i < scene.children.count(); ++i) {
            if (scene.children.at(i)->name == plantName)
                found.push_back(static_cast<Object3D*>(scene.children.at(i)));
        }
        return found;
    }

    Model3D ground;
    Terrain terrain;
    Scene3D scene;
    std::unique_ptr<Texture> tree, bush;
};

TEST_F(Planting, AboutOnePlaceInFiveStaysEmptyAndEachPlantStandsOnTheGround) {
    std::vector<Vector3> line;
    for (int i = 0; i <= 1000; ++i)
        line.push_back({static_cast<float>(i) * 0.9f - 450.0f, 0.0f, 100.0f});
    ASSERT_TRUE(terrain.ground({0, 10, 0}).surface);
    placePlants(scene, line, {tree.get(), bush.get()}, terrain);
    const std::vector<Object3D*> placed = plants();
    EXPECT_GT(placed.size(), 750u);
    EXPECT_LT(placed.size(), 860u) << "81 of the 101 draws plant";
    int trees = 0;
    for (Object3D* plant : placed) {
        const auto* chip = dynamic_cast<Chip3D*>(plant);
        ASSERT_NE(chip, nullptr);
        EXPECT_EQ(chip->billboard, BillboardScreen);
        const float height = chip->worldHeight;
        const bool isTree = height > 5.0f;
        trees += isTree;
        // Trees 2 x 6 ... 7 units, bushes 32 / 64 x 2 x 3 ... 4 units high.
        EXPECT_TRUE(isTree ? height >= 12.0f && height <= 14.0f : height >= 3.0f && height <= 4.0f) << height;
        const Vector3 at = chip->transform.getTranslation();
        EXPECT_NEAR(at.y, 0.48f * height, 1e-4f) << "lifted by 0.48 of its height";
        EXPECT_NEAR(at.z, 100.0f, 2.0f);
    }
    EXPECT_GT(trees, 300);
    EXPECT_LT(trees, static_cast<int>(placed.size()) - 300) << "either picture, by the draw";
}

TEST_F(Planting, PlantsOfTheTemplateAreMovedInsteadOfPlanting) {
    for (int i = 0; i < 3; ++i) {
        ChipParameters parameters;
        parameters.texture = tree.get();
        scene.add(plantName, std::make_unique<Chip3D>(parameters));
    }
    const std::vector<Vector3> line = {{10, 0, 10}, {20, 0, 10}, {30, 0, 10}, {40, 0, 10}, {10, 0, 10}};
    placePlants(scene, line, {tree.get()}, terrain);
    const std::vector<Object3D*> placed = plants();
    ASSERT_EQ(placed.size(), 3u);
    for (size_t i = 0; i < placed.size(); ++i)
        EXPECT_NEAR(placed[i]->transform.getTranslation().x, line[i].x, 3.0f);
}

TEST(PlantingWithout, PicturesNoPlants) {
    Scene3D scene;
    Terrain terrain;
    placePlants(scene, {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}, {}, terrain);
    EXPECT_EQ(scene.children.count(), 0);
}

} // namespace
} // namespace velmora
