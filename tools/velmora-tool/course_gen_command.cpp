// velmora-tool course-gen SEED STYLE OUT_FOLDER and velmora-tool course-picture FOLDER PICTURE [SHEET]:
// a new course from a seed, and the pictures of a course.
#include "commands.h"
#include "course_art.h"
#include "course_check.h"

#include "course_generator.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace velmora::tool {
namespace {

namespace fs = std::filesystem;

bool parseSeed(const std::string& text, uint64_t& seed) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    seed = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0;
}

} // namespace

int runCoursePicture(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: velmora-tool course-picture FOLDER PICTURE.jpg [SHEET.png]\n");
        return exitUsage;
    }
    return writeCourseArt(arguments[0], arguments[1], arguments.size() == 3 ? arguments[2] : "") ? exitOk
                                                                                                 : exitFailed;
}

int runCourseGen(const std::vector<std::string>& arguments) {
    uint64_t seed = 0;
    const auto style = arguments.size() == 3 ? content::parseStyle(arguments[1]) : std::nullopt;
    if (arguments.size() != 3 || !parseSeed(arguments[0], seed) || !style) {
        std::fprintf(stderr,
                     "usage: velmora-tool course-gen SEED STYLE OUT_FOLDER\n"
                     "  SEED: a whole number; STYLE: parkland, lakes or links; OUT_FOLDER: where the course\n"
                     "  folder and its picture go (the game's resources/scenes to play it)\n");
        return exitUsage;
    }
    const fs::path out = arguments[2];
    const std::string name = content::courseNameFor(seed, *style);
    const fs::path folder = out / name, picture = out / (name + ".jpg");
    if (fs::exists(folder) || fs::exists(picture)) {
        std::fprintf(stderr,
                     "velmora-tool: %s already holds a course '%s'; remove it first or pick another seed\n",
                     out.string().c_str(), name.c_str());
        return exitFailed;
    }
    std::printf("generating '%s', a %s course from seed %llu\n", name.c_str(), content::styleName(*style),
                static_cast<unsigned long long>(seed));
    std::vector<content::HoleSummary> holes;
    if (!content::writeCourse({name, *style, seed}, folder.string(), holes)) {
        std::fprintf(stderr, "velmora-tool: cannot write the course into %s\n", folder.string().c_str());
        return exitFailed;
    }
    // The holes use the shared objects of scenes/golfball: beside the course, or in scenes.zip.
    if (!fs::exists(out / "golfball" / "flag.3ds") && !fs::exists(out / "scenes.zip")) {
        std::printf("writing the shared objects into %s\n", (out / "golfball").string().c_str());
        if (!content::writeGolfball((out / "golfball").string()))
            return exitFailed;
    }
    if (!writeCourseArt(folder.string(), picture.string(), ""))
        return exitFailed;
    const CourseReport report = checkCourse(folder.string());
    for (const std::string& breach : report.breaches)
        std::printf("  breach: %s\n", breach.c_str());
    for (const std::string& note : report.notes)
        std::printf("  note: %s\n", note.c_str());
    for (const HoleReport& hole : report.holes)
        std::printf("hole %d: par %d, %3.0f yards, %5d faces, %s%s\n", hole.number, hole.par, hole.yards,
                    hole.faces, hole.water ? "water" : "dry", hole.breaches.empty() ? "" : ", BREACH");
    if (!report.passed()) {
        std::fprintf(stderr, "velmora-tool: the new course does not pass 'velmora-tool course %s'\n",
                     folder.string().c_str());
        return exitFailed;
    }
    std::printf("wrote %s and %s\n", folder.string().c_str(), picture.string().c_str());
    return exitOk;
}

} // namespace velmora::tool
