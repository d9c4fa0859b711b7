#include "render/model_loader.h"

#include "base/wide_string.h"
#include "media/image_messages.h"
#include "media/resource_file.h"
#include "render/image_cache.h"
#include "render/material_finish.h"
#include "render/model_3ds_reader.h"
#include "render/model_normalise.h"
#include "render/texture.h"

namespace velmora {
namespace {

std::wstring withSeparator(std::wstring folder) {
    if (folder.empty() || folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

void checkAlphaSizes(const Model3D& model) {
    for (const auto& material : *model.materials) {
        const Texture* texture = material->texture;
        const Texture* alpha = material->alphaTexture;
        if (texture && alpha && texture != alpha && (texture->width != alpha->width || texture->height != alpha->height)) {
            showImageMessage(L"The alpha channel texture does not match original texture in deminsion.", L"Error",
                             MessageIcon::Exclamation);
        }
    }
}

} // namespace

std::wstring modelPath(const std::wstring& folder, const std::wstring& fileName) {
    std::wstring path = withSeparator(folder) + fileName;
    collapseDotDot(path);
    return path;
}

std::wstring textureFolderOf(const ModelRequest& request) {
    if (request.textureFolder)
        return *request.textureFolder;
    std::wstring name = request.fileName;
    if (!name.empty() && name.front() == L'\\')
        name.erase(0, 1);
    const size_t slash = name.rfind(L'\\');
    return withSeparator(request.folder) + (slash == std::wstring::npos ? std::wstring() : name.substr(0, slash + 1));
}

std::unique_ptr<Model3D> loadModel(const ModelRequest& request) {
    const std::wstring path = modelPath(request.folder, request.fileName);
    const std::optional<std::vector<uint8_t>> bytes = readResourceFile(path);
    if (!bytes) {
        showImageMessage(L"Error: can not find the 3DS file '" + path + L"'", L"Error", MessageIcon::Exclamation);
        return nullptr;
    }
    auto model = std::make_unique<Model3D>();
    model->name = request.fileName;
    const std::wstring textureFolder = textureFolderOf(request);
    ImageCache* cache = request.imageCache;
    const TextureLoader loadTexture = [&](const std::wstring& mapName) -> Texture* {
        if (cache)
            return cache->lookup(textureFolder, mapName, PowerOfTwo::Stretch);
        if (!model->ownedTextures)
            model->ownedTextures = std::make_shared<std::vector<std::unique_ptr<Texture>>>();
        model->ownedTextures->push_back(Texture::load(withSeparator(textureFolder) + mapName, PowerOfTwo::Stretch));
        return model->ownedTextures->back().get();
    };
    const Read3dsResult result = read3ds(*bytes, *model, loadTexture);
    if (result == Read3dsResult::NotA3dsFile) {
        showImageMessage(L"Error: this is not a valid 3DS file.", L"Error", MessageIcon::Exclamation);
        return nullptr;
    }
    if (result == Read3dsResult::Damaged)
        showImageMessage(L"Error: this is not a valid 3DS file.", L"Error", MessageIcon::Exclamation);
    checkAlphaSizes(*model);
    for (auto material = model->materials->rbegin(); material != model->materials->rend(); ++material)
        finishMaterial(**material);
    normalise(*model, request.radius, request.wantedObjects, request.unwantedObjects);
    return model;
}

} // namespace velmora
