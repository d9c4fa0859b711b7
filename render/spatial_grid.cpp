#include "render/spatial_grid.h"

#include "base/wide_string.h"
#include "render/bounding_box.h"
#include "render/mesh_prepare.h"
#include "render/trig_tables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {
namespace {

constexpr size_t maxQuerySteps = 1 << 20;
// Cells of the three views together, and face entries over all cells (some 20 and 32 MB): a finer
// grid that would need more is made coarser. A coarser grid answers every query the same, only
// with longer lists to test.
constexpr uint64_t maxGridCells = uint64_t{1} << 18;
constexpr uint64_t maxEntries = uint64_t{1} << 22;

float component(const Vector3& v, int axis) { return axis == 0 ? v.x : (axis == 1 ? v.y : v.z); }

void report(ProgressListener* listener, const Model3D& model, int percent) {
    if (listener)
        listener->progress(L"Analyzing 3D Models", model.name, percent);
}

} // namespace

int SpatialGrid::cellIndex(float coordinate, float minimum, float size, int count) const {
    if (size < 1e-5f)
        return 0;
    const float index = (coordinate - minimum) / size;
    if (!(index > 0.0f))
        return 0;
    return index >= static_cast<float>(count - 1) ? count - 1 : static_cast<int>(index);
}

std::unique_ptr<SpatialGrid> SpatialGrid::build(Model3D& model, float stepLength, const std::wstring* wantedObjects,
                                                const std::wstring* unwantedObjects, int granuX, int granuY,
                                                int granuZ, ProgressListener* listener, FaceFilter* faceFilter) {
    auto grid = std::make_unique<SpatialGrid>();
    grid->stepLength = stepLength;
    report(listener, model, 0);
    prepare(model, false); // face normals

    const BoundingBox box = boxOfMeshes(model, wantedObjects, unwantedObjects);
    grid->minP = box.min;
    grid->maxP = box.max;
    grid->dim = box.size();
    report(listener, model, 25);

    if (granuX < 0 || granuY < 0 || granuZ < 0) {
        double extent[3] = {0, 0, 0};
        size_t faces = 0;
        for (const auto& mesh : *model.meshes) {
            if (!isSelected(mesh->name, wantedObjects, unwantedObjects))
                continue;
            for (const Face3D& face : mesh->faces) {
                const Vertex3D& a = mesh->vertices[face.a];
                const Vertex3D& b = mesh->vertices[face.b];
                const Vertex3D& c = mesh->vertices[face.c];
                const auto spread = [](Fixed11 p, Fixed11 q, Fixed11 r) {
                    return static_cast<double>(std::max({p, q, r})) - static_cast<double>(std::min({p, q, r}));
                };
                extent[0] += spread(a.x, b.x, c.x);
                extent[1] += spread(a.y, b.y, c.y);
                extent[2] += spread(a.z, b.z, c.z);
                ++faces;
            }
        }
        const float dims[3] = {grid->dim.x, grid->dim.y, grid->dim.z};
        int counts[3];
        for (int axis = 0; axis < 3; ++axis) {
            const double mean = faces ? extent[axis] / static_cast<double>(faces) / worldUnit : 0.0;
            counts[axis] = mean > 0.0 ? static_cast<int>(std::min(dims[axis] / mean, 1.0e6)) : 1;
        }
        granuX = counts[0];
        granuY = counts[1];
        granuZ = counts[2];
    }
    grid->granuX = std::clamp(granuX, 1, maxCells);
    grid->granuY = std::clamp(granuY, 1, maxCells);
    grid->granuZ = std::clamp(granuZ, 1, maxCells);
    grid->fitGranularity(model, wantedObjects, unwantedObjects);
    report(listener, model, 50);

    const int meshCount = static_cast<int>(model.meshes->size());
    for (int i = 0; i < meshCount; ++i) {
        const Mesh3D& mesh = *(*model.meshes)[i];
        if (isSelected(mesh.name, wantedObjects, unwantedObjects)) {
            for (const Face3D& face : mesh.faces) {
                const auto [x0, x1, y0, y1, z0, z1] = grid->cellRange(mesh, face);
                if (faceFilter && !faceFilter->accept(face))
                    continue;
                for (int iy = y0; iy <= y1; ++iy)
                    for (int iz = z0; iz <= z1; ++iz)
                        grid->cells_[key(-1, iy, iz)].push_back(&face);
                for (int ix = x0; ix <= x1; ++ix)
                    for (int iz = z0; iz <= z1; ++iz)
                        grid->cells_[key(ix, -1, iz)].push_back(&face);
                for (int ix = x0; ix <= x1; ++ix)
                    for (int iy = y0; iy <= y1; ++iy)
                        grid->cells_[key(ix, iy, -1)].push_back(&face);
            }
        }
        report(listener, model, 50 + 50 * i / meshCount);
    }
    report(listener, model, 100);
    return grid;
}

