// The validator on a whole generated course, each copy broken in one place: the course template
// and the pictures every hole shares, the boundary the game derives from the ring, and the drop
// search after a ball drowns.
#include "small_hole.h"

#include "course_check.h"
#include "course_generator.h"
#include "gif_file.h"
#include "image_files.h"

#include "game/course_features.h"
#include "game/course_map.h"
#include "render/model_loader.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// One generated course in a resources tree with the shared objects and the ambient sound, made
// once; each test breaks a copy of it.
class BrokenCourse : public testing::Test {
protected:
    static void SetUpTestSuite() {
        tree_ = std::make_unique<TempFolder>();
        ASSERT_TRUE(content::writeGolfball(tree_->os("scenes/golfball").string()));
        writeFile(tree_->os("sounds/ambience.wav"), "RIFF");
        std::vector<content::HoleSummary> holes;
        ASSERT_TRUE(content::writeCourse({"sound_course", content::CourseStyle::Links, 3},
                                         tree_->os("scenes/sound_course").string(), holes));
    }
    static void TearDownTestSuite() { tree_.reset(); }

    // A copy of the course under a name of its own.
    fs::path copy(const std::string& name) {
        const fs::path folder = tree_->os("scenes/" + name);
        fs::copy(tree_->os("scenes/sound_course"), folder, fs::copy_options::recursive);
        return folder;
    }
    std::vector<std::string> templateBreaches(const fs::path& folder) {
        tool::CourseReport report;
        tool::CourseSettings settings;
        const tool::CourseResources resources(folder.string());
        tool::checkCourseTemplate(resources.gameFolder(), report, settings);
        return report.breaches;
    }
    // The template with every line starting with `prefix` replaced.
    static void rewriteTemplate(const fs::path& folder, const std::string& prefix, const std::string& line) {
        std::ifstream in(folder / "courseGrps.properties");
        std::string text, current;
        while (std::getline(in, current))
            text += (current.rfind(prefix, 0) == 0 ? line : current) + "\n";
        in.close();
        std::ofstream(folder / "courseGrps.properties") << text;
    }
    static bool named(const std::vector<std::string>& breaches, const std::string& part) {
        return std::any_of(breaches.begin(), breaches.end(),
                           [&](const std::string& breach) { return breach.find(part) != std::string::npos; });
    }

    static inline std::unique_ptr<TempFolder> tree_;
};

TEST_F(BrokenCourse, AsMadeItsTemplateAndPicturesPass) {
    const std::vector<std::string> breaches = templateBreaches(tree_->os("scenes/sound_course"));
    EXPECT_TRUE(breaches.empty()) << breaches.front();
}

TEST_F(BrokenCourse, EachTemplateBreachIsNamed) {
    const fs::path noFlag = copy("no_flag");
    rewriteTemplate(noFlag, "grpFlag=", "");
    EXPECT_TRUE(named(templateBreaches(noFlag), "'grpFlag' is missing"));

    const fs::path fewPars = copy("few_pars");
    rewriteTemplate(fewPars, "pars=", "pars=4,4,3,5,4,4,3,4");
    EXPECT_TRUE(named(templateBreaches(fewPars), "the pars of nine holes"));

    const fs::path upward = copy("upward_light");
    rewriteTemplate(upward,
                    "directionalLight=", "directionalLight=type:Light, container:mainScene, dir:(0;1;0)");
    EXPECT_TRUE(named(templateBreaches(upward), "must shine downward"));

    const fs::path planted = copy("planted_course");
    rewriteTemplate(planted, "treesName=", "plant=type:Chip3D, container:mainScene, texture:x.gif");
    const std::vector<std::string> breaches = templateBreaches(planted);
    EXPECT_TRUE(named(breaches, "'treesName' is missing"));
    EXPECT_TRUE(named(breaches, "defines 'plant'"));
}

