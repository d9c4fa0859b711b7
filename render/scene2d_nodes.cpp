#include "render/scene2d_nodes.h"

#include "render/image_cache.h"

namespace velmora {
namespace {

Texture* picture(ImageCache* images, const std::wstring& folder, const std::wstring& name) {
    if (!images || name.empty())
        return nullptr;
    return images->lookup(folder, name, PowerOfTwo::Pad);
}

} // namespace

std::unique_ptr<Scene2D> buildScene2D(const Scene2DValues& values) {
    auto scene = std::make_unique<Scene2D>();
    scene->x = values.x;
    scene->y = values.y;
    scene->width = values.width;
    scene->height = values.height;
    scene->painter = std::make_unique<Scene2DPainter>(*scene);
    return scene;
}

std::unique_ptr<Group2D> buildGroup2D(ImageCache* images, const std::wstring& folder,
                                      const Group2DValues& values) {
    auto rect = buildRect2D(picture(images, folder, values.texture), picture(images, folder, values.mask),
                            values.scale);
    if (!rect)
        return nullptr;
    rect->visible = values.visible;
    rect->setDetailLevel(values.detailLevel);
    for (auto& material : rect->materials)
        material->diffuse = values.color;
    return rect;
}

std::vector<std::unique_ptr<Group2D>> copiesOf(const Group2D& node, int number) {
    std::vector<std::unique_ptr<Group2D>> copies;
    for (int i = 1; i < number; ++i)
        copies.push_back(node.copy());
    return copies;
}

} // namespace velmora
