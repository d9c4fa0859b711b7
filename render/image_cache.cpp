#include "render/image_cache.h"

namespace velmora {

Texture* ImageCache::lookup(std::wstring_view basePath, std::wstring_view name, PowerOfTwo size) {
    if (name.empty())
        return nullptr;
    const std::wstring key(name);
    if (std::unique_ptr<Texture>* cached = textures_.get(key)) {
        ++hits_;
        return cached->get();
    }
    std::wstring path(basePath);
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    path += name;
    std::unique_ptr<Texture> texture = Texture::load(path, size);
    Texture* result = texture.get();
    textures_.put(key, std::move(texture));
    return result;
}

} // namespace velmora
