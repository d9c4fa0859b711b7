#pragma once
// The in/out-of-bounds map of a hole: a small bitmap 50 pixels wide over the course's extent,
// black outside the trees, red in the band between the tree line and the play line inside it, and
// white on the playable course. One mapping and one pixel read answer whether a point is in bounds.

#include "render/vector3.h"
#include "surface/surface.h"

#include <vector>

namespace velmora {

struct MapPixel {
    int x = 0;
    int y = 0;
};

class CourseMap {
public:
    static constexpr int mapWidth = 50;
    static constexpr int maxMapHeight = 4096;
    static constexpr int inBoundsBrightness = 190;

    // A black map 50 pixels wide and (int)(courseDepth / courseWidth x 50) high (at least 1 and at
    // most maxMapHeight, also for a course without extent), at the display's depth.
    bool create(float courseWidth, float courseDepth);
    // Fills the polygon of the tree line red, then that of the play line white over it; the last
    // point of each ring repeats its first and is left out.
    void draw(const std::vector<Vector3>& treeLine, const std::vector<Vector3>& playLine);

    // Where a world point lies on the map (the course is centred on the origin).
    MapPixel mapPixel(const Vector3& point) const;
    // Off the map, or on a pixel darker than inBoundsBrightness (black or red).
    bool isOutOfBounds(const Vector3& point) const;
    // Off the map, or on a black pixel: outside the trees.
    bool isOutsideCourse(const Vector3& point) const;

    const Surface& bitmap() const { return bitmap_; }

private:
    bool onMap(const MapPixel& p) const {
        return p.x >= 0 && p.x < bitmap_.width && p.y >= 0 && p.y < bitmap_.height;
    }

    Surface bitmap_;
    float courseDepth_ = 0.0f;
};

} // namespace velmora
