#include "course_art.h"

#include "course_check.h"
#include "course_view.h"

#include "contact_sheet.h"
#include "fonts.h"
#include "image_files.h"
#include "picture.h"

#include "base/wide_string.h"
#include "gui/property_template.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace velmora::tool {
namespace {

constexpr int supersample = 2; // pictures are drawn twice the size and averaged down

content::Picture pictureOf(const Surface& surface) {
    content::Picture picture(surface.width, surface.height);
    for (int y = 0; y < surface.height; ++y)
        for (int x = 0; x < surface.width; ++x)
            picture.at(x, y) = content::opaque(surface.getPixel(x, y));
    return content::downsample(picture, supersample);
}

// From the approach, above and a little to the side, looking at the green and its flag.
content::Picture approachView(HoleScene& hole, int width, int height) {
    Vector3 direction = hole.cup() - hole.tee();
    direction.y = 0;
    direction.normalise();
    const Vector3 side{direction.z, 0, -direction.x};
    Vector3 eye = hole.cup() - direction * 100 + side * 30;
    eye.y = hole.groundAt(eye.x, eye.z) + 15;
    Surface surface;
    surface.create(width * supersample, height * supersample, true);
    hole.drawView(surface, eye, hole.cup() + direction * 60 + Vector3{0, 4, 0}, 60);
    return pictureOf(surface);
}

// Behind the tee and above it, looking down the hole toward the landing area.
content::Picture teeView(HoleScene& hole, int width, int height, float back, float up, float ahead,
                         float fov) {
    Vector3 direction = hole.cup() - hole.tee();
    direction.y = 0;
    direction.normalise();
    Vector3 eye = hole.tee() - direction * back;
    eye.y = std::max(hole.groundAt(eye.x, eye.z), hole.tee().y) + up;
    Vector3 target = hole.tee() + direction * ahead;
    target.y = hole.groundAt(target.x, target.z);
    Surface surface;
    surface.create(width * supersample, height * supersample, true);
    hole.drawView(surface, eye, target, fov);
    return pictureOf(surface);
}

content::Picture aboveView(HoleScene& hole, int width, int height) {
    Surface surface;
    surface.create(width * supersample, height * supersample, true);
    hole.drawFromAbove(surface);
    return pictureOf(surface);
}

std::string displayName(std::string name) {
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '_')
            name[i] = ' ';
        else if (i == 0 || name[i - 1] == ' ')
            name[i] = char(std::toupper(static_cast<unsigned char>(name[i])));
    }
    return name;
}

} // namespace

bool writeCourseArt(const std::string& folder, const std::string& picturePath, const std::string& sheetPath) {
    // Textures and pictures at 32 bits: the engine draws at the display's depth, and these pictures
    // are made once, for the best colours.
    setenv("VELMORA_DEPTH", "32", 1);
    const CourseResources resources(folder);
    const std::wstring courseFolder = resources.gameFolder();
    for (const std::string& path : {picturePath, sheetPath}) {
        std::error_code error;
        if (!path.empty() && std::filesystem::path(path).has_parent_path())
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    }
    HoleScene first;
    if (!first.load(courseFolder, 1)) {
        std::fprintf(stderr, "velmora-tool: %s has no readable hole1.3ds\n", folder.c_str());
        return false;
    }
    bool ok = content::writeJpeg(picturePath, approachView(first, 320, 240), 90);
    if (!ok)
        std::fprintf(stderr, "velmora-tool: cannot write %s\n", picturePath.c_str());
    if (sheetPath.empty())
        return ok;
    if (!content::openFonts())
        return false;
    PropertyTemplate values;
    values.load(courseFolder, L"courseGrps.properties");
    std::vector<std::string> pars;
    for (const char c : toUtf8(values.getString(L"pars").value_or(L"")))
        if (c >= '0' && c <= '9')
            pars.push_back(std::string(1, c));
    content::ContactSheet sheet(
        displayName(resources.name()) + ": every hole from behind the tee and from above", 1260);
    for (int number = 1; number <= 9; ++number) {
        HoleScene hole;
        if (!hole.load(courseFolder, number))
            continue;
        const Vector3 line = hole.cup() - hole.tee();
        const double yards = std::hypot(line.x, line.z) * yardsPerUnit;
        const std::string par = size_t(number) <= pars.size() ? pars[size_t(number - 1)] : "?";
        if (number % 2 == 1)
            sheet.breakRow();
        sheet.add("hole " + std::to_string(number) + ", par " + par + ", " +
                      std::to_string(int(yards + 0.5)) + " yards",
                  teeView(hole, 384, 288, 34, 24, 190, 62));
        sheet.add("from above", aboveView(hole, 216, 288));
    }
    if (!sheet.write(sheetPath)) {
        std::fprintf(stderr, "velmora-tool: cannot write %s\n", sheetPath.c_str());
        ok = false;
    }
    return ok;
}

} // namespace velmora::tool
