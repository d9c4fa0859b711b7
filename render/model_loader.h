#pragma once
// Loading a 3DS model from the game's resources: the file through the resource opener, its
// textures through the page's image cache, materials finished and the model normalised.

#include "render/object3d.h"

#include <memory>
#include <string>

namespace velmora {

class ImageCache;

struct ModelRequest {
    std::wstring folder;
    std::wstring fileName;
    float radius = 1.0f;
    ImageCache* imageCache = nullptr; // none: the model owns its textures
    const std::wstring* wantedObjects = nullptr;
    const std::wstring* unwantedObjects = nullptr;
    const std::wstring* textureFolder = nullptr; // none: the model's own folder
};

// The model, or none after telling the player why (missing or foreign file). A damaged file is
// reported and what could be read of it is returned.
std::unique_ptr<Model3D> loadModel(const ModelRequest& request);

// folder + "\" (unless it ends with one) + fileName, with ".." collapsed.
std::wstring modelPath(const std::wstring& folder, const std::wstring& fileName);
// The given folder, or the model's folder plus the directory part of fileName.
std::wstring textureFolderOf(const ModelRequest& request);

} // namespace velmora
