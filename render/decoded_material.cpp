#include "render/decoded_material.h"

#include "render/material3d.h"
#include "render/mesh3d.h"
#include "render/pixel_colour.h"

#include <algorithm>

namespace velmora {

DecodedMaterial decodeMaterial(const Material3D& material, const Mesh3D& mesh, int bitsPerPixel) {
    DecodedMaterial decoded;
    decoded.detailLevel = material.detailLevel;
    decoded.colour = encodePixel(material.diffuse, bitsPerPixel);
    decoded.texture = texelMapOf(material.texture, bitsPerPixel);
    decoded.textured = decoded.texture.valid();
    if (material.alphaTexture && material.alphaMode == AlphaMode::ColourKey) {
        decoded.keyed = decoded.textured;
        decoded.key = encodePixel(material.keyColour, bitsPerPixel);
    } else if (material.alphaTexture) {
        decoded.alpha = texelMapOf(material.alphaTexture, bitsPerPixel);
    }
    decoded.twoSided = material.twoSided;
    decoded.wire = material.wire;
    decoded.edgeFlags = material.edgeFlags;
    decoded.edgeWidth = material.edgeWidth;
    if (decoded.detailLevel != ShadingMode::Unlit) {
        decoded.flat = material.flatShaded;
        decoded.transparency = std::clamp(material.transparency, 0, 255);
        decoded.specularLevel = std::clamp(material.specularLevel, 0, 255);
    }
    if (decoded.detailLevel == ShadingMode::Reflective) {
        decoded.selfIllumination = encodePixel(material.selfIllumination, bitsPerPixel);
        decoded.textureAmount = std::clamp(material.textureAmount, 0, 255);
        if (!decoded.flat && mesh.environmentEnabled) {
            decoded.reflection = texelMapOf(material.reflectionTexture, bitsPerPixel);
            decoded.reflectionMaskX = std::min<uint32_t>(decoded.reflection.widthMask, 255);
            decoded.reflectionMaskY = std::min<uint32_t>(decoded.reflection.heightMask, 255);
            decoded.reflectionBlend = std::clamp(material.reflectionBlend, 0, 255);
        }
    }
    return decoded;
}

} // namespace velmora
