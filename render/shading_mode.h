#pragma once
// How the rasterizer colours a material's pixels. The numbers are those of the page templates'
// "detailLevel" key and of the rasterizer's table of span routines.

#include <algorithm>

namespace velmora {

enum class ShadingMode : int {
    Unlit = 1,        // the texel (or the material colour) as it is
    Lit = 2,          // diffuse light x texel (or colour)
    LitBlended = 3,   // as Lit, blended toward what lies behind by the transparency, plus specular
    UnlitBlended = 4, // as Unlit, blended by the transparency
    Reflective = 5,   // light x colour mixed with light x texel, self-illumination, reflection, specular
};

inline constexpr int shadingModeCount = 5;

// A number read from a template: out-of-range values take the nearest mode.
constexpr ShadingMode shadingModeFromNumber(int number) {
    return static_cast<ShadingMode>(std::clamp(number, 1, shadingModeCount));
}

// Light from the lighting tables: per pixel for smooth materials, per face for flat ones.
constexpr bool isLit(ShadingMode mode) {
    return mode == ShadingMode::Lit || mode == ShadingMode::LitBlended || mode == ShadingMode::Reflective;
}

} // namespace velmora
