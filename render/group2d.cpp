#include "render/group2d.h"

#include "platform/message_box.h"
#include "platform/native_window.h"
#include "render/material_finish.h"
#include "render/texture.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

void showError(const wchar_t* text) {
    MessageBoxW(GetActiveWindow(), text, L"Error", MB_OK | MB_ICONERROR);
}

// size x 65536 / storedSize: the part of the stored texture the picture covers (none when the
// picture could not be read).
Fixed16 coveredPart(int size, int storedSize) {
    return storedSize > 0 ? static_cast<Fixed16>(int64_t{size} * textureUnit / storedSize) : 0;
}

// Re-centres the corners and scales them so that the largest half extent becomes halfExtent.
void normalise2D(Quad2D& quad, float halfExtent) {
    float minX = quad.corners[0].x, maxX = minX, minY = quad.corners[0].y, maxY = minY;
    for (const Vertex2D& corner : quad.corners) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    const float centreX = (minX + maxX) * 0.5f, centreY = (minY + maxY) * 0.5f;
    const float largest = std::max(maxX - minX, maxY - minY) * 0.5f;
    const float factor = largest > 0.0f ? halfExtent / largest : 1.0f;
    for (Vertex2D& corner : quad.corners) {
        corner.x = (corner.x - centreX) * factor;
        corner.y = (corner.y - centreY) * factor;
    }
}

} // namespace

Material3D* Group2D::addMaterial(std::unique_ptr<Material3D> material) {
    materials.push_back(std::move(material));
    return materials.back().get();
}

Material3D* Group2D::findMaterial(const std::wstring& materialName) const {
    for (const auto& material : materials) {
        if (material->name == materialName)
            return material.get();
    }
    return nullptr;
}

Quad2D* Group2D::findQuad(const std::wstring& quadName) {
    for (Quad2D& quad : quads) {
        if (quad.name == quadName)
            return &quad;
    }
    return nullptr;
}

void Group2D::setDetailLevel(ShadingMode level) {
    for (auto& material : materials)
        material->detailLevel = level;
}

void Group2D::copyInto(Group2D& target) const {
    target.name = name;
    target.visible = visible;
    target.transform = transform;
    target.quads = quads;
    for (const auto& material : materials) {
        Material3D* duplicate = target.addMaterial(std::make_unique<Material3D>(*material));
        for (Quad2D& quad : target.quads) {
            if (quad.material == material.get())
                quad.material = duplicate;
        }
    }
}

std::unique_ptr<Group2D> Group2D::copy() const {
    auto duplicate = std::make_unique<Group2D>();
    copyInto(*duplicate);
    return duplicate;
}

std::unique_ptr<Group2D> Rect2D::copy() const {
    auto duplicate = std::make_unique<Rect2D>();
    copyInto(*duplicate);
    return duplicate;
}

void Rect2D::resize(float width, float height) {
    if (quads.empty())
        return;
    const float w = width * 0.5f, h = height * 0.5f;
    const float corners[4][2] = {{-w, h}, {w, h}, {w, -h}, {-w, -h}};
    for (int i = 0; i < 4; ++i) {
        quads.front().corners[i].x = corners[i][0];
        quads.front().corners[i].y = corners[i][1];
    }
}

std::unique_ptr<Rect2D> buildRect2D(Texture* texture, Texture* mask, float scale) {
    if (!texture && !mask) {
        showError(L"The Rect2D should have either texture or mask.");
        return nullptr;
    }
    if (texture && mask &&
        (texture->originalWidth != mask->originalWidth || texture->originalHeight != mask->originalHeight)) {
        showError(L"The texture should have same dimension as mask.");
        return nullptr;
    }
    const Texture& picture = texture ? *texture : *mask;
    const int w = picture.originalWidth, h = picture.originalHeight;
    const Fixed16 u = coveredPart(w, picture.width), v = coveredPart(h, picture.height);

    auto rect = std::make_unique<Rect2D>();
    auto material = std::make_unique<Material3D>();
    material->name = L"rectMtl";
    material->detailLevel = ShadingMode::Unlit;
    material->texture = texture;
    if (mask)
        material->alphaTexture = mask; // a separate alpha map
    else
        finishMaterial(*material); // a picture with a transparent colour is keyed by it
    Quad2D quad;
    quad.name = L"rectangle";
    quad.material = rect->addMaterial(std::move(material));
    const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
    quad.corners = {Vertex2D{-fw, fh, 0, 0}, Vertex2D{fw, fh, u, 0}, Vertex2D{fw, -fh, u, v},
                    Vertex2D{-fw, -fh, 0, v}};
    normalise2D(quad, static_cast<float>(std::max(w, h)) * scale * 0.5f);
    rect->quads.push_back(quad);
    return rect;
}

} // namespace velmora