std::array<int, 6> SpatialGrid::cellRange(const Mesh3D& mesh, const Face3D& face) const {
    const Vector3 a = mesh.vertices[face.a].position();
    const Vector3 b = mesh.vertices[face.b].position();
    const Vector3 c = mesh.vertices[face.c].position();
    return {cellIndex(std::min({a.x, b.x, c.x}), minP.x, cell.x, granuX),
            cellIndex(std::max({a.x, b.x, c.x}), minP.x, cell.x, granuX),
            cellIndex(std::min({a.y, b.y, c.y}), minP.y, cell.y, granuY),
            cellIndex(std::max({a.y, b.y, c.y}), minP.y, cell.y, granuY),
            cellIndex(std::min({a.z, b.z, c.z}), minP.z, cell.z, granuZ),
            cellIndex(std::max({a.z, b.z, c.z}), minP.z, cell.z, granuZ)};
}

void SpatialGrid::fitGranularity(const Model3D& model, const std::wstring* wanted, const std::wstring* unwanted) {
    for (;;) {
        cell = {dim.x / static_cast<float>(granuX), dim.y / static_cast<float>(granuY),
                dim.z / static_cast<float>(granuZ)};
        uint64_t entries = 0;
        for (const auto& mesh : *model.meshes) {
            if (!isSelected(mesh->name, wanted, unwanted))
                continue;
            for (const Face3D& face : mesh->faces) {
                const auto [x0, x1, y0, y1, z0, z1] = cellRange(*mesh, face);
                const uint64_t nx = x1 - x0 + 1, ny = y1 - y0 + 1, nz = z1 - z0 + 1;
                entries += ny * nz + nx * nz + nx * ny;
            }
        }
        const uint64_t gx = granuX, gy = granuY, gz = granuZ;
        const uint64_t cells = gy * gz + gx * gz + gx * gy;
        if ((entries <= maxEntries && cells <= maxGridCells) || (granuX == 1 && granuY == 1 && granuZ == 1))
            return;
        int& largest = granuX >= granuY && granuX >= granuZ ? granuX : (granuY >= granuZ ? granuY : granuZ);
        largest = std::max(largest / 2, 1);
    }
}

Vector3 SpatialGrid::clampedAcross(const Vector3& p, int axis) const {
    Vector3 line = p;
    if (axis != 0)
        line.x = std::clamp(p.x, minP.x, maxP.x);
    if (axis != 1)
        line.y = std::clamp(p.y, minP.y, maxP.y);
    if (axis != 2)
        line.z = std::clamp(p.z, minP.z, maxP.z);
    return line;
}

std::wstring SpatialGrid::describe() const {
    size_t faces = 0;
    for (const auto& [cellKey, list] : cells_)
        faces += list.size();
    const double perCell = cells_.empty() ? 0.0 : static_cast<double>(faces) / static_cast<double>(cells_.size());
    return formatWide(L"minP:(%.1f,%.1f,%.1f), maxP:(%.1f,%.1f,%.1f), _dimX:%.1f, _dimY:%.1f, _dimZ:%.1f, "
                      L"granuX:%d, granuY:%d, granuZ:%d, CellNum:%d, TriNumPerCell:%.1f",
                      double{minP.x}, double{minP.y}, double{minP.z}, double{maxP.x}, double{maxP.y}, double{maxP.z},
                      double{dim.x}, double{dim.y}, double{dim.z}, granuX, granuY, granuZ,
                      static_cast<int>(cells_.size()), perCell);
}

Mesh3D* SpatialGrid::dropToGround(Vector3& point, Vector3& normal) {
    query({point.x, minP.y, point.z}, {point.x, maxP.y, point.z}, GridAxis::Y, GridDirection::Below);
    if (!below.mesh)
        return nullptr;
    point.y = below.point.y;
    normal = below.normal;
    return below.mesh;
}

