#include "gui/canvas.h"
#include "gui/node_loaders.h"
#include "render/scene3d_nodes.h"

#include <algorithm>

namespace velmora {

namespace {

Scene3D* sceneContainer(Canvas& page, const TemplateLine& line) {
    const std::optional<std::wstring> name = line.text(L"container");
    Scene* scene = name ? page.findScene(*name) : nullptr;
    return scene && scene->kind == SceneKind::Scene3D ? static_cast<Scene3D*>(scene) : nullptr;
}

NodeSources sourcesOf(Canvas& page) {
    return NodeSources{&page.modelCache, &page.imageCache, page.folder};
}

Group3DValues modelValues(const TemplateLine& line) {
    Group3DValues values;
    values.radius = line.real(L"radius", 1.0f);
    values.model = line.text(L"model", L"");
    values.wantedObjects = line.text(L"wantedObjectsWhenNormalize");
    values.unwantedObjects = line.text(L"unwantedObjectsWhenNormalize");
    return values;
}

Chip3DValues chipValues(const TemplateLine& line) {
    Chip3DValues values;
    values.radius = line.real(L"radius", 1.0f);
    values.width = line.real(L"width", 1.0f);
    values.height = line.real(L"height", 1.0f);
    values.orientation = line.integer(L"orientation", 2);
    values.texture = line.text(L"texture", L"");
    values.alpha = line.text(L"alpha", L"");
    values.mirror = line.flag(L"mirror", false);
    return values;
}

NodeSettings nodeSettings(const TemplateLine& line) {
    NodeSettings settings;
    settings.visible = line.flag(L"visible", true);
    settings.detailLevel = shadingModeFromNumber(line.integer(L"detailLevel", 2));
    settings.environmentEnabled = line.flag(L"environmentEnabled", true);
    settings.billboard = line.integer(L"billboard", BillboardNone);
    settings.cullingPolicy = line.integer(L"cullingPolicy", 1);
    return settings;
}

} // namespace

void loadObject3DLine(Canvas& page, const std::wstring& key, const std::wstring& type,
                      const TemplateLine& line) {
    Scene3D* scene = sceneContainer(page, line);
    if (!scene)
        return; // it could not be found by name: building the model would only fill the caches
    std::unique_ptr<Object3D> node = type == L"Group3D" ? buildGroup3D(sourcesOf(page), modelValues(line))
                                                        : buildChip3D(sourcesOf(page), chipValues(line));
    if (!node)
        return;
    applyNodeSettings(*node, nodeSettings(line));
    std::vector<std::unique_ptr<Object3D>> copies = copiesOf(*node, copyCount(line));
    scene->add(copyName(key, line, 0), std::move(node));
    for (size_t i = 0; i < copies.size(); ++i)
        scene->add(copyName(key, line, static_cast<int>(i) + 1), std::move(copies[i]));
}

void loadLodLine(Canvas& page, const TemplateLine& line) {
    const std::optional<std::wstring> container = line.text(L"container");
    auto* node = container ? dynamic_cast<Object3D*>(page.findNode(*container)) : nullptr;
    if (!node)
        return;
    const int levels = std::clamp(line.integer(L"levelNum", 1), 1, maxCopies);
    attachLevels(*node, sourcesOf(page), line.text(L"model", L""), levels, line.real(L"segment", 1.0f),
                 modelValues(line));
}

void loadLightLine(Canvas& page, const std::wstring& key, const TemplateLine& line) {
    if (Scene3D* scene = sceneContainer(page, line))
        scene->addLight(templateLight(key, line.text(L"dir"), line.colour(L"color", 0xFFFFFF)));
}

void loadFogLine(Canvas& page, const TemplateLine& line) {
    if (Scene3D* scene = sceneContainer(page, line))
        scene->setFog(
            Fog3D{line.real(L"front", 100.0f), line.real(L"back", 200.0f), line.colour(L"color", 0xFFFFFF)});
}

} // namespace velmora
