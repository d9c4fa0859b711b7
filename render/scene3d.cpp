#include "render/scene3d.h"

#include "render/object3d.h"
#include "render/scene_sprite.h"
#include "render/texture.h"

#include <algorithm>
#include <vector>

namespace velmora {
namespace {

void animate(Texture* texture, float timeStep, uint32_t frameCounter) {
    if (texture && texture->animationEnabled && texture->lastFrameTick != frameCounter) {
        texture->animate(timeStep);
        texture->lastFrameTick = frameCounter;
    }
}

} // namespace

Scene3D::Scene3D() : Scene(SceneKind::Scene3D) { view.camera.setFieldOfView(45.0f); }

void Scene3D::addLight(const Light3D& light) {
    view.addLight(light);
    view.rebuildLighting();
}

void Scene3D::setAmbient(uint32_t colour) {
    view.settings.ambient = colour;
    view.rebuildLighting();
}

void Scene3D::setSize(int sceneWidth, int sceneHeight) {
    width = sceneWidth;
    height = sceneHeight;
    view.setViewport(sceneWidth, sceneHeight);
}

void Scene3DPainter::draw(float timeStep) {
    if (timeStep > 0.0f)
        ++frameCounter_;
    Surface* target = sceneTarget(scene_, viewport);
    if (!target || target->empty())
        return;
    drawSceneBackground(scene_, viewport);

    std::vector<Object3D*> nodes;
    nodes.reserve(scene_.children.count());
    for (int i = 0; i < scene_.children.count(); ++i) {
        auto* node = dynamic_cast<Object3D*>(scene_.children.at(i));
        if (!node || !node->visible)
            continue;
        nodes.push_back(node);
        for (const auto& material : *node->materials) {
            animate(material->texture, timeStep, frameCounter_);
            animate(material->alphaTexture, timeStep, frameCounter_);
        }
    }
    // The scene's rectangle on the target, cut at the target's right and bottom edges.
    const int x = viewport.x;
    const int y = viewport.y;
    if (x < 0 || y < 0)
        return;
    RasterTarget raster; // stays invalid (nothing drawn) when the scene starts past the target
    if (x < target->width && y < target->height)
        raster.bits = target->pixelAddress(x, y);
    raster.stride = target->stride;
    raster.width = std::min(viewport.width, target->width - x);
    raster.height = std::min(viewport.height, target->height - y);
    raster.bitsPerPixel = target->bitsPerPixel;
    if (!scene_.view.camera.hasViewport())
        scene_.setSize(viewport.width, viewport.height);
    scene_.view.zBufferProvider = scene_.zBufferProviderScene ? &scene_.zBufferProviderScene->view : nullptr;
    scene_.view.draw(raster, nodes);
}

} // namespace velmora
