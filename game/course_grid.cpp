#include "game/course_grid.h"

namespace velmora {

std::unique_ptr<SpatialGrid> buildCourseGrid(Model3D& course, ProgressListener* listener) {
    // The course models name the trees and land around the course "outer woods"; they stay out of
    // the grid.
    static const std::wstring outerWoods = L"outer woods";
    return SpatialGrid::build(course, 10.0f, nullptr, &outerWoods, 50, 1, 50, listener, nullptr);
}

} // namespace velmora
