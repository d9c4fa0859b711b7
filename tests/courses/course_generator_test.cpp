// The course generator: the same seed gives the same bytes, and courses made from seeds of every
// style keep the rules the validator checks.
#include "course_check.h"
#include "course_generator.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using content::CourseStyle;

std::string bytesOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(CourseGenerator, TheSameSeedGivesTheSameBytes) {
    TempFolder folder;
    std::vector<content::HoleSummary> first, second, other;
    ASSERT_TRUE(content::writeCourse({"oak_park", CourseStyle::Lakes, 77}, folder.os("a").string(), first));
    ASSERT_TRUE(content::writeCourse({"oak_park", CourseStyle::Lakes, 77}, folder.os("b").string(), second));
    ASSERT_TRUE(content::writeCourse({"oak_park", CourseStyle::Lakes, 78}, folder.os("c").string(), other));
    int files = 0;
    for (const auto& item : fs::directory_iterator(folder.os("a"))) {
        const std::string name = item.path().filename().string();
        EXPECT_EQ(bytesOf(item.path()), bytesOf(folder.os("b/" + name))) << name;
        ++files;
    }
    EXPECT_EQ(files, 24); // nine holes, eight textures, sky, hills, woods, three trees, the template
    EXPECT_NE(bytesOf(folder.os("a/hole1.3ds")), bytesOf(folder.os("c/hole1.3ds")));
}

TEST(CourseGenerator, NamesItsCoursesAsTheGameAcceptsThem) {
    for (uint64_t seed = 0; seed < 200; ++seed)
        for (CourseStyle style : {CourseStyle::Parkland, CourseStyle::Lakes, CourseStyle::Links})
            ASSERT_TRUE(content::isCourseName(content::courseNameFor(seed, style))) << seed;
    EXPECT_TRUE(content::isCourseName("green_valley"));
    for (const char* bad :
         {"", "Green", "green_", "_green", "green__valley", "green_1", "green.valley", "a b"})
        EXPECT_FALSE(content::isCourseName(bad)) << bad;
}

// A resources tree with the shared objects and the ambient sound, as the courses expect it.
class GeneratedCourses : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(content::writeGolfball(tree.os("scenes/golfball").string()));
        writeFile(tree.os("sounds/ambience.wav"), "RIFF");
    }
    TempFolder tree;
};

TEST_F(GeneratedCourses, OfEveryStylePassTheValidator) {
    // Seeds picked once at random; each style gets two.
    const struct {
        CourseStyle style;
        uint64_t seed;
    } courses[] = {{CourseStyle::Parkland, 902714}, {CourseStyle::Parkland, 31337066},
                   {CourseStyle::Lakes, 5520913},   {CourseStyle::Lakes, 77801},
                   {CourseStyle::Links, 6158442},   {CourseStyle::Links, 240091}};
    for (const auto& course : courses) {
        const std::string name = content::courseNameFor(course.seed, course.style);
        SCOPED_TRACE(name + " from seed " + std::to_string(course.seed));
        std::vector<content::HoleSummary> holes;
        ASSERT_TRUE(content::writeCourse({name, course.style, course.seed},
                                         tree.os("scenes/" + name).string(), holes));
        int par = 0, wet = 0;
        for (const content::HoleSummary& hole : holes) {
            par += hole.par;
            wet += hole.water;
            EXPECT_LE(hole.faces, tool::maxHoleFaces);
        }
        EXPECT_GE(par, 34);
        EXPECT_LE(par, 37);
        if (course.style == CourseStyle::Lakes) {
            EXPECT_GE(wet, 4) << "a lakes course has water on at least four holes";
        }

        const tool::CourseResources resources(tree.os("scenes/" + name).string());
        tool::CourseReport report;
        tool::CourseSettings settings;
        tool::checkCourseTemplate(resources.gameFolder(), report, settings);
        for (const std::string& breach : report.breaches)
            ADD_FAILURE() << breach;
        ImageCache images;
        for (int number = 1; number <= 9; ++number)
            for (const std::string& breach :
                 tool::checkHole(resources.gameFolder(), number, settings, images).breaches)
                ADD_FAILURE() << "hole " << number << ": " << breach;
    }
}

} // namespace
} // namespace velmora::test
