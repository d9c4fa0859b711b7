#include "render/model_cache.h"

#include "render/model_normalise.h"

namespace velmora {

std::unique_ptr<Model3D> ModelCache::get(const ModelRequest& request) {
    if (request.fileName.empty())
        return nullptr;
    std::unique_ptr<Model3D>* cached = models_.get(request.fileName);
    if (cached) {
        ++hits_;
    } else {
        std::unique_ptr<Model3D> loaded = loadModel(request);
        if (!loaded)
            return nullptr;
        ++misses_;
        models_.put(request.fileName, std::move(loaded));
        cached = models_.get(request.fileName);
    }
    // The cache keeps its model untouched; the page gets a copy it can move and restyle.
    std::unique_ptr<Model3D> copy = (*cached)->copy(CopyMeshes | CopyMaterials);
    if (copy->radius != request.radius)
        normalise(*copy, request.radius, request.wantedObjects, request.unwantedObjects);
    return copy;
}

} // namespace velmora
