#include "shape_fields.h"

#include <algorithm>
#include <limits>

namespace velmora::content {

double ellipseField(const Ellipse& e, Vec2 p) {
    const Vec2 q = toLocal(p - e.centre, e.axis);
    return (length({q.x / e.rx, q.y / e.ry}) - 1) * std::min(e.rx, e.ry);
}

double rectangleField(const Rectangle& r, Vec2 p) {
    const Vec2 q = toLocal(p - r.centre, r.axis);
    const double dx = std::fabs(q.x) - r.halfLength, dy = std::fabs(q.y) - r.halfWidth;
    return length({std::max(dx, 0.0), std::max(dy, 0.0)}) + std::min(std::max(dx, dy), 0.0);
}

double smoothUnion(double a, double b, double k) {
    if (k <= 0)
        return std::min(a, b);
    const double h = clamp01(0.5 + 0.5 * (b - a) / k);
    return b + (a - b) * h - k * h * (1 - h);
}

double blobField(const Blob& blob, Vec2 p) {
    double field = std::numeric_limits<double>::max();
    for (const Ellipse& part : blob.parts)
        field = field == std::numeric_limits<double>::max()
                    ? ellipseField(part, p)
                    : smoothUnion(field, ellipseField(part, p), blob.join);
    return field;
}

double segmentDistance(Vec2 p, Vec2 a, Vec2 b, double* along) {
    const Vec2 ab = b - a;
    const double lengthSquared = dot(ab, ab);
    const double t = lengthSquared > 0 ? clamp01(dot(p - a, ab) / lengthSquared) : 0;
    if (along)
        *along = t;
    return length(p - lerp(a, b, t));
}

double tubeField(const Tube& tube, Vec2 p) {
    double field = std::numeric_limits<double>::max();
    for (size_t i = 0; i + 1 < tube.points.size(); ++i) {
        double t = 0;
        const double distance = segmentDistance(p, tube.points[i], tube.points[i + 1], &t);
        field = std::min(field,
                         distance - (tube.halfWidths[i] + (tube.halfWidths[i + 1] - tube.halfWidths[i]) * t));
    }
    return field;
}

double polygonDepth(const std::vector<Vec2>& polygon, Vec2 p) {
    double nearest = std::numeric_limits<double>::max();
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Vec2 a = polygon[j], b = polygon[i];
        nearest = std::min(nearest, segmentDistance(p, a, b));
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (b.x - a.x) * (p.y - a.y) / (b.y - a.y))
            inside = !inside;
    }
    return inside ? nearest : -nearest;
}

} // namespace velmora::content
