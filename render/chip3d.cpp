#include "render/chip3d.h"

#include "render/material_finish.h"
#include "render/model_normalise.h"

#include <algorithm>
#include <cmath>

namespace velmora {

Chip3D::Chip3D(const ChipParameters& p) {
    auto material = std::make_unique<Material3D>();
    material->name = L"chipMtl";
    material->texture = p.texture;
    material->alphaTexture = p.alphaTexture;
    material->flatShaded = true;
    material->twoSided = true;
    finishMaterial(*material);
    Material3D* chipMaterial = addMaterial(std::move(material));

    const float hw = std::fabs(p.width) / 2.0f;
    const float hh = std::fabs(p.height) / 2.0f;
    Vector3 corners[4];
    switch (p.orientation) {
    case ChipOrientation::FacingX:
        corners[0] = {0, hh, hw}, corners[1] = {0, -hh, hw}, corners[2] = {0, -hh, -hw}, corners[3] = {0, hh, -hw};
        break;
    case ChipOrientation::Flat:
        corners[0] = {hw, 0, hh}, corners[1] = {hw, 0, -hh}, corners[2] = {-hw, 0, -hh}, corners[3] = {-hw, 0, hh};
        break;
    default:
        corners[0] = {hw, hh, 0}, corners[1] = {hw, -hh, 0}, corners[2] = {-hw, -hh, 0}, corners[3] = {-hw, hh, 0};
        break;
    }
    // The picture's top-left corner is vertex 3, its bottom-right vertex 1.
    const Fixed16 one = textureUnit;
    const Fixed16 us[4] = {one, one, 0, 0};
    const Fixed16 vs[4] = {0, one, one, 0};
    auto mesh = std::make_unique<Mesh3D>();
    mesh->name = L"chip";
    mesh->material = chipMaterial;
    mesh->materialName = chipMaterial->name;
    for (int i = 0; i < 4; ++i) {
        Vertex3D vertex;
        vertex.x = toFixed11(corners[i].x);
        vertex.y = toFixed11(corners[i].y);
        vertex.z = toFixed11(corners[i].z);
        vertex.u = p.mirror ? one - us[i] : us[i];
        vertex.v = vs[i];
        mesh->vertices.push_back(vertex);
    }
    mesh->addFace(0, 1, 2);
    mesh->addFace(2, 3, 0);
    addMesh(std::move(mesh));

    worldWidth = p.width * p.radiusScale * 2.0f;
    worldHeight = p.height * p.radiusScale * 2.0f;
    normalise(*this, std::max(p.width, p.height) * p.radiusScale);
}

std::unique_ptr<Object3D> Chip3D::copy(int flags) const {
    std::unique_ptr<Chip3D> chip(new Chip3D());
    copyInto(*chip, flags);
    chip->worldWidth = worldWidth;
    chip->worldHeight = worldHeight;
    return chip;
}

} // namespace velmora
