#pragma once
// A 3D node holding one textured quad ("chip"): plants, signs, the ball's trail.

#include "render/object3d.h"

namespace velmora {

enum class ChipOrientation : int { FacingX = 0, Flat = 1, FacingZ = 2 };

struct ChipParameters {
    float radiusScale = 1.0f;
    float width = 1.0f;
    float height = 1.0f;
    ChipOrientation orientation = ChipOrientation::FacingZ;
    Texture* texture = nullptr;
    Texture* alphaTexture = nullptr;
    bool mirror = false;
};

class Chip3D : public Object3D {
public:
    // Builds the quad: material "chipMtl" (flat, two-sided) and mesh "chip" of two triangles, the
    // texture covering it once, normalised to max(width, height) x radiusScale.
    explicit Chip3D(const ChipParameters& parameters);

    float worldWidth = 0.0f; // width x radiusScale x 2
    float worldHeight = 0.0f;

    std::unique_ptr<Object3D> copy(int flags) const override;

private:
    Chip3D() = default;
};

} // namespace velmora
