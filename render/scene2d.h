#pragma once
// The scene kind that holds flat textured quads, and its painter: the background, then every
// visible group's quads in list order, through the scene's 2D transform rules (origin at the
// scene's centre, y up, scaled with the layout).

#include "render/group2d.h"
#include "render/scene.h"

#include <cstdint>

namespace velmora {

struct Scene2D : Scene {
    Scene2D() : Scene(SceneKind::Scene2D) {}
    // The group node of that name among the children, or none.
    Group2D* findGroup(const std::wstring& nodeName) const;
};

class Scene2DPainter : public ScenePainter {
public:
    explicit Scene2DPainter(Scene2D& scene) : scene_(scene) {}
    void draw(float timeStep) override;

private:
    Scene2D& scene_;
};

} // namespace velmora
