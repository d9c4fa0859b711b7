#pragma once
// A whole course from a seed and a style: nine holes, their textures and scenery, the trees and
// the course template. The same seed and style give the same bytes on every machine.

#include "course_style.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::content {

struct CourseRecipe {
    std::string name; // lower-case words joined by '_'
    CourseStyle style = CourseStyle::Parkland;
    uint64_t seed = 1;
};

struct HoleSummary {
    int par = 0;
    double yards = 0; // straight from the tee to the cup
    int faces = 0;
    bool water = false;
};

// Lower-case ASCII words joined by single '_': what the game accepts as a course name.
bool isCourseName(std::string_view name);
// A name for a course made from a seed: two words, the second telling its kind.
std::string courseNameFor(uint64_t seed, CourseStyle style);

// Writes the course folder (created if needed); false when a file could not be written.
bool writeCourse(const CourseRecipe& recipe, const std::string& folder, std::vector<HoleSummary>& holes);

// Writes the shared objects of scenes/golfball into folder; false when a file could not be written.
bool writeGolfball(const std::string& folder);

} // namespace velmora::content
