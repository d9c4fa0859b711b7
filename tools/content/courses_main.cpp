// Writes the shipped courses and the shared objects of scenes/golfball into the scenes archive's
// staging folder. Their pictures and contact sheets are drawn afterwards by velmora-tool, with the
// game's own 3D engine (course_art.cmake).
#include "course_generator.h"
#include "output.h"

#include <chrono>
#include <cstdio>
#include <future>
#include <vector>

using namespace velmora::content;

int main(int argc, char** argv) {
    OutputFolders folders;
    if (!startGenerator(argc, argv, folders))
        return 2;
    const auto start = std::chrono::steady_clock::now();
    // Fixed seeds: the same courses on every build.
    const CourseRecipe courses[] = {
        {"maple_grove", CourseStyle::Parkland, 1841},
        {"silver_lakes", CourseStyle::Lakes, 2207},
        {"heron_dunes", CourseStyle::Links, 3461},
    };
    struct Result {
        bool ok = false;
        std::vector<HoleSummary> holes;
    };
    // Each course on a thread of its own: they share nothing.
    std::vector<std::future<Result>> results;
    for (const CourseRecipe& course : courses) {
        const std::string folder =
            outputPath(folders, Place::Archive, "scenes/" + course.name + "/courseGrps.properties");
        results.push_back(std::async(std::launch::async, [course, folder] {
            Result result;
            result.ok = writeCourse(course, folder.substr(0, folder.rfind('/')), result.holes);
            return result;
        }));
    }
    int failures = 0;
    for (size_t i = 0; i < results.size(); ++i) {
        const Result result = results[i].get();
        failures += !result.ok;
        int par = 0;
        for (const HoleSummary& hole : result.holes)
            par += hole.par;
        std::printf("%s (%s, par %d):", courses[i].name.c_str(), styleName(courses[i].style), par);
        // par/yards/faces, "w" for water
        for (const HoleSummary& hole : result.holes)
            std::printf(" %d/%.0f/%d%s", hole.par, hole.yards, hole.faces, hole.water ? "w" : "");
        std::printf("\n");
    }
    const std::string golfball = outputPath(folders, Place::Archive, "scenes/golfball/ball.3ds");
    failures += !writeGolfball(golfball.substr(0, golfball.rfind('/')));
    std::printf("courses written in %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return reportFailures("courses", failures);
}
