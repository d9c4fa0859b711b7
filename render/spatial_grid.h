#pragma once
// Cells over a model's box listing the faces whose bounds touch them, in three flattened views
// (y-z for lines along x, x-z for vertical lines, x-y for lines along z), so that a line query along
// an axis tests one cell's short list instead of every face. The game asks it for the ground under
// the ball. The grid points into the model's faces: the model must outlive it unchanged.

#include "render/object3d.h"
#include "render/progress_listener.h"
#include "render/vector3.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora {

// Decides whether a face takes part in the grid.
class FaceFilter {
public:
    virtual ~FaceFilter() = default;
    virtual bool accept(const Face3D& face) = 0;
};

struct GridHit {
    Vector3 normal; // of the surface, facing the searched direction's opposite
    Vector3 point;
    Mesh3D* mesh = nullptr; // none when nothing was hit
};

enum class GridAxis { X = 0, Y = 1, Z = 2 };
enum class GridDirection { Above = 0, Below = 1, Both = 2 };

class SpatialGrid {
public:
    static constexpr int maxCells = 1000; // per axis, so that each index fits 10 bits

    // Granularities below zero are all computed from the mean face extents.
    static std::unique_ptr<SpatialGrid> build(Model3D& model, float stepLength, const std::wstring* wantedObjects,
                                              const std::wstring* unwantedObjects, int granuX, int granuY,
                                              int granuZ, ProgressListener* listener = nullptr,
                                              FaceFilter* faceFilter = nullptr);

    // "minP:(...), maxP:(...), _dimX:..., ..., CellNum:n, TriNumPerCell:m"
    std::wstring describe() const;
    // The highest surface at or below the top of the box on the vertical line through (x, z):
    // point.y becomes its height and normal its normal. None (point unchanged) when no face lies there.
    Mesh3D* dropToGround(Vector3& point, Vector3& normal);
    // Searches from `to` back toward `from` along an axis; fills below and above as asked.
    void query(const Vector3& from, const Vector3& to, GridAxis axis, GridDirection direction);

    bool computeNormals = false;
    bool firstHitOnly = false;
    Vector3 minP;
    Vector3 maxP;
    float stepLength = 1.0f;
    int granuX = 1, granuY = 1, granuZ = 1;
    Vector3 dim;
    Vector3 cell;
    GridHit below;
    GridHit above;

    int cellCount() const { return static_cast<int>(cells_.size()); }

private:
    static uint32_t key(int ix, int iy, int iz) {
        return (static_cast<uint32_t>(ix + 1) << 20) | (static_cast<uint32_t>(iy + 1) << 10) | static_cast<uint32_t>(iz + 1);
    }
    int cellIndex(float coordinate, float minimum, float size, int count) const;
    // The cell indices a face's bounds cover: x0, x1, y0, y1, z0, z1.
    std::array<int, 6> cellRange(const Mesh3D& mesh, const Face3D& face) const;
    // Coarsens the granularity until the cells and their lists stay within a memory budget; sets cell.
    void fitGranularity(const Model3D& model, const std::wstring* wanted, const std::wstring* unwanted);
    // A line outside the box is moved onto its border, so that the border cells answer for it.
    Vector3 clampedAcross(const Vector3& p, int axis) const;
    void searchCell(const std::vector<const Face3D*>& faces, const Vector3& p, int axis, bool belowSearch);

    std::unordered_map<uint32_t, std::vector<const Face3D*>> cells_;
};

} // namespace velmora
