#pragma once
// The 3D part of a scene: camera, clip distances, ambient light, fog, lights with their lighting
// tables, the z-buffer and the renderer, and the per-frame traversal that draws a list of nodes.

#include "render/camera3d.h"
#include "render/light3d.h"
#include "render/lighting_table.h"
#include "render/object3d.h"
#include "render/raster_target.h"
#include "render/renderer3d.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace velmora {

struct Scene3DSettings {
    float frontClip = 1.0f;
    float backClip = 1000.0f;
    uint32_t ambient = 0;
    std::optional<Fog3D> fog;
};

class View3D {
public:
    View3D();

    Camera3D camera;
    Scene3DSettings settings;
    std::vector<Light3D> lights; // in template order
    // Another view whose depths start each frame instead of an empty z-buffer (same size).
    const View3D* zBufferProvider = nullptr;
    Renderer3D renderer;

    // The size of the scene's rectangle: camera viewport and z-buffer.
    void setViewport(int width, int height);
    void addLight(const Light3D& light) { lights.push_back(light); }
    // Rebuilds the lighting tables from the lights and ambient colour (after placing lights).
    void rebuildLighting();
    void setSorting(bool opaque, bool translucent) {
        renderer.sortOpaque = opaque;
        renderer.sortTranslucent = translucent;
    }

    // Draws the visible nodes into target (the scene's rectangle) with the z-buffer.
    void draw(const RasterTarget& target, std::span<Object3D* const> nodes);

    const std::vector<uint32_t>& zBuffer() const { return zBuffer_; }
    // The level of detail the traversal would draw for a node (-1: its own meshes).
    int levelOf(const Object3D& node);
    // Node -> view, with the billboard rules applied.
    Matrix4 nodeToView(const Object3D& node);
    // Whether the culling test keeps a node whose node -> view matrix is given.
    bool passesCulling(const Object3D& node, const Matrix4& toView) const;

private:
    void ensureLighting(int bitsPerPixel);

    std::vector<uint32_t> zBuffer_;
    std::unique_ptr<LightingTables> lighting_;
    int lightingBitsPerPixel_ = 0;
};

} // namespace velmora
