#pragma once
// Triangle meshes: vertices in 11-bit fixed point with 16.16 texture coordinates, faces of three
// vertex indices, and the per-frame working fields the rasterizer fills.

#include "render/fixed_point.h"
#include "render/vector3.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

struct Material3D;
struct Mesh3D;
struct Face3D;

// A vertex as the span routines see it: screen position, biased depth and interpolants.
struct ScreenVertex {
    int32_t x = 0;     // pixels << subpixelBits
    int32_t y = 0;     // pixels << subpixelBits
    int32_t depth = 0; // view z << 5: 16.16 world units
    Fixed16 u = 0;     // texels, 16.16
    Fixed16 v = 0;
    int32_t lightX = 0; // lighting-table coordinates 0 ... 254, << 16
    int32_t lightY = 0;
    float inverseDepth = 0; // 1 / view z in world units, for perspective-correct texturing
};

// Outside flags of a transformed vertex.
enum ClipFlag : uint8_t { ClipLeft = 1, ClipRight = 2, ClipTop = 4, ClipBottom = 8, ClipBehind = 16 };

struct Vertex3D {
    Fixed16 u = 0;
    Fixed16 v = 0;
    Fixed11 x = 0;
    Fixed11 y = 0;
    Fixed11 z = 0;
    Fixed11 normalX = 0; // unit vertex normal x 2048, filled by prepare
    Fixed11 normalY = 0;
    Fixed11 normalZ = 0;
    // Per-frame working fields.
    Fixed11 viewX = 0;
    Fixed11 viewY = 0;
    Fixed11 viewZ = 0;
    int32_t viewNormalX = 0;
    int32_t viewNormalY = 0;
    uint8_t clipFlags = 0;
    ScreenVertex screen;

    // The position in world units.
    Vector3 position() const { return {fromFixed11(x), fromFixed11(y), fromFixed11(z)}; }
};

struct Face3D {
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    Fixed11 normalX = 0; // (b - a) x (c - b), unit length x 2048, filled by prepare
    Fixed11 normalY = 0;
    Fixed11 normalZ = 0;
    Mesh3D* mesh = nullptr;
};

// Decides, for a face and the recursion depth so far, whether the face is split into four.
class SubdivisionPolicy {
public:
    virtual ~SubdivisionPolicy() = default;
    virtual bool subdivide(const Face3D& face, const Vertex3D& a, const Vertex3D& b, const Vertex3D& c,
                           int depth) = 0;
};

struct Mesh3D {
    Mesh3D() = default;
    // Copies vertices, faces and settings; the faces point at the copy.
    Mesh3D(const Mesh3D& other);
    Mesh3D& operator=(const Mesh3D&) = delete;

    std::wstring name;
    std::vector<Vertex3D> vertices;
    std::vector<Face3D> faces;
    Material3D* material = nullptr; // owned by the node
    std::wstring materialName;       // of the last face-material group, as the file names it
    Vector3 boundsMin;
    Vector3 boundsMax;
    Vector3 centre;
    float radius = 0.0f;
    bool visible = true;
    bool prepared = false;
    bool environmentEnabled = true; // reflection mapping allowed
    bool noClip = false;            // faces crossing the near plane are dropped instead of clipped
    int32_t depthBias = 0;          // 16.16 world units subtracted from every depth
    int levelOfDetail = -1;
    int levelStep = 1;
    SubdivisionPolicy* subdivision = nullptr;

    // Appends a face that refers to this mesh.
    void addFace(int32_t a, int32_t b, int32_t c) { faces.push_back({a, b, c, 0, 0, 0, this}); }
};

} // namespace velmora
