// Loading a hole of the hand-made course into the game page, what the loading builds, and the
// page's own drawing around the scenes.
#include "gui/message_box.h"
#include "gui/property_template.h"
#include "surface/blitters.h"
#include "tests/game/game_fixture.h"

#include <cmath>

namespace velmora {
namespace {

using test::GameTest;

float horizontalRadius(const Vector3& p) {
    return std::sqrt(p.x * p.x + p.z * p.z);
}

TEST_F(GameTest, LoadsTheHoleAndBuildsItsGroundFeatures) {
    const int boxes = messageBoxCount();
    open(2);
    ASSERT_TRUE(loaded) << toUtf8(lastMessageBox().text);
    EXPECT_EQ(messageBoxCount(), boxes) << "a complete model raises no error";
    EXPECT_FALSE(isMessageOpen(*canvas)) << "the loading message is closed";
    EXPECT_TRUE(canvas->sceneGUI->visible);
    EXPECT_TRUE(canvas->sceneStatusBar->visible);
    EXPECT_FALSE(canvas->sceneSysMenu->visible);
    EXPECT_EQ(canvas->pars[0], 4);
    EXPECT_EQ(canvas->pars[8], 4);
    EXPECT_EQ(canvas->courseDisplayName, L"Meadow");
    EXPECT_NEAR(canvas->courseWidth, 800.0f, 0.01f) << "outer land included, woods left out";
    EXPECT_EQ(canvas->gaugeMaxWidth, 121);
    EXPECT_EQ(canvas->gaugePower->width, 0);
    for (const Player& player : canvas->players) {
        EXPECT_TRUE(player.isOnTee);
        EXPECT_EQ(player.location, canvas->ball->position);
        EXPECT_NEAR(player.distanceToHole, 400.0f, 0.01f);
    }
    EXPECT_TRUE(dynamic_cast<Sprite*>(canvas->findNode(L"btnNextCard"))->visible) << "two players: two cards";

    // The cup is the green's middle vertex, the tee the middle of the teeing ground.
    EXPECT_NEAR(canvas->cupPosition.x, 0.0f, 1e-3f);
    EXPECT_NEAR(canvas->cupPosition.y, 0.1f, 1e-3f);
    EXPECT_NEAR(canvas->cupPosition.z, -200.0f, 1e-3f);
    EXPECT_NEAR(canvas->teePosition.z, 200.0f, 1e-3f);
    EXPECT_EQ(canvas->grpCup->transform.getTranslation(), canvas->cupPosition);
    const Vector3 flag = canvas->grpFlag->transform.getTranslation();
    EXPECT_NEAR(flag.x, 0.0f, 1e-3f);
    EXPECT_NEAR(flag.y, canvas->cupPosition.y + canvas->grpFlag->radius, 1e-3f);
    const Mesh3D* pole = canvas->grpFlag->findMesh(L"flagpole");
    EXPECT_NEAR(pole->vertices[0].position().x + pole->vertices[7].position().x, 0.0f, 1e-2f)
        << "the pole on the cup";
    EXPECT_FALSE(canvas->terrain().surfaces.outer->visible) << "the outer land only shows on the minimap";

    // The woods stand on the ground, their texture repeating along the ring.
    const Mesh3D& woods = *canvas->terrain().surfaces.woods;
    const int n = static_cast<int>(woods.vertices.size() / 2);
    ASSERT_EQ(n, 33);
    const int divisor = woodsTextureDivisor(woods.radius);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(woods.vertices[i].y, toFixed11(-0.1f));
        EXPECT_EQ(woods.vertices[i + n].y - woods.vertices[i].y, 10 * 2048);
        EXPECT_EQ(woods.vertices[i].u, i * 65536 / divisor);
        EXPECT_EQ(woods.vertices[i + n].v, 0);
        EXPECT_EQ(woods.vertices[i].v, 65535);
    }
    EXPECT_EQ(woods.material->transparency, 128);
    EXPECT_EQ(woods.material->alphaMode, AlphaMode::ColourKey);

