#pragma once
// The 3D renderer of one scene: per frame it takes meshes with their node -> view transforms,
// transforms and projects their vertices in fixed point, culls, clips against the near plane and
// queues their faces, then sorts the two queues and hands each face to the triangle rasterizer.

#include "render/decoded_material.h"
#include "render/matrix4.h"
#include "render/mesh3d.h"
#include "render/raster_target.h"
#include "render/triangle_raster.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace velmora {

struct LightingTables;
struct Material3D;

// Fraction bits of the per-frame vertex stage's rotation terms. Vertices lie hundreds of units from
// a node's origin; fewer bits would move those near the eye by pixels.
constexpr int fineRotationBits = 24;

// A node -> view matrix in fixed point: rotation terms x 16384 and translation x 2048 (the format
// matrices are baked into meshes with), the same rotation with fineRotationBits for the per-frame
// vertex stage, and a rotation for normals that leaves out the node's scale.
struct FixedTransform {
    int32_t rotation[9] = {};
    int64_t fineRotation[9] = {};
    int32_t translation[3] = {};
    int32_t normalRotation[9] = {};
};
FixedTransform toFixedTransform(const Matrix4& nodeToView);

// Projected vertices are kept within this many pixels of the origin, so that 16.16 edge arithmetic
// cannot overflow.
constexpr int32_t screenLimit = 16383;

struct FrameSettings {
    RasterTarget target;
    double projection = 0; // k: pixels per unit of x / z
    int32_t centreX = 0;
    int32_t centreY = 0;
    const LightingTables* lighting = nullptr;
    FogState fog;
};

class Renderer3D {
public:
    // Whether each face queue is sorted by depth before drawing (opaque faces then go front to
    // back, translucent ones back to front). The z-buffer already orders opaque faces, and sorting
    // them costs more than the overdraw it saves, so by default only translucent faces are sorted.
    bool sortOpaque = false;
    bool sortTranslucent = true;

    void beginFrame(const FrameSettings& settings);
    // Vertex and face stages for one visible mesh. nearPlane is in 11-bit fixed point.
    void addMesh(Mesh3D& mesh, const FixedTransform& toView, Fixed11 nearPlane);
    // Sorts and draws the queued faces.
    void endFrame();

    int queuedFaces() const { return static_cast<int>(opaque_.size() + translucent_.size()); }

private:
    struct QueuedFace {
        const ScreenVertex* vertices[3];
        const DecodedMaterial* material;
        uint32_t flatLight;
        uint32_t flatSpecular;
        int64_t depthKey; // sum of the three depths
        bool piece;       // made by clipping: no wire lines
    };
    struct MeshContext {
        Mesh3D* mesh;
        const Material3D* material;
        const FixedTransform* toView;
        Fixed11 nearPlane;
        const DecodedMaterial& decoded; // once per mesh and frame
        std::vector<QueuedFace>* queue;
    };

    void transformVertices(MeshContext& context);
    void project(Vertex3D& vertex, const MeshContext& context) const;
    void handleFace(MeshContext& context, const Face3D& face, Vertex3D* a, Vertex3D* b, Vertex3D* c, int depth);
    void clipAndQueue(MeshContext& context, const Face3D& face, Vertex3D* a, Vertex3D* b, Vertex3D* c);
    void queue(MeshContext& context, const Face3D& face, const Vertex3D* a, const Vertex3D* b, const Vertex3D* c,
               bool piece);
    Vertex3D* newVertex();
    void drawQueue(std::vector<QueuedFace>& faces, bool sorted, bool backwards);
    void drawFace(const QueuedFace& face);

    FrameSettings frame_;
    std::vector<QueuedFace> opaque_;
    std::vector<QueuedFace> translucent_;
    std::vector<uint64_t> order_;
    std::deque<Vertex3D> extraVertices_; // made by clipping and subdivision; stable addresses
    size_t extraUsed_ = 0;
    std::deque<DecodedMaterial> decoded_; // one per mesh drawn this frame; stable addresses
    size_t decodedUsed_ = 0;
};

// Sort entries: the depth key in the high bits, the face's queue index in the low 24.
constexpr int depthOrderIndexBits = 24;
// Sorts entries, largest first, with a quicksort whose pivot is the mean of the entries at the two
// ends of each range; the larger part waits on a list, so the stack never grows with the count.
void sortByDepth(std::vector<uint64_t>& entries);

} // namespace velmora
