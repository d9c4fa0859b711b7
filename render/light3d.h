#pragma once
// Directional lights and fog of a 3D scene.

#include "render/vector3.h"

#include <cstdint>
#include <string>

namespace velmora {

struct Light3D {
    std::wstring name;
    uint32_t diffuse = 0xFFFFFF;
    uint32_t specular = 0xFFFFFF;
    int specularStrength = 320;
    int specularSharpness = 120;
    Vector3 direction{0, -1, 0}; // unit length: the way the light travels

    Light3D() = default;
    // The direction is normalised.
    Light3D(const Vector3& lightDirection, uint32_t diffuseColour, uint32_t specularColour, int strength,
            int sharpness)
        : diffuse(diffuseColour), specular(specularColour), specularStrength(strength),
          specularSharpness(sharpness), direction(lightDirection.normalised()) {}
};

struct Fog3D {
    float front = 100.0f; // world units from the eye where fog starts
    float back = 200.0f;  // where it is complete
    uint32_t colour = 0xFFFFFF;
};

} // namespace velmora
