#include "render/scene2d.h"

#include "platform/ui_scale.h"
#include "render/quad_renderer.h"
#include "render/scene_sprite.h"

#include <algorithm>

namespace velmora {

Group2D* Scene2D::findGroup(const std::wstring& nodeName) const {
    return dynamic_cast<Group2D*>(find(nodeName));
}

void Scene2DPainter::draw(float /*timeStep*/) {
    Surface* target = sceneTarget(scene_, viewport);
    if (!target || target->empty())
        return;
    drawSceneBackground(scene_, viewport);
    // The scene's rectangle on the target, cut at the target's right and bottom edges.
    const int x = viewport.x;
    const int y = viewport.y;
    if (x < 0 || y < 0 || x >= target->width || y >= target->height)
        return;
    RasterTarget raster;
    raster.bits = target->pixelAddress(x, y);
    raster.stride = target->stride;
    raster.width = std::min(viewport.width, target->width - x);
    raster.height = std::min(viewport.height, target->height - y);
    raster.bitsPerPixel = target->bitsPerPixel;
    if (!raster.valid())
        return;
    QuadView view;
    view.width = viewport.width;
    view.height = viewport.height;
    view.scale = quadViewScale(viewport.width, uiScale(), scene_.width);
    for (int i = 0; i < scene_.children.count(); ++i) {
        const auto* group = dynamic_cast<const Group2D*>(scene_.children.at(i));
        if (group && group->visible)
            drawGroup2D(raster, view, *group);
    }
}

} // namespace velmora
