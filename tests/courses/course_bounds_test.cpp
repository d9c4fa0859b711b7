// The course map's pixel rule with worked numbers: 50 pixels across, the height in proportion.
#include "course_bounds.h"

#include <gtest/gtest.h>

namespace velmora::tool {
namespace {

// A map of a 400 x 800 course: 50 x 100 pixels, 8 units a pixel; in bounds left of x = 0, out right.
CourseMap halfInMap() {
    CourseMap map;
    map.height = 100;
    map.courseWidth = 400;
    map.courseDepth = 800;
    map.brightness.assign(50 * 100, 0);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 25; ++x)
            map.brightness[size_t(y * 50 + x)] = x < 20 ? 255 : 85; // white, then the red band
    return map;
}

TEST(CourseMap, MapsPointsWithTheGamesIntegerRule) {
    const CourseMap map = halfInMap();
    // k = 100 / 800: px = (int)(10 x 0.125) + 25 = 26, py = 50 - (int)(20 x 0.125) = 48.
    EXPECT_EQ(mapPixel(map, {10, 0, 20}).x, 26);
    EXPECT_EQ(mapPixel(map, {10, 0, 20}).y, 48);
    // Truncation toward zero: -10 x 0.125 = -1.25 gives -1, so px = 24.
    EXPECT_EQ(mapPixel(map, {-10, 0, -20}).x, 24);
    EXPECT_EQ(mapPixel(map, {-10, 0, -20}).y, 52);
}

TEST(CourseMap, TellsInFromOutByBrightnessAndTheMapsEdges) {
    const CourseMap map = halfInMap();
    EXPECT_FALSE(isOutOfBounds(map, {-100, 0, 0})); // white
    EXPECT_TRUE(isOutOfBounds(map, {-20, 0, 0}));   // px 22: the red band, brightness 85
    EXPECT_TRUE(isOutOfBounds(map, {100, 0, 0}));   // black
    EXPECT_FALSE(isOutOfBounds(map, {-200, 0, 0})); // -200 x 0.125 = -25: px 0, the first column
    EXPECT_TRUE(isOutOfBounds(map, {-208, 0, 0}));  // px -1
    EXPECT_TRUE(isOutOfBounds(map, {0, 0, -400}));  // py = 50 + 50 = 100: one past the bottom row
}

} // namespace
} // namespace velmora::tool
