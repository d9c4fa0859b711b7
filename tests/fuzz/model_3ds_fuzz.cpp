// Feeds arbitrary bytes to the 3DS reader, then prepares and normalises what it read and builds a
// grid over it, so that damaged geometry is exercised beyond the reader as well.
#include "render/mesh_prepare.h"
#include "render/model_3ds_reader.h"
#include "render/model_normalise.h"
#include "render/spatial_grid.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velmora;
    Model3D model;
    if (read3ds({data, size}, model, nullptr) == Read3dsResult::NotA3dsFile)
        return 0;
    normalise(model, 10.0f);
    prepare(model, true);
    auto grid = SpatialGrid::build(model, 1.0f, nullptr, nullptr, -1, -1, -1);
    Vector3 point{0, 0, 0};
    Vector3 normal;
    grid->dropToGround(point, normal);
    return 0;
}
