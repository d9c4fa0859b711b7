// A hole's model from any bytes, taken through what the game builds on it when a hole loads: the
// model at the course's scale, its surfaces, the terrain grid, the cup and the tee, the putting net,
// the woods ring with its tree and play lines, the plants along it and the in/out-of-bounds map,
// then the ground under a spread of points as the ball asks for it.
#include "game/course_features.h"
#include "game/course_grid.h"
#include "game/course_map.h"
#include "game/terrain.h"
#include "render/bounding_box.h"
#include "render/mesh_prepare.h"
#include "render/model_3ds_reader.h"
#include "render/model_normalise.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto course = std::make_unique<Model3D>();
    if (read3ds({data, size}, *course, nullptr) == Read3dsResult::NotA3dsFile)
        return 0;
    normalise(*course, courseRadius);
    const CourseSurfaces surfaces = findSurfaces(*course);
    isCompleteCourse(surfaces);
    prepare(*course, true);
    Terrain terrain;
    terrain.build(*course, surfaces);

    Vector3 cup, tee, normal;
    if (surfaces.green && !surfaces.green->vertices.empty())
        cup = surfaces.green->vertices.front().position();
    if (surfaces.tground) {
        BoundingBox ground;
        for (const Vertex3D& vertex : surfaces.tground->vertices)
            ground.add(vertex.position());
        tee = ground.centre();
    }
    terrain.dropToGround(cup, normal);
    terrain.dropToGround(tee, normal);

    Scene3D scene;
    buildGreenGrid(scene, terrain, cup);
    const CourseBoundary boundary = buildTreeLine(surfaces.woods, nullptr, terrain);
    static const std::unique_ptr<Texture> tree = Texture::blank(16, 32, 0x208020, PowerOfTwo::Stretch);
    placePlants(scene, boundary.playLine, {tree.get()}, terrain);

    const BoundingBox box = boxOfMeshes(*course);
    CourseMap map;
    if (!box.empty && map.create(box.max.x - box.min.x, box.max.z - box.min.z)) {
        map.draw(boundary.treeLine, boundary.playLine);
        for (const Vector3& point : boundary.playLine)
            map.isOutOfBounds(point);
    }
    for (int i = 0; i < 16; ++i) {
        const float angle = static_cast<float>(i) * 0.4f;
        const Ground ground =
            terrain.ground({std::cos(angle) * i * 25.0f, 50.0f, std::sin(angle) * i * 25.0f});
        if (!std::isfinite(ground.point.y))
            __builtin_trap(); // a ball can never stand at an unknown height
    }
    return 0;
}
