#include "render/view3d.h"

#include "render/mesh_prepare.h"
#include "render/pixel_colour.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace velmora {
namespace {

Fixed11 clipToFixed(float distance) {
    return std::max(saturatedInt(distance * static_cast<float>(worldUnit)), 1);
}

} // namespace

View3D::View3D() = default;

void View3D::setViewport(int width, int height) {
    camera.setViewport(width, height);
    zBuffer_.assign(static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0)), depthEmpty);
}

void View3D::rebuildLighting() { lightingBitsPerPixel_ = 0; }

void View3D::ensureLighting(int bitsPerPixel) {
    if (lighting_ && lightingBitsPerPixel_ == bitsPerPixel)
        return;
    if (!lighting_)
        lighting_ = std::make_unique<LightingTables>();
    buildLightingTables(*lighting_, lights, settings.ambient, bitsPerPixel);
    lightingBitsPerPixel_ = bitsPerPixel;
}

Matrix4 View3D::nodeToView(const Object3D& node) {
    const Matrix4& view = camera.viewMatrix();
    if (node.billboard == BillboardVertical) {
        // Turn the node about the world's vertical axis to face the camera.
        const Vector3 forward{view.m[8], view.m[9], view.m[10]};
        const Vector3 up{0, 1, 0};
        const Vector3 side = cross(up, forward).normalised();
        const Vector3 facing = cross(side, up).normalised();
        const float scale = Vector3{node.transform.m[0], node.transform.m[4], node.transform.m[8]}.length();
        Matrix4 turned;
        const Vector3 columns[3] = {side, up, facing};
        for (int column = 0; column < 3; ++column) {
            turned.m[column] = columns[column].x * scale;
            turned.m[4 + column] = columns[column].y * scale;
            turned.m[8 + column] = columns[column].z * scale;
        }
        turned.setTranslation(node.transform.getTranslation());
        return view * turned;
    }
    Matrix4 toView = view * node.transform;
    if (node.billboard == BillboardScreen) {
        // Parallel to the screen: only the node's own scale is kept.
        const float scale = Vector3{node.transform.m[0], node.transform.m[4], node.transform.m[8]}.length();
        toView.setIdentity3x3();
        toView.setScale(scale, scale, scale);
    }
    return toView;
}

bool View3D::passesCulling(const Object3D& node, const Matrix4& toView) const {
    if (node.cullingPolicy != 1)
        return true;
    const Fixed11 nearPlane = clipToFixed(node.nearClip > 0.0f ? node.nearClip : settings.frontClip);
    const Fixed11 farPlane = clipToFixed(node.farClip > 0.0f ? node.farClip : settings.backClip);
    const auto fixed = [](float value) { return static_cast<int64_t>(std::clamp(value * 2048.0f, -4.0e12f, 4.0e12f)); };
    const int64_t cx = fixed(toView.m[3]);
    const int64_t cy = fixed(toView.m[7]);
    const int64_t cz = fixed(toView.m[11]);
    const int64_t r = fixed(node.radius);
    if (cz > farPlane + r || cz < nearPlane - r)
        return false;
    const int64_t reach = (std::llabs(cz + r) >> 10) * camera.tanHalfFov();
    return std::llabs(cx) - r <= reach && std::llabs(cy) - r <= reach;
}

int View3D::levelOf(const Object3D& node) { return node.levelAt(nodeToView(node).m[11]); }

void View3D::draw(const RasterTarget& sceneTarget, std::span<Object3D* const> nodes) {
    const size_t pixels = static_cast<size_t>(std::max(sceneTarget.width, 0)) * std::max(sceneTarget.height, 0);
    if (zBuffer_.size() != pixels)
        zBuffer_.assign(pixels, depthEmpty);
    if (zBufferProvider && zBufferProvider->zBuffer_.size() == pixels)
        std::memcpy(zBuffer_.data(), zBufferProvider->zBuffer_.data(), pixels * sizeof(uint32_t));
    else
        std::memset(zBuffer_.data(), 0xFF, pixels * sizeof(uint32_t));
    if (!camera.hasViewport() || !sceneTarget.valid())
        return;

    RasterTarget target = sceneTarget;
    target.depth = zBuffer_.data();
    ensureLighting(target.bitsPerPixel);
    FrameSettings frame;
    frame.target = target;
    frame.projection = camera.projectionFactor();
    frame.centreX = camera.viewport().centreX;
    frame.centreY = camera.viewport().centreY;
    frame.lighting = lighting_.get();
    if (settings.fog) {
        const Fog3D& fog = *settings.fog;
        const auto depthOf = [](float distance) {
            return std::max(saturatedInt(distance * 65536.0f), 0);
        };
        frame.fog.enabled = true;
        frame.fog.front = depthOf(fog.front);
        frame.fog.back = std::max(depthOf(fog.back), frame.fog.front + 1);
        frame.fog.scale = (int64_t{256} << 16) / (int64_t{frame.fog.back} - frame.fog.front);
        frame.fog.colour = encodePixel(fog.colour, target.bitsPerPixel);
    }
    renderer.beginFrame(frame);

    for (Object3D* node : nodes) {
        if (!node || !node->visible)
            continue;
        const Matrix4 toView = nodeToView(*node);
        if (!passesCulling(*node, toView))
            continue;
        prepare(*node, false);
        const FixedTransform fixed = toFixedTransform(toView);
        const Fixed11 nearPlane = clipToFixed(node->nearClip > 0.0f ? node->nearClip : settings.frontClip);
        for (const auto& mesh : node->meshesForLevel(node->levelAt(toView.m[11]))) {
            if (mesh->visible)
                renderer.addMesh(*mesh, fixed, nearPlane);
        }
    }
    renderer.endFrame();
}

} // namespace velmora
