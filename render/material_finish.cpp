#include "render/material_finish.h"

#include "render/texture.h"

namespace velmora {

void finishMaterial(Material3D& material) {
    if (!material.texture || material.texture->frames.empty())
        return;
    const Surface& first = material.texture->surface();
    if (first.hasTransparentColor) {
        material.alphaTexture = material.texture;
        material.alphaMode = AlphaMode::ColourKey;
        material.keyColour = first.transparentColor;
    }
}

} // namespace velmora
