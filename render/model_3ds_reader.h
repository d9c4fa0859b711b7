#pragma once
// Reads a 3D Studio mesh file from a byte buffer into a model: named meshes with vertices turned
// into the engine's y-up frame, faces, mapping coordinates and materials. The file is outside
// data: every length, count and index is checked against what encloses it.

#include "render/object3d.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace velmora {

// Gives the texture for a map name of the file (none when it cannot be loaded).
using TextureLoader = std::function<Texture*(const std::wstring& mapName)>;

enum class Read3dsResult {
    Ok,
    Damaged,    // read what was sound; lengths, counts or indices had to be clipped or dropped
    NotA3dsFile // no main chunk: nothing read
};

Read3dsResult read3ds(std::span<const uint8_t> data, Model3D& model, const TextureLoader& loadTexture);

} // namespace velmora
