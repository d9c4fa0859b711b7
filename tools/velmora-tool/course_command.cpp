// velmora-tool course FOLDER: checks a course folder with the game's own loaders; one line per hole
// and every breach named, exit code 1 on any breach.
#include "commands.h"
#include "course_check.h"

#include <cstdio>

namespace velmora::tool {

int runCourse(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: velmora-tool course FOLDER\n");
        return exitUsage;
    }
    const CourseReport report = checkCourse(arguments[0]);
    std::printf("course %s\n", report.name.c_str());
    for (const std::string& breach : report.breaches)
        std::printf("  breach: %s\n", breach.c_str());
    for (const std::string& note : report.notes)
        std::printf("  note: %s\n", note.c_str());
    int total = 0;
    for (const HoleReport& hole : report.holes) {
        total += hole.par;
        std::printf("hole %d: par %d, %3.0f yards, %5d faces, %s, %s\n", hole.number, hole.par, hole.yards,
                    hole.faces, hole.water ? "water" : "dry", hole.breaches.empty() ? "ok" : "BREACH");
        for (const std::string& breach : hole.breaches)
            std::printf("  breach: %s\n", breach.c_str());
    }
    std::printf("par %d: %s\n", total, report.passed() ? "ok" : "breaches found");
    return report.passed() ? exitOk : exitFailed;
}

} // namespace velmora::tool