    // The play line runs 16 units inside the tree line; the band between is out of bounds.
    const CourseBoundary& boundary = canvas->boundary;
    ASSERT_EQ(boundary.treeLine.size(), 33u);
    EXPECT_EQ(boundary.treeLine.front(), boundary.treeLine.back());
    EXPECT_EQ(boundary.playLine.front(), boundary.playLine.back());
    for (size_t i = 1; i < boundary.playLine.size(); ++i) {
        EXPECT_NEAR(horizontalRadius(boundary.treeLine[i]), 300.0f, 0.01f);
        EXPECT_GT(horizontalRadius(boundary.playLine[i]), 300.0f - 17.0f);
        EXPECT_LT(horizontalRadius(boundary.playLine[i]), 300.0f - 10.0f) << "inside the ring";
    }
    const CourseMap& map = canvas->courseMap();
    EXPECT_FALSE(map.isOutOfBounds(canvas->teePosition));
    EXPECT_FALSE(map.isOutOfBounds(canvas->cupPosition));
    EXPECT_TRUE(map.isOutOfBounds({0, 0, 292}));
    EXPECT_FALSE(map.isOutsideCourse({0, 0, 292}));
    EXPECT_TRUE(map.isOutsideCourse({0, 0, 330}));

    // The putting net: 9 x 9 points 3.75 apart on the green around the cup, hidden off the green.
    const Object3D& net = *canvas->greenGrid;
    const Mesh3D& grid = *net.meshes->front();
    EXPECT_EQ(grid.vertices.size(), 81u);
    EXPECT_EQ(grid.faces.size(), 128u);
    EXPECT_EQ(grid.vertices[1].position() - grid.vertices[0].position(), (Vector3{0, 0, 3.75f}));
    EXPECT_EQ(grid.vertices[40].position(), (Vector3{0, 0, 0})) << "the middle point is the cup";
    EXPECT_EQ(grid.depthBias, 5 * 65536);
    EXPECT_EQ(grid.material->edgeFlags, EdgeAB | EdgeBC);
    EXPECT_EQ(grid.material->edgeWidth, 0) << "0.05 in 16.16 has no whole pixel: the thinnest line";
    EXPECT_FALSE(net.visible);
}

TEST_F(GameTest, MinimapIsTheHoleFromAboveInTheTopRightCorner) {
    open();
    ASSERT_TRUE(loaded);
    const Surface& minimap = canvas->minimap;
    ASSERT_FALSE(minimap.empty());
    EXPECT_EQ(minimap.width, static_cast<int>(canvas->minimapScale * canvas->courseWidth));
    EXPECT_EQ(canvas->minimapX, 240 - 4 - minimap.width);
    EXPECT_EQ(canvas->minimapY, 45);
    EXPECT_NE(minimap.getPixel(0, 0) & 0xF0F0F0, 0u) << "a white outline";
    // The cup's red mark and the ball's yellow mark, x mirrored and z down the picture.
    const auto mapped = [&](const Vector3& p) {
        return std::pair{minimap.width / 2 - static_cast<int>(canvas->minimapScale * p.x),
                         static_cast<int>(canvas->minimapScale * p.z) + minimap.height / 2};
    };
    const auto [cupX, cupY] = mapped(canvas->cupPosition);
    EXPECT_EQ(minimap.getPixel(cupX - 3, cupY),
              0xF80000u & (minimap.bitsPerPixel == 16 ? 0xF8FCF8u : 0xFF0000u));
    canvas->startFrames();
    frames(1);
    const auto [ballX, ballY] = mapped(canvas->ball->position);
    // The mark's far corner: the white aim line leaves from its near one.
    const uint32_t yellow =
        canvas->backBuffer()->getPixel(canvas->minimapX + ballX + 1, canvas->minimapY + ballY + 1);
    EXPECT_EQ(yellow & 0xF0F0F0, 0xF0F000u);
}

TEST_F(GameTest, PanelsFitThePageAndCarryTheCourseAndTheHole) {
    open();
    ASSERT_TRUE(loaded);
    Texture& top = *canvas->sptTopPanel->texture;
    EXPECT_EQ(top.width, 240) << "the 480-pixel picture fitted to the page";
    EXPECT_EQ(top.height, 44);
    // The course name is drawn into the picture, right of x = 152.
    int green = 0;
    for (int y = 14; y < 30; ++y) {
        for (int x = 152; x < 200; ++x) {
            const uint32_t rgb = top.surface().getPixel(x, y);
            const int r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
            green += g > r + 30 && g > b + 30;
        }
    }
    EXPECT_GT(green, 30);

    // "Hole 1 / Par 4" at 16 pixels would run past the right edge of a 240-pixel panel: it is made
    // smaller so that its last character stays whole.
    const Surface& bottom = canvas->sptBottomPanel->texture->surface();
    const auto isTextColour = [](uint32_t rgb) {
        return std::abs(static_cast<int>((rgb >> 16) & 255) - 80) < 9 &&
               std::abs(static_cast<int>((rgb >> 8) & 255) - 150) < 9 &&
               std::abs(static_cast<int>(rgb & 255) - 80) < 9;
    };
    int rightmost = -1;
    for (int y = 0; y < bottom.height; ++y)
        for (int x = 152; x < bottom.width; ++x)
            if (isTextColour(bottom.getPixel(x, y)))
                rightmost = std::max(rightmost, x);
    EXPECT_GT(rightmost, 200) << "the text is drawn";
    EXPECT_LT(rightmost, bottom.width - 3) << "and ends inside the picture";
}

TEST_F(GameTest, SkyAndHillsCoverTheViewWhateverTheHeadingAndTheDrift) {
    open();
    ASSERT_TRUE(loaded);
    for (Scene* scene : {static_cast<Scene*>(canvas->mainScene), canvas->sceneGUI, canvas->sceneStatusBar})
        scene->visible = false;
    Camera3D& camera = *canvas->camera;
    const uint32_t below = canvas->backgroundColour;
    for (float heading : {0.0f, 1.0f, 2.5f, 4.0f, 6.2f}) {
        for (float drift : {0.0f, 500.0f, 999.0f}) {
            canvas->skyClock = drift;
            camera.setEye({0, 10, 0});
            camera.setTarget({std::sin(heading), 10, std::cos(heading)}); // level
            Surface& page = *canvas->backBuffer();
            fillRect(page, below, 0, 0, -1, -1); // whatever the sky leaves shows as a gap
            canvas->dt = Ball::fixedStep;
            canvas->paint();
            for (int x = 0; x < page.width; ++x) {
                ASSERT_NE(page.getPixel(x, 10), below & 0xF8FCF8) << "a gap in the sky at " << x;
                ASSERT_EQ(page.getPixel(x, page.height - 1), below & 0xF8FCF8) << "the colour below the sky";
            }
        }
    }
}

class NoWater : public GameTest {
protected:
    NoWater() { shape.water = shape.waterbank = false; }
};

TEST_F(NoWater, LoadsWithoutTheModelError) {
    const int boxes = messageBoxCount();
    open();
    EXPECT_TRUE(loaded);
    EXPECT_EQ(messageBoxCount(), boxes);
    EXPECT_EQ(canvas->waterMesh, nullptr);
}

class OnlyWater : public GameTest {
protected:
    OnlyWater() { shape.waterbank = false; }
};

TEST_F(OnlyWater, LoadsWithTheModelError) {
    open();
    EXPECT_TRUE(loaded) << "the game goes on with what exists";
    EXPECT_EQ(lastMessageBox().text, courseModelError);
    EXPECT_EQ(lastMessageBox().caption, L"Error");
}

TEST_F(GameTest, AMissingOrDamagedHoleFileIsNamedAndNothingIsPlayed) {
    const std::filesystem::path hole = root.os("resources/scenes/meadow/hole1.3ds");
    std::filesystem::remove(hole);
    open();
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(canvas->gameLoaded);
    EXPECT_NE(lastMessageBox().text.find(L"hole1.3ds"), std::wstring::npos) << toUtf8(lastMessageBox().text);
    EXPECT_FALSE(isMessageOpen(*canvas)) << "no loading message stays behind";

    test::writeFile(hole, "not a model");
    main->removeChild(canvas);
    open();
    EXPECT_FALSE(loaded);
    EXPECT_NE(lastMessageBox().text.find(L"hole1.3ds"), std::wstring::npos) << toUtf8(lastMessageBox().text);
}

TEST_F(GameTest, AMissingCourseTemplateIsNamed) {
    std::filesystem::remove(root.os("resources/scenes/meadow/courseGrps.properties"));
    open();
    EXPECT_FALSE(loaded);
    EXPECT_NE(lastMessageBox().text.find(L"courseGrps.properties"), std::wstring::npos);
}

TEST_F(GameTest, SettingsTurnOffTheMulliganAndTheWind) {
    PropertyTemplate settings;
    ASSERT_TRUE(settings.load(root.game("resources/GUI/"), L"gsetting.properties"));
    settings.setItem(L"Mulligans", L"selected", L"0");
    settings.setItem(L"WindCondition", L"selected", L"0");
    ASSERT_TRUE(settings.save());
    open();
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(canvas->mulligansEnabled);
    EXPECT_EQ(canvas->windStrength, 0);
    auto* mulligan = dynamic_cast<Sprite*>(canvas->findNode(L"btnMulligan"));
    EXPECT_FALSE(mulligan->visible);
    canvas->shotEnded();
    EXPECT_FALSE(mulligan->visible) << "the action buttons come back without it";
    EXPECT_TRUE(dynamic_cast<Sprite*>(canvas->findNode(L"btnAutoAim"))->visible);
    canvas->startFrames();
    frames(3);
    EXPECT_FALSE(canvas->grpVane->visible);
    EXPECT_FALSE(canvas->sptWindInfo->visible);
    EXPECT_FALSE(dynamic_cast<Sprite*>(canvas->findNode(L"btnNextCard"))->visible) << "one player: one card";
}

TEST_F(GameTest, WindShowsItsVaneAndSpeedWhileTheBallRests) {
    open();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(canvas->windStrength, 3) << "the shipped settings: light wind";
    canvas->startFrames();
    frames(2);
    EXPECT_TRUE(canvas->grpVane->visible);
    EXPECT_EQ(canvas->sptWindInfo->text, L"3 mph");
    const Vector3 ahead = canvas->camera->worldToView(canvas->grpVane->transform.getTranslation());
    EXPECT_NEAR(ahead.z, 2.5f, 1e-3f);
    EXPECT_NEAR(ahead.y, 1.18f, 1e-3f);
    canvas->ball->launch(50.0f, 0.3f);
    frames(2);
    EXPECT_FALSE(canvas->grpVane->visible);
    EXPECT_FALSE(canvas->sptWindInfo->visible);
    EXPECT_FALSE(dynamic_cast<Sprite*>(canvas->findNode(L"btnAutoAim"))->visible)
        << "action buttons off in flight";
}

TEST_F(GameTest, FlagWavesOffTheGreenAndWaterScrollsWithinItsTexture) {
    open();
    ASSERT_TRUE(loaded);
    canvas->startFrames();
    const Mesh3D& cloth = *canvas->flag;
    frames(1);
    const std::vector<Vertex3D> before = cloth.vertices;
    frames(5);
    bool moved = false;
    for (size_t i = 0; i < cloth.vertices.size(); ++i)
        moved = moved || cloth.vertices[i].z != before[i].z;
    EXPECT_TRUE(moved);
    canvas->ball->placeAt(canvas->cupPosition + Vector3{3, 0, 3});
    frames(1);
    EXPECT_FALSE(canvas->grpFlag->visible) << "no flag while the ball is on the green";

    canvas->waterClock = 99999.99f;
    frames(1);
    const Material3D& water = *canvas->waterMesh->material;
    EXPECT_GE(water.textureOffsetU, 0);
    EXPECT_LT(water.textureOffsetU, 65536);
}

} // namespace
} // namespace velmora
