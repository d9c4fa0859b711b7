#pragma once
// The scene kind that shows 3D nodes through a camera, and its painter: the background, then the
// nodes drawn with the z-buffer into the scene's rectangle of the page.

#include "render/scene.h"
#include "render/view3d.h"

#include <cstdint>

namespace velmora {

struct Scene3D : Scene {
    Scene3D();

    View3D view; // camera, clip distances, ambient, fog, lights, z-buffer
    // An earlier scene whose depths this one starts each frame with (same size), or none.
    Scene3D* zBufferProviderScene = nullptr;

    void addLight(const Light3D& light);
    void setAmbient(uint32_t colour);
    void setFrontClip(float distance) { view.settings.frontClip = distance; }
    void setBackClip(float distance) { view.settings.backClip = distance; }
    void setFog(const Fog3D& fog) { view.settings.fog = fog; }
    void setSorting(bool opaque, bool translucent) { view.setSorting(opaque, translucent); }
    // The camera's viewport and the z-buffer follow the scene's size.
    void setSize(int sceneWidth, int sceneHeight);
};

class Scene3DPainter : public ScenePainter {
public:
    explicit Scene3DPainter(Scene3D& scene) : scene_(scene) {}
    // A positive time step counts a new frame: textures animate once per frame.
    void draw(float timeStep) override;
    uint32_t frameCounter() const { return frameCounter_; }

private:
    Scene3D& scene_;
    uint32_t frameCounter_ = 0;
};

} // namespace velmora