TEST_F(BrokenCourse, ItsSharedPicturesMustBeKeyedAndTheHillsAsWideAsTheSky) {
    const fs::path unkeyed = copy("unkeyed_woods");
    ASSERT_TRUE(content::writeGif((unkeyed / "woods.gif").string(),
                                  content::Picture(64, 8, content::opaque(0x206020))));
    EXPECT_TRUE(named(templateBreaches(unkeyed), "the woods band 'woods.gif' is not keyed"));

    const fs::path narrow = copy("narrow_hills");
    content::Picture hills(240, 32, content::opaque(0x40A040));
    hills.at(0, 0) = {};
    ASSERT_TRUE(content::writeGif((narrow / "landscape.gif").string(), hills));
    EXPECT_TRUE(named(templateBreaches(narrow), "landscape.gif is 240 pixels wide, Skydome.jpg 480"));
}

// The small hand-made hole loaded as the game loads it, with its grid and boundary.
class SmallHoleBounds : public testing::Test {
protected:
    void SetUp() override {
        writeSmallHole({}, folder.os());
        ModelRequest request;
        request.folder = folder.game();
        request.fileName = L"hole1.3ds";
        request.radius = 400;
        model = loadModel(request);
        ASSERT_TRUE(model);
        terrain.build(*model, findSurfaces(*model));
        lines = traceBoundary(*model->findMesh(L"woods"), terrain);
    }
    TempFolder folder;
    std::unique_ptr<Model3D> model;
    Terrain terrain;
    CourseBoundary lines;
};

TEST_F(SmallHoleBounds, ThePlayLineRunsInsideTheTreesLessThanSixteenUnitsIn) {
    // 60 points round a circle of radius 300, 31.4 units apart. Each play-line point is set 16 units
    // square to the line from the previous play-line point, which leans it back along the ring: on a
    // straight ring with this spacing it would settle sqrt(16^2 - (16^2 / 31.4)^2) = 13.8 units in;
    // the circle's bend takes a little more.
    ASSERT_EQ(lines.treeLine.size(), 61u);
    EXPECT_EQ(lines.pointsWithoutGround, 0);
    for (size_t i = 10; i + 1 < lines.playLine.size(); ++i) {
        EXPECT_NEAR(std::hypot(lines.treeLine[i].x, lines.treeLine[i].z), 300, 0.01);
        EXPECT_NEAR(300 - std::hypot(lines.playLine[i].x, lines.playLine[i].z), 13.2, 0.1) << i;
    }
    CourseMap map;
    ASSERT_TRUE(map.create(800, 800));
    map.draw(lines.treeLine, lines.playLine);
    EXPECT_EQ(map.bitmap().height, 50);
    EXPECT_FALSE(map.isOutOfBounds({0, 0, 0}));
    EXPECT_TRUE(map.isOutOfBounds({0, 0, 295})) << "the band inside the trees";
    EXPECT_TRUE(map.isOutOfBounds({0, 0, 350})) << "beyond the trees";
}

TEST_F(SmallHoleBounds, ADrownedBallIsDroppedOneStepBeyondTheBank) {
    // The pond spans file x -128 ... -80 (the game's x 80 ... 128) and its bank 16 more each way.
    ASSERT_TRUE(terrain.surfaces.water && terrain.surfaces.waterbank);
    // A ball that came along +x (the game's) drowned at x 100: stepped back 7.5 at a time to x 62.5
    // (out of the bank at 64), then once more.
    const WaterExit exit = stepOutOfWater(terrain, {100, 0, 24}, {1, 0, 0}, 0.3f);
    EXPECT_TRUE(exit.dry);
    EXPECT_EQ(exit.steps, 5);
    EXPECT_NEAR(exit.point.x, 55, 1e-3);
    const Mesh3D* ground = terrain.ground(exit.point).surface;
    ASSERT_NE(ground, nullptr);
    EXPECT_EQ(ground->name, L"rough");
}

} // namespace
} // namespace velmora::test
