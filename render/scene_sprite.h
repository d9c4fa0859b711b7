#pragma once
// The scene kind that holds sprites, and its painter: the background, then every visible sprite
// in list order (later ones cover earlier ones).

#include "render/scene.h"
#include "platform/gdi.h"
#include "render/sprite.h"

#include <cstdint>

namespace velmora {

struct SceneSprite : Scene {
    SceneSprite();
    ~SceneSprite() override;
    // Makes the index font: the given height (already scaled, at least 11), normal weight.
    void setIndexTextSize(int textHeight);

    uint32_t indexTextColor = 0xFFFF00;
    HFONT indexFont = nullptr; // owned
    int indexTextOffsetX = 0, indexTextOffsetY = 0;
};

class SpriteScenePainter : public ScenePainter {
public:
    explicit SpriteScenePainter(SceneSprite& scene) : scene_(scene) {}
    void draw(float timeStep) override;
    uint32_t frameCounter() const { return frameCounter_; }
    // The page's keyboard shortcut labels: drawn over the sprites while on.
    bool showIndexTexts = true;

private:
    void drawIndexTexts(Surface& target) const;

    SceneSprite& scene_;
    uint32_t frameCounter_ = 0;
};

// Where a scene draws: its own buffer while buffered, else the page's back buffer.
Surface* sceneTarget(const Scene& scene, const Viewport& viewport);

// The background every scene kind starts with: its picture (copied when it has the scene's size,
// else stretched, keyed when the picture has a key) or its colour over the viewport.
void drawSceneBackground(const Scene& scene, const Viewport& viewport);

// The topmost visible widget sprite whose rectangle (edges included) contains the page point.
Sprite* hitTest(const SceneSprite& scene, int x, int y);

} // namespace velmora
