#pragma once
// Signed fields of the shapes a hole is drawn from: negative inside, positive outside, growing
// about one per unit of distance near the edge. Ellipses and rectangles are symmetric about their
// centre, so a shape centred on a mesh vertex is cut symmetrically around it.

#include "plane.h"

#include <vector>

namespace velmora::content {

struct Ellipse {
    Vec2 centre;
    double rx = 1, ry = 1; // half-axes along the axis and square to it
    Vec2 axis{1, 0};       // unit
};
double ellipseField(const Ellipse& e, Vec2 p);

struct Rectangle {
    Vec2 centre;
    double halfLength = 1; // along the axis
    double halfWidth = 1;
    Vec2 axis{1, 0}; // unit
};
double rectangleField(const Rectangle& r, Vec2 p);

// Ellipses merged with rounded joins (a bunker, a pond).
struct Blob {
    std::vector<Ellipse> parts;
    double join = 4; // the radius of the joins
};
double blobField(const Blob& blob, Vec2 p);

// A path with a half-width at each point, interpolated along each segment; the ends are round.
struct Tube {
    std::vector<Vec2> points;
    std::vector<double> halfWidths;
};
double tubeField(const Tube& tube, Vec2 p);

// The distance from p to the closed polygon's edges, positive inside and negative outside.
double polygonDepth(const std::vector<Vec2>& polygon, Vec2 p);

// The union of two fields with a rounded join of radius k.
double smoothUnion(double a, double b, double k);

// The distance from p to the segment ab, and where along it the nearest point lies (0 ... 1).
double segmentDistance(Vec2 p, Vec2 a, Vec2 b, double* along = nullptr);

} // namespace velmora::content
