#pragma once
// Closed outlines for the ring of trees around a hole: the zero line of a field traced on a
// lattice, smoothed into gentle bends, and laid out with evenly spaced points.

#include "plane.h"

#include <functional>
#include <vector>

namespace velmora::content {

// The longest closed zero line of the field inside the rectangle, traced on a lattice of the given
// step; the field must be positive all along the rectangle's border. Empty when there is none.
std::vector<Vec2> traceOutline(const std::function<double(Vec2)>& field, Vec2 min, Vec2 max, double step);

// Twice the signed area: positive when the points run counter-clockwise.
double signedArea(const std::vector<Vec2>& loop);

// Each pass moves every point halfway toward the middle of its neighbours.
std::vector<Vec2> smoothLoop(std::vector<Vec2> loop, int passes);

// count points evenly spaced along the closed loop, the first where the loop starts.
std::vector<Vec2> resampleLoop(const std::vector<Vec2>& loop, int count);

double loopLength(const std::vector<Vec2>& loop);

} // namespace velmora::content
