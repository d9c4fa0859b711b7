#include "render/scene3d_nodes.h"

#include "base/wide_string.h"
#include "render/image_cache.h"

#include <algorithm>

namespace velmora {
namespace {

ModelRequest requestFor(const NodeSources& sources, const Group3DValues& values,
                        const std::wstring& fileName) {
    ModelRequest request;
    request.folder = sources.folder;
    request.fileName = fileName;
    request.radius = values.radius;
    request.imageCache = sources.images;
    request.wantedObjects = values.wantedObjects ? &*values.wantedObjects : nullptr;
    request.unwantedObjects = values.unwantedObjects ? &*values.unwantedObjects : nullptr;
    return request;
}

std::unique_ptr<Object3D> loadThroughCache(const NodeSources& sources, const ModelRequest& request) {
    return sources.models ? sources.models->get(request) : loadModel(request);
}

Texture* picture(const NodeSources& sources, const std::wstring& name) {
    if (!sources.images || name.empty())
        return nullptr;
    return sources.images->lookup(sources.folder, name, PowerOfTwo::Stretch);
}

} // namespace

std::unique_ptr<Scene3D> buildScene3D(const Scene3DValues& values) {
    auto scene = std::make_unique<Scene3D>();
    scene->x = values.x;
    scene->y = values.y;
    scene->setSize(std::max(values.width, 8), std::max(values.height, 8));
    scene->setAmbient(values.ambient);
    scene->setFrontClip(values.frontClip);
    scene->setBackClip(values.backClip);
    scene->zBufferProviderScene = values.zBufferProvider;
    scene->painter = std::make_unique<Scene3DPainter>(*scene);
    return scene;
}

std::unique_ptr<Object3D> buildGroup3D(const NodeSources& sources, const Group3DValues& values) {
    if (values.model.empty())
        return nullptr;
    return loadThroughCache(sources, requestFor(sources, values, values.model));
}

std::unique_ptr<Object3D> buildChip3D(const NodeSources& sources, const Chip3DValues& values) {
    ChipParameters parameters;
    parameters.radiusScale = values.radius;
    parameters.width = values.width;
    parameters.height = values.height;
    parameters.orientation = static_cast<ChipOrientation>(std::clamp(values.orientation, 0, 2));
    parameters.texture = picture(sources, values.texture);
    parameters.alphaTexture = picture(sources, values.alpha);
    parameters.mirror = values.mirror;
    return std::make_unique<Chip3D>(parameters);
}

void applyNodeSettings(Object3D& node, const NodeSettings& settings) {
    node.visible = settings.visible;
    node.setDetailLevel(settings.detailLevel);
    node.setEnvironmentEnabled(settings.environmentEnabled);
    node.billboard = settings.billboard;
    node.cullingPolicy = settings.cullingPolicy;
}

std::vector<std::unique_ptr<Object3D>> copiesOf(const Object3D& node, int number) {
    size_t vertices = 0;
    const auto count = [&vertices](const MeshList& meshes) {
        for (const auto& mesh : meshes)
            vertices += mesh->vertices.size();
    };
    count(*node.meshes);
    if (node.levels) {
        for (const auto& level : node.levels->models)
            count(*level->meshes);
    }
    // The node and its copies hold maxCopiedVertices at most together: a large model asked for
    // many times gets fewer copies.
    const size_t fitting = vertices == 0 ? size_t(number) : std::max<size_t>(maxCopiedVertices / vertices, 1);
    std::vector<std::unique_ptr<Object3D>> copies;
    for (size_t i = 1; i < std::min(size_t(number), fitting); ++i)
        copies.push_back(node.copy(CopyMeshes | CopyMaterials | CopyLevels));
    return copies;
}

bool attachLevels(Object3D& node, const NodeSources& sources, const std::wstring& models, int levelNum,
                  float segment, const Group3DValues& shared) {
    std::wstring list = models;
    trim(list, L"() ");
    std::vector<std::unique_ptr<Object3D>> levels;
    size_t start = 0;
    for (int i = 0; i < levelNum && start <= list.size(); ++i) {
        const size_t end = std::min(list.find(L';', start), list.size());
        std::wstring fileName = list.substr(start, end - start);
        trim(fileName, L" \t");
        start = end + 1;
        if (auto level = loadThroughCache(sources, requestFor(sources, shared, fileName)))
            levels.push_back(std::move(level));
    }
    if (levels.empty() || !(segment > 0.0f))
        return false;
    node.setLevels(std::move(levels), segment);
    return true;
}

Light3D templateLight(const std::wstring& name, const std::optional<std::wstring>& direction,
                      uint32_t colour) {
    Light3D light(direction ? parseVector3(*direction) : Vector3{0, -1, 0}, colour, colour, 320, 120);
    light.name = name.substr(0, 64);
    return light;
}

} // namespace velmora
