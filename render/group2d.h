#pragma once
// The nodes of a flat scene: a group holds textured quads (one four-corner mesh and its material),
// placed by a 2D transform. A Rect2D is a group whose quad shows a picture at its loaded size,
// built from a texture and/or a mask of the page's image cache.

#include "render/fixed_point.h"
#include "render/material3d.h"
#include "render/scene.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

struct Texture;

// x' = a x + b y + tx, y' = c x + d y + ty, in the scene's units (origin at its centre, y up).
struct Transform2D {
    float a = 1.0f, b = 0.0f, tx = 0.0f;
    float c = 0.0f, d = 1.0f, ty = 0.0f;

    static Transform2D translation(float x, float y) { return {1.0f, 0.0f, x, 0.0f, 1.0f, y}; }
};

struct Vertex2D {
    float x = 0.0f;
    float y = 0.0f;
    Fixed16 u = 0; // texture units, 16.16 (1.0 is the whole stored texture)
    Fixed16 v = 0;
};

// One four-corner face, its corners in drawing order (drawn as the triangles 0-1-2 and 2-3-0).
struct Quad2D {
    std::wstring name;
    std::array<Vertex2D, 4> corners;
    Material3D* material = nullptr; // owned by the group
};

struct Group2D : Node {
    bool visible = true;
    Transform2D transform;
    std::vector<Quad2D> quads;
    std::vector<std::unique_ptr<Material3D>> materials;

    Material3D* addMaterial(std::unique_ptr<Material3D> material);
    Material3D* firstMaterial() const { return materials.empty() ? nullptr : materials.front().get(); }
    Material3D* findMaterial(const std::wstring& materialName) const;
    Quad2D* findQuad(const std::wstring& quadName);
    // Writes the shading mode into every material.
    void setDetailLevel(ShadingMode level);
    // A copy with materials of its own (so that each copy can scroll or fade alone).
    virtual std::unique_ptr<Group2D> copy() const;

protected:
    void copyInto(Group2D& target) const;
};

struct Rect2D : Group2D {
    // Moves the four corners to (-w/2, h/2), (w/2, h/2), (w/2, -h/2), (-w/2, -h/2).
    void resize(float width, float height);
    std::unique_ptr<Group2D> copy() const override;
};

// A quad showing the picture at its loaded size times scale, with mesh "rectangle" and material
// "rectMtl" (shading mode 1), the texture's padding never shown. A mask is the material's alpha map.
// Without texture and mask, or with both of different sizes, the user is told (title "Error") and
// nothing is built.
std::unique_ptr<Rect2D> buildRect2D(Texture* texture, Texture* mask, float scale);

} // namespace velmora