void SpatialGrid::query(const Vector3& from, const Vector3& to, GridAxis axisChoice, GridDirection direction) {
    below = {};
    above = {};
    const int axis = static_cast<int>(axisChoice);
    const bool wantBelow = direction != GridDirection::Above;
    const bool wantAbove = direction != GridDirection::Below;
    const Vector3 d = to - from;
    size_t steps = 0;
    Vector3 step;
    if (direction == GridDirection::Both && stepLength > 0.0f) {
        const float count = d.lengthSquared() / stepLength;
        steps = count > 0.0f ? static_cast<size_t>(std::min(count, static_cast<float>(maxQuerySteps))) : 0;
        step = d.normalised() * stepLength;
    }
    Vector3 p = to;
    for (size_t s = 0; s <= steps; ++s, p -= step) {
        const Vector3 line = clampedAcross(p, axis);
        int ix = cellIndex(p.x, minP.x, cell.x, granuX);
        int iy = cellIndex(p.y, minP.y, cell.y, granuY);
        int iz = cellIndex(p.z, minP.z, cell.z, granuZ);
        (axis == 0 ? ix : (axis == 1 ? iy : iz)) = -1;
        const auto found = cells_.find(key(ix, iy, iz));
        if (found != cells_.end()) {
            if (wantBelow && !below.mesh)
                searchCell(found->second, line, axis, true);
            if (wantAbove && !above.mesh)
                searchCell(found->second, line, axis, false);
        }
        if ((!wantBelow || below.mesh) && (!wantAbove || above.mesh))
            return;
    }
}

void SpatialGrid::searchCell(const std::vector<const Face3D*>& faces, const Vector3& p, int axis, bool belowSearch) {
    // The two axes the line does not run along.
    const int first = axis == 0 ? 1 : 0;
    const int second = axis == 2 ? 1 : 2;
    const float pa = component(p, axis);
    const float p1 = component(p, first);
    const float p2 = component(p, second);
    float best = belowSearch ? -1e38f : 1e38f;
    GridHit& result = belowSearch ? below : above;
    for (const Face3D* face : faces) {
        const Mesh3D& mesh = *face->mesh;
        const Vector3 a = mesh.vertices[face->a].position();
        const Vector3 b = mesh.vertices[face->b].position();
        const Vector3 c = mesh.vertices[face->c].position();
        // Stored normals point into the surface; the surface faces the other way.
        const Vector3 normal = computeNormals ? -triangleNormal(a, b, c)
                                              : Vector3{-fromFixed11(face->normalX), -fromFixed11(face->normalY),
                                                        -fromFixed11(face->normalZ)};
        const float na = component(normal, axis);
        if (belowSearch ? !(na > kEpsilon) : !(na < -kEpsilon))
            continue;
        // Inside the triangle projected along the axis: the three edge products agree in sign.
        const float a1 = component(a, first), a2 = component(a, second);
        const float b1 = component(b, first), b2 = component(b, second);
        const float c1 = component(c, first), c2 = component(c, second);
        const float e0 = (b1 - a1) * (p2 - a2) - (b2 - a2) * (p1 - a1);
        const float e1 = (c1 - b1) * (p2 - b2) - (c2 - b2) * (p1 - b1);
        const float e2 = (a1 - c1) * (p2 - c2) - (a2 - c2) * (p1 - c1);
        const bool inside = (e0 >= -kEpsilon && e1 >= -kEpsilon && e2 >= -kEpsilon) ||
                            (e0 <= kEpsilon && e1 <= kEpsilon && e2 <= kEpsilon);
        if (!inside)
            continue;
        // The plane through a: normal . (x - a) = 0, solved for the axis coordinate.
        const float hit = component(a, axis) -
                          (component(normal, first) * (p1 - a1) + component(normal, second) * (p2 - a2)) / na;
        const bool accepted = belowSearch ? (hit <= pa && hit > best) : (hit >= pa && hit < best);
        if (!accepted)
            continue;
        best = hit;
        result.normal = normal;
        result.point = p;
        (axis == 0 ? result.point.x : (axis == 1 ? result.point.y : result.point.z)) = hit;
        result.mesh = face->mesh;
        if (firstHitOnly)
            return;
    }
}

} // namespace velmora
