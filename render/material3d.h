#pragma once
// A surface material of a 3D mesh: colours, textures and the shading mode the rasterizer uses.

#include "render/fixed_point.h"
#include "render/shading_mode.h"

#include <cstdint>
#include <string>

namespace velmora {

struct Texture;

enum class AlphaMode : uint8_t { None = 0, ColourKey = 1 };

// Bits of Material3D::edgeFlags: the edges drawn as lines, and whether the face is filled too.
enum EdgeFlag : uint8_t { EdgeAB = 1, EdgeBC = 2, EdgeCA = 4, EdgeFill = 8 };

struct Material3D {
    std::wstring name;
    uint32_t diffuse = 0x969696;
    uint32_t selfIllumination = 0;
    int transparency = 0; // 0 opaque ... 255
    Texture* texture = nullptr;
    int textureAmount = 255;
    Texture* alphaTexture = nullptr;
    AlphaMode alphaMode = AlphaMode::None;
    Fixed16 textureOffsetU = 0; // added to every texture coordinate when drawn
    Fixed16 textureOffsetV = 0;
    uint32_t keyColour = 0;
    ShadingMode detailLevel = ShadingMode::Lit;
    int shininessStrength = 0;
    Texture* reflectionTexture = nullptr;
    int reflectionAmount = 0;
    bool twoSided = false;
    bool flatShaded = false;
    bool wire = false;
    int specularLevel = 255;
    int reflectionBlend = 255;
    uint8_t edgeFlags = 0;
    int edgeWidth = 0;
    // The map names as the file gives them, for tools and messages; the textures are owned by the
    // page's image cache.
    std::wstring textureName;
    std::wstring alphaTextureName;
    std::wstring reflectionTextureName;

    // For scrolling textures: truncate(u x 65536), truncate(v x 65536).
    void setTextureOffset(float u, float v) {
        textureOffsetU = toFixed16(u);
        textureOffsetV = toFixed16(v);
    }
    // Transparent materials and separate alpha maps are drawn after the opaque faces.
    bool isOpaque() const {
        return transparency == 0 && (alphaTexture == nullptr || alphaMode == AlphaMode::ColourKey);
    }
};

} // namespace velmora
