#include "render/scene_sprite.h"

namespace velmora {

SceneSprite::SceneSprite() : Scene(SceneKind::Sprite) { painter = std::make_unique<SpriteScenePainter>(*this); }

Surface* sceneTarget(const Scene& scene, const Viewport& viewport) {
    return scene.buffered && scene.buffer ? scene.buffer.get() : viewport.target;
}

void drawSceneBackground(const Scene& scene, const Viewport& viewport) {
    Surface* target = sceneTarget(scene, viewport);
    if (!target)
        return;
    if (scene.bkgTexture) {
        const Surface& picture = scene.bkgTexture->currentSurface();
        const uint32_t key = picture.hasTransparentColor ? picture.transparentColor : noColor;
        if (scene.bkgTexture->width == viewport.width && scene.bkgTexture->height == viewport.height)
            copyBlit(*target, picture, viewport.x, viewport.y, wholeSurface, key);
        else
            stretchBlit(*target, picture, viewport.x, viewport.y, viewport.width, viewport.height, wholeSurface, key);
    } else if (scene.bkgColor != noColor) {
        fillRect(*target, scene.bkgColor, viewport.x, viewport.y, viewport.width, viewport.height);
    }
}

void SpriteScenePainter::draw(float timeStep) {
    if (timeStep > 0.0f)
        ++frameCounter_;
    drawSceneBackground(scene_, viewport);
    Surface* target = sceneTarget(scene_, viewport);
    if (!target)
        return;
    for (int i = 0; i < scene_.children.count(); ++i) {
        auto* sprite = static_cast<Sprite*>(scene_.children.at(i)); // a sprite scene holds sprites only
        if (sprite->visible)
            drawSprite(*sprite, *target, sprite->x + scene_.x, sprite->y + scene_.y, 1.0f, timeStep, frameCounter_);
    }
}

Sprite* hitTest(const SceneSprite& scene, int x, int y) {
    for (int i = scene.children.count() - 1; i >= 0; --i) {
        auto* sprite = static_cast<Sprite*>(scene.children.at(i));
        if (!sprite->visible || sprite->guiType == GuiType::None)
            continue;
        const int left = sprite->x + scene.x, top = sprite->y + scene.y;
        if (x >= left && x <= left + sprite->drawWidth() && y >= top && y <= top + sprite->drawHeight())
            return sprite;
    }
    return nullptr;
}

} // namespace velmora
