#include "game/course_features.h"

#include <algorithm>
#include <memory>

namespace velmora {

namespace {
constexpr int halfCount = 4; // points -4 ... 4 in each direction
constexpr int side = 2 * halfCount + 1;
constexpr float spacing = 3.75f;
constexpr float dropHeight = 100.0f;
constexpr uint32_t netColour = 0xFFE678; // (255, 230, 120)
constexpr float edgeWidth = 0.05f;       // the thinnest line

constexpr float netDepthBias = 5.0f; // the net wins the depth test against the green under it
} // namespace

Object3D* buildGreenGrid(Scene3D& mainScene, const Terrain& terrain, const Vector3& cup) {
    auto material = std::make_unique<Material3D>();
    material->name = L"gridMtl";
    material->diffuse = netColour;
    material->detailLevel = ShadingMode::Unlit;
    material->edgeFlags = EdgeAB | EdgeBC;
    // The renderer draws edges in whole pixels: the whole part of the 16.16 width.
    material->edgeWidth = toFixed16(edgeWidth) >> textureShift;
    material->twoSided = true;
    // Edge lines are drawn without a depth test, so the ground faces drawn after them would cover
    // them: a see-through material is drawn after every opaque face (its value plays no part in
    // the unlit mode, which draws no fill here anyway).
    material->transparency = 1;

    auto mesh = std::make_unique<Mesh3D>();
    mesh->name = L"grids";
    mesh->depthBias = toFixed16(netDepthBias);
    // The node stands at the cup, so that its bounding sphere is where the net is.
    float radius = 0.0f;
    for (int i = -halfCount; i <= halfCount; ++i) {
        for (int j = -halfCount; j <= halfCount; ++j) {
            Vector3 point{cup.x + static_cast<float>(i) * spacing, dropHeight,
                          cup.z + static_cast<float>(j) * spacing};
            Vector3 normal;
            terrain.dropToGround(point, normal);
            const Vector3 local = point - cup;
            radius = std::max(radius, local.length());
            Vertex3D vertex;
            vertex.x = toFixed11(local.x);
            vertex.y = toFixed11(local.y);
            vertex.z = toFixed11(local.z);
            mesh->vertices.push_back(vertex);
            const int k = static_cast<int>(mesh->vertices.size()) - 1;
            if (i > -halfCount && j > -halfCount) {
                mesh->addFace(k, k - side, k - side - 1);
                mesh->addFace(k - side - 1, k - 1, k);
            }
        }
    }
    auto grid = std::make_unique<Object3D>();
    mesh->material = grid->addMaterial(std::move(material));
    mesh->materialName = mesh->material->name;
    grid->addMesh(std::move(mesh));
    grid->detailLevel = ShadingMode::Unlit;
    grid->radius = radius;
    grid->transform = Matrix4::translation(cup);
    grid->visible = false;
    Object3D* node = grid.get();
    mainScene.add(greenGridName, std::move(grid));
    return node;
}

} // namespace velmora
