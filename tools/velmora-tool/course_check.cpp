#include "course_check.h"

#include "course_generator.h"

#include "media/image_loader.h"
#include "media/resource_archive.h"
#include "platform/files.h"

#include <filesystem>
#include <unistd.h>

namespace velmora::tool {
CourseResources::CourseResources(const std::string& folder) {
    const std::filesystem::path path = std::filesystem::absolute(folder).lexically_normal();
    folder_ = path.has_filename() ? path : path.parent_path();
    temp_ = std::filesystem::temp_directory_path() / ("velmora-tool-" + std::to_string(getpid()));
    setTempFolder(fromOsPath(temp_.string()));
    const std::filesystem::path scenes = folder_.parent_path(), resources = scenes.parent_path();
    registerArchive(L"GUI.zip", fromOsPath((resources / "GUI").string()));
    registerArchive(L"scenes.zip", fromOsPath(scenes.string()));
    registerArchive(L"sounds.zip", fromOsPath((resources / "sounds").string()));
}

CourseResources::~CourseResources() {
    closeArchives();
    std::error_code error;
    std::filesystem::remove_all(temp_, error);
}

std::wstring CourseResources::gameFolder() const {
    return fromOsPath(folder_.string());
}

bool CourseReport::passed() const {
    if (!breaches.empty())
        return false;
    for (const HoleReport& hole : holes)
        if (!hole.breaches.empty())
            return false;
    return true;
}

CourseReport checkCourse(const std::string& folder) {
    const CourseResources resources(folder);
    const std::filesystem::path where = resources.folder();
    const std::filesystem::path scenes = where.parent_path();
    CourseReport report;
    report.name = resources.name();
    if (!content::isCourseName(report.name))
        report.breaches.push_back("the folder name '" + report.name +
                                  "' is no course name: lower-case words joined by single '_'");
    Surface picture;
    const std::filesystem::path picturePath = scenes / (report.name + ".jpg");
    if (!std::filesystem::exists(picturePath) ||
        !loadImage(picture, fromOsPath(picturePath.string()), false) || picture.width != 320 ||
        picture.height != 240)
        report.breaches.push_back("the course picture " + picturePath.filename().string() +
                                  " must lie on disk beside the folder, 320 x 240");
    const std::wstring gameFolder = resources.gameFolder();
    if (!resourceExists(gameFolder + L"\\courseGrps.properties") &&
        !resourceExists(gameFolder + L"\\hole1.3ds")) {
        report.breaches = {"there is no course in " + where.string() +
                           " (no courseGrps.properties, no hole1.3ds)"};
        return report;
    }
    CourseSettings settings;
    checkCourseTemplate(gameFolder, report, settings);
    ImageCache images;
    for (int hole = 1; hole <= 9; ++hole)
        report.holes.push_back(checkHole(gameFolder, hole, settings, images));
    return report;
}

} // namespace velmora::tool
