#pragma once
// The 3DS models of one page by file name: each file is read once, and every request gets its own
// copy (meshes and materials duplicated, levels of detail shared), normalised to the radius asked.

#include "base/hash_map.h"
#include "render/model_loader.h"

#include <memory>

namespace velmora {

class ModelCache {
public:
    // None for an empty file name or a file that cannot be read.
    std::unique_ptr<Model3D> get(const ModelRequest& request);
    void clear() { models_.clear(); }
    int count() const { return models_.count(); }
    int hits() const { return hits_; }
    int misses() const { return misses_; }

private:
    HashMap<std::wstring, std::unique_ptr<Model3D>> models_;
    int hits_ = 0;
    int misses_ = 0;
};

} // namespace velmora
