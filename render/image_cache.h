#pragma once
// The pictures of one page by the name the templates give them; the cache owns every texture.

#include "base/hash_map.h"
#include "render/texture.h"

#include <memory>
#include <string>
#include <string_view>

namespace velmora {

class ImageCache {
public:
    // The texture named name, loaded from basePath + '\' (unless basePath ends with one) + name on
    // first use, also when the file fails (it then draws nothing, and is reported once). Null for
    // an empty name. The size rule applies to the first load of a name.
    Texture* lookup(std::wstring_view basePath, std::wstring_view name, PowerOfTwo size);
    // Deletes every texture (a page reload).
    void clear() { textures_.clear(); }
    int count() const { return textures_.count(); }
    int hits() const { return hits_; }

private:
    HashMap<std::wstring, std::unique_ptr<Texture>> textures_;
    int hits_ = 0;
};

} // namespace velmora
