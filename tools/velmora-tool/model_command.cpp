// velmora-tool model FILE [RADIUS] and velmora-tool ground FILE X Z: read a 3DS model with the
// game's loader and show what the game gets: meshes, materials and sizes, and the ground the
// course grid finds under a point.
#include "commands.h"

#include "base/wide_string.h"
#include "game/course_grid.h"
#include "render/bounding_box.h"
#include "render/image_cache.h"
#include "render/model_loader.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace velmora::tool {
namespace {

std::unique_ptr<Model3D> load(const std::string& file, float radius, ImageCache& images) {
    const std::filesystem::path path(file);
    ModelRequest request;
    // The game's paths use backslashes; its file layer turns them back at the system boundary.
    request.folder = fromUtf8(path.parent_path().empty() ? "." : path.parent_path().string());
    replaceChar(request.folder, L'/', L'\\');
    request.fileName = fromUtf8(path.filename().string());
    request.radius = radius;
    request.imageCache = &images;
    return loadModel(request);
}

bool parseNumber(const std::string& text, float& value) {
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

std::string textureText(const std::wstring& name, const Texture* texture) {
    if (name.empty())
        return "none";
    std::string text = toUtf8(name);
    if (!texture || texture->frames.empty() || texture->surface().empty())
        return text + " (missing)";
    return text + " (" + std::to_string(texture->originalWidth) + "x" + std::to_string(texture->originalHeight) +
           ", drawn " + std::to_string(texture->width) + "x" + std::to_string(texture->height) + ")";
}

} // namespace

int runModel(const std::vector<std::string>& arguments) {
    float radius = 0.0f;
    if (arguments.empty() || arguments.size() > 2 || (arguments.size() == 2 && !parseNumber(arguments[1], radius))) {
        std::fprintf(stderr, "usage: velmora-tool model FILE [RADIUS]\n");
        return exitUsage;
    }
    ImageCache images;
    const std::unique_ptr<Model3D> model = load(arguments[0], radius, images);
    if (!model)
        return exitFailed;
    std::printf("meshes: %zu\n", model->meshes->size());
    for (const auto& mesh : *model->meshes) {
        BoundingBox box;
        for (const Vertex3D& vertex : mesh->vertices)
            box.add(vertex.position());
        std::printf("  %s: %zu vertices, %zu faces, material %s", toUtf8(mesh->name).c_str(), mesh->vertices.size(),
                    mesh->faces.size(), mesh->material ? toUtf8(mesh->material->name).c_str() : "none");
        if (!box.empty) {
            std::printf(", box (%.3f, %.3f, %.3f) - (%.3f, %.3f, %.3f)", box.min.x, box.min.y, box.min.z, box.max.x,
                        box.max.y, box.max.z);
        }
        std::printf("\n");
    }
    std::printf("materials: %zu\n", model->materials->size());
    for (const auto& material : *model->materials) {
        std::printf("  %s: diffuse (%u;%u;%u), transparency %d%s%s\n", toUtf8(material->name).c_str(),
                    (material->diffuse >> 16) & 255, (material->diffuse >> 8) & 255, material->diffuse & 255,
                    material->transparency, material->twoSided ? ", two-sided" : "",
                    material->alphaMode == AlphaMode::ColourKey ? ", colour-keyed" : "");
        std::printf("    texture %s\n", textureText(material->textureName, material->texture).c_str());
        if (!material->alphaTextureName.empty())
            std::printf("    opacity %s\n", textureText(material->alphaTextureName, material->alphaTexture).c_str());
        if (!material->reflectionTextureName.empty())
            std::printf("    reflection %s\n",
                        textureText(material->reflectionTextureName, material->reflectionTexture).c_str());
    }
    std::printf("radius %.3f, dimensions %.3f x %.3f x %.3f\n", model->radius, model->dimensions.x,
                model->dimensions.y, model->dimensions.z);
    return exitOk;
}

int runGround(const std::vector<std::string>& arguments) {
    float x = 0.0f;
    float z = 0.0f;
    if (arguments.size() != 3 || !parseNumber(arguments[1], x) || !parseNumber(arguments[2], z)) {
        std::fprintf(stderr, "usage: velmora-tool ground FILE X Z\n");
        return exitUsage;
    }
    ImageCache images;
    const std::unique_ptr<Model3D> course = load(arguments[0], courseRadius, images);
    if (!course)
        return exitFailed;
    const std::unique_ptr<SpatialGrid> grid = buildCourseGrid(*course);
    std::printf("%s\n", toUtf8(grid->describe()).c_str());
    Vector3 point{x, 0.0f, z};
    Vector3 normal;
    const Mesh3D* mesh = grid->dropToGround(point, normal);
    if (!mesh) {
        std::printf("no ground under (%.3f, %.3f)\n", x, z);
        return exitFailed;
    }
    std::printf("height %.3f, normal (%.3f, %.3f, %.3f), mesh %s\n", point.y, normal.x, normal.y, normal.z,
                toUtf8(mesh->name).c_str());
    return exitOk;
}

} // namespace velmora::tool
