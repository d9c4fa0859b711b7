#pragma once
// The course validator: loads a course folder with the game's own loaders and checks what the game
// relies on, hole by hole and for the course as a whole. Each breach is a sentence naming it.

#include "render/image_cache.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora::tool {

constexpr double yardsPerUnit = 0.645;
constexpr int maxHoleFaces = 30000;

struct HoleReport {
    int number = 0;
    int par = 0;
    double yards = 0; // straight from the tee to the cup
    int faces = 0;
    bool water = false;
    std::vector<std::string> breaches;
};

struct CourseReport {
    std::string name;
    std::vector<std::string> breaches; // of the course as a whole
    std::vector<std::string> notes;    // what could not be checked
    std::vector<HoleReport> holes;

    bool passed() const;
};

// What the holes need from the course template.
struct CourseSettings {
    std::array<int, 9> pars{};
    float ballRadius = 0.3f; // of the ball group: the water drop search steps by it
};

// A course folder of a resources tree, with the tree's archives (scenes.zip, sounds.zip, GUI.zip)
// mounted as the game mounts them while it lives, and a temporary folder of its own for what they
// unpack. The folder may lie only inside scenes.zip.
class CourseResources {
public:
    explicit CourseResources(const std::string& folder);
    ~CourseResources();
    CourseResources(const CourseResources&) = delete;
    CourseResources& operator=(const CourseResources&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::string name() const { return folder_.filename().string(); }
    std::wstring gameFolder() const; // with backslashes, as the game's loaders take it

private:
    std::filesystem::path folder_;
    std::filesystem::path temp_;
};

// folder: the course folder as the system names it. The archives of the resources tree it lies in
// (scenes.zip, sounds.zip, GUI.zip) are mounted as the game mounts them.
CourseReport checkCourse(const std::string& folder);

// The parts, for the tests. Folders are the game's (backslashes).
void checkCourseTemplate(const std::wstring& folder, CourseReport& report, CourseSettings& settings);
HoleReport checkHole(const std::wstring& folder, int number, const CourseSettings& settings,
                     ImageCache& images);

} // namespace velmora::tool
