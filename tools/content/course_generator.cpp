#include "course_generator.h"

#include "course_scenery.h"
#include "course_textures.h"
#include "gif_file.h"
#include "hole_model.h"
#include "image_files.h"
#include "prop_models.h"

#include <cstdio>
#include <filesystem>

namespace velmora::content {
namespace {

constexpr double yardsPerUnit = 0.645;

// A different stream of numbers for each use of the seed.
uint64_t derived(uint64_t seed, uint64_t use) {
    return Random(seed ^ (use * 0x9E3779B97F4A7C15ull)).next();
}

// A prefix that keeps the course's picture names apart from every other folder's (the game caches
// pictures by name) and short enough for a 3DS map name.
std::string pictureTag(const std::string& name) {
    std::string tag;
    for (char c : name)
        if (c != '_' && tag.size() < 12)
            tag += c;
    return tag;
}

std::string colourText(uint32_t rgb) {
    return "(" + std::to_string(rgb >> 16) + ";" + std::to_string((rgb >> 8) & 255) + ";" +
           std::to_string(rgb & 255) + ")";
}

std::string displayName(const std::string& name) {
    std::string shown = name;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '_')
            shown[i] = ' ';
        else if (i == 0 || shown[i - 1] == ' ')
            shown[i] = char(shown[i] - 'a' + 'A');
    }
    return shown;
}

std::string courseTemplate(const CourseRecipe& recipe, const CourseLayout& layout,
                           const std::vector<std::string>& trees) {
    std::string text = "# " + displayName(recipe.name) + ": a " + styleName(recipe.style) +
                       " course of nine holes, made from seed " + std::to_string(recipe.seed) + ".\n";
    text += "pars=";
    for (size_t i = 0; i < layout.pars.size(); ++i)
        text += (i ? "," : "") + std::to_string(layout.pars[i]);
    text += "\ntreesName=";
    for (size_t i = 0; i < trees.size(); ++i)
        text += (i ? ", " : "") + trees[i];
    text += "\nscene.bkgColor=" + colourText(lookOf(recipe.style).land) + "\n";
    text += "scene.envSound=type:WaveSound, src:..\\..\\sounds\\ambience.wav\n";
    text += "directionalLight=type:Light, container:mainScene, dir:(-0.35;-1;0.45), color:(255;250;235)\n";
    text += propTemplateLines();
    return text;
}

bool writeText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace

bool isCourseName(std::string_view name) {
    if (name.empty() || name.front() < 'a' || name.front() > 'z' || name.back() == '_')
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '_' ? (name[i + 1] < 'a' || name[i + 1] > 'z') : (c < 'a' || c > 'z'))
            return false;
    }
    return true;
}

std::string courseNameFor(uint64_t seed, CourseStyle style) {
    static const char* const firsts[] = {
        "amber",  "birch",  "bramble", "cedar", "clover",  "copper",  "crane",   "elder",   "falcon",
        "fern",   "foxley", "glen",    "hazel", "heather", "holly",   "juniper", "kestrel", "larch",
        "linden", "marsh",  "meadow",  "mill",  "moss",    "oak",     "otter",   "pine",    "raven",
        "reed",   "rowan",  "sorrel",  "stone", "swan",    "thistle", "willow",  "wren",    "yarrow"};
    static const char* const parkland[] = {"park", "wood", "grove", "vale", "hollow", "green"};
    static const char* const lakes[] = {"lakes", "water", "pools", "meres", "reach", "springs"};
    static const char* const links[] = {"links", "dunes", "sands", "head", "bay", "point"};
    Random random(derived(seed, 1));
    const auto& seconds = byStyle(style, parkland, lakes, links);
    const std::string first = firsts[random.integer(0, int(std::size(firsts)) - 1)];
    return first + "_" + seconds[random.integer(0, 5)];
}

bool writeCourse(const CourseRecipe& recipe, const std::string& folder, std::vector<HoleSummary>& holes) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const auto path = [&](const std::string& name) {
        return (std::filesystem::path(folder) / name).string();
    };
    const StyleRules& rules = rulesOf(recipe.style);
    const CourseLook& look = lookOf(recipe.style);
    const std::string tag = pictureTag(recipe.name);
    bool ok = true;

    SurfaceMaps maps;
    for (int s = 0; s < surfaceCount; ++s) {
        const Surface surface = Surface(s);
        maps[size_t(s)] = tag + "_" + surfaceName(surface) + ".jpg";
        ok &=
            writeJpeg(path(maps[size_t(s)]), surfaceTexture(surface, look, derived(recipe.seed, 10 + s)), 90);
    }
    ok &= writeJpeg(path("Skydome.jpg"), skyPicture(look, derived(recipe.seed, 2)), 90);
    ok &= writeGif(path("landscape.gif"), landscapePicture(look, derived(recipe.seed, 3)));
    ok &= writeGif(path("woods.gif"), woodsPicture(look, derived(recipe.seed, 4)));
    std::vector<std::pair<std::string, PlantKind>> plants;
    if (look.gorse)
        plants = {{"gorse", PlantKind::Gorse}, {"bush", PlantKind::Bush}, {"tree", PlantKind::Broadleaf}};
    else if (look.conifers)
        plants = {{"oak", PlantKind::Broadleaf}, {"pine", PlantKind::Conifer}, {"bush", PlantKind::Bush}};
    else
        plants = {{"oak", PlantKind::Broadleaf}, {"elm", PlantKind::Broadleaf}, {"bush", PlantKind::Bush}};
    std::vector<std::string> trees;
    for (size_t i = 0; i < plants.size(); ++i) {
        trees.push_back(tag + "_" + plants[i].first + ".gif");
        ok &=
            writeGif(path(trees.back()), plantPicture(plants[i].second, look, derived(recipe.seed, 30 + i)));
    }

    Random courseRandom(derived(recipe.seed, 5));
    const CourseLayout layout = planCourse(rules, courseRandom);
    holes.clear();
    for (int h = 0; h < 9; ++h) {
        Random random(derived(recipe.seed, 100 + h));
        const HolePlan plan = planHole(rules, h + 1, layout.pars[size_t(h)], layout.water[size_t(h)], random);
        const HoleGround ground(plan, rules);
        const Model3ds model = buildHoleModel(plan, ground, maps);
        HoleSummary summary{plan.par, plan.length() * yardsPerUnit, 0, !plan.ponds.empty()};
        for (const Object3ds& object : model.objects)
            summary.faces += int(object.faces.size());
        holes.push_back(summary);
        ok &= write3ds(path("hole" + std::to_string(h + 1) + ".3ds"), model);
    }
    ok &= writeText(path("courseGrps.properties"), courseTemplate(recipe, layout, trees));
    return ok;
}

bool writeGolfball(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const PropFile& prop : propModels())
        ok &= write3ds((std::filesystem::path(folder) / prop.name).string(), prop.model);
    for (const PropPicture& picture : propPictures()) {
        const std::string file = (std::filesystem::path(folder) / picture.name).string();
        if (picture.name.ends_with(".gif")) {
            std::vector<GifFrame> frames;
            for (const Picture& frame : picture.frames)
                frames.push_back({frame, picture.delay});
            ok &= writeGif(file, frames);
        } else {
            ok &= writeJpeg(file, picture.frames.front(), 92);
        }
    }
    return ok;
}

} // namespace velmora::content
