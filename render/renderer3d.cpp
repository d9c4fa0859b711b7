#include "render/renderer3d.h"

#include "render/lighting_table.h"
#include "render/material3d.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>

namespace velmora {
namespace {

constexpr int32_t rotationUnit = 16384;
constexpr int32_t minimumClipSpan = 128; // depths closer than 1/16 unit make no clip vertex
constexpr int maxSubdivisionDepth = 8;

constexpr int64_t subpixelLimit = int64_t{screenLimit} * subpixelUnit;

int32_t clampScreen(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, -subpixelLimit, subpixelLimit));
}

// The largest integer not above value (for values within +-2^40; beyond, the limit), by truncating
// the value made positive with an offset; the sum keeps 11 fraction bits, plenty for subpixels.
int64_t floorOf(double value) {
    constexpr double offset = static_cast<double>(int64_t{1} << 41);
    const double limited = std::clamp(value, -offset / 2, offset / 2);
    return static_cast<int64_t>(limited + offset) - (int64_t{1} << 41);
}

// The pixel that holds a projected position.
int pixelOf(int32_t subpixels) {
    return (subpixels + subpixelUnit / 2) >> subpixelBits;
}

// View z << 5 minus the bias, kept inside the unsigned depth range.
int32_t biasedDepth(Fixed11 viewZ, int32_t bias) {
    const int64_t depth = int64_t{viewZ} * 32 - bias;
    return static_cast<int32_t>(std::clamp<int64_t>(depth, 0, 0x7FFFFFFF));
}

// Fraction bits of the position of a clip vertex along its edge. The vertex is put exactly on the
// near plane, so the fraction must be fine enough to keep it on the edge: edges reaching far behind
// the eye would otherwise bend by pixels on the screen.
constexpr int clipFractionBits = 16;

// a + (b - a) x fraction, the fraction with clipFractionBits.
int32_t atFraction(int32_t a, int32_t b, int64_t fraction) {
    return static_cast<int32_t>(a + ((int64_t{b} - a) * fraction) / (int64_t{1} << clipFractionBits));
}

const Material3D& defaultMaterial() {
    static const Material3D material;
    return material;
}

} // namespace

FixedTransform toFixedTransform(const Matrix4& m) {
    FixedTransform fixed;
    for (int row = 0; row < 3; ++row) {
        const float* r = &m.m[row * 4];
        const float length = static_cast<float>(std::sqrt(double{r[0]} * r[0] + double{r[1]} * r[1] + double{r[2]} * r[2]));
        const float normalScale = length > 0.0f ? rotationUnit / length : 0.0f;
        for (int column = 0; column < 3; ++column) {
            fixed.rotation[row * 3 + column] = saturatedInt(r[column] * rotationUnit);
            fixed.fineRotation[row * 3 + column] = static_cast<int64_t>(
                std::llround(double{r[column]} * static_cast<double>(int64_t{1} << fineRotationBits)));
            fixed.normalRotation[row * 3 + column] = saturatedInt(r[column] * normalScale);
        }
        fixed.translation[row] = saturatedInt(r[3] * worldUnit);
    }
    return fixed;
}

void Renderer3D::beginFrame(const FrameSettings& settings) {
    frame_ = settings;
    opaque_.clear();
    translucent_.clear();
    extraUsed_ = 0;
    decodedUsed_ = 0;
}

Vertex3D* Renderer3D::newVertex() {
    if (extraUsed_ == extraVertices_.size())
        extraVertices_.emplace_back();
    return &extraVertices_[extraUsed_++];
}

void Renderer3D::addMesh(Mesh3D& mesh, const FixedTransform& toView, Fixed11 nearPlane) {
    if (mesh.vertices.empty() || mesh.faces.empty())
        return;
    const Material3D& material = mesh.material ? *mesh.material : defaultMaterial();
    if (decodedUsed_ == decoded_.size())
        decoded_.emplace_back();
    DecodedMaterial& decoded = decoded_[decodedUsed_++];
    decoded = decodeMaterial(material, mesh, frame_.target.bitsPerPixel);
    MeshContext context{&mesh, &material, &toView, nearPlane, decoded,
                        material.isOpaque() ? &opaque_ : &translucent_};
    transformVertices(context);
    Vertex3D* vertices = mesh.vertices.data();
    for (size_t i = mesh.faces.size(); i-- > 0;) {
        const Face3D& face = mesh.faces[i];
        handleFace(context, face, &vertices[face.a], &vertices[face.b], &vertices[face.c], 0);
    }
}

void Renderer3D::transformVertices(MeshContext& context) {
    const int64_t* r = context.toView->fineRotation;
    const int32_t* t = context.toView->translation;
    const int32_t* n = context.toView->normalRotation;
    const bool normals = context.decoded.smooth();
    constexpr int64_t half = int64_t{1} << (fineRotationBits - 1); // products are rounded, not floored
    for (Vertex3D& vertex : context.mesh->vertices) {
        const int64_t px = vertex.x, py = vertex.y, pz = vertex.z;
        vertex.viewX =
            static_cast<Fixed11>(((r[0] * px + r[1] * py + r[2] * pz + half) >> fineRotationBits) + t[0]);
        vertex.viewY =
            static_cast<Fixed11>(((r[3] * px + r[4] * py + r[5] * pz + half) >> fineRotationBits) + t[1]);
        vertex.viewZ =
            static_cast<Fixed11>(((r[6] * px + r[7] * py + r[8] * pz + half) >> fineRotationBits) + t[2]);
        if (normals) {
            // Only x and y of the view-space normal pick the lighting-table cell.
            vertex.viewNormalX = (n[0] * vertex.normalX + n[1] * vertex.normalY + n[2] * vertex.normalZ) >> 14;
            vertex.viewNormalY = (n[3] * vertex.normalX + n[4] * vertex.normalY + n[5] * vertex.normalZ) >> 14;
        }
        project(vertex, context);
    }
}

void Renderer3D::project(Vertex3D& vertex, const MeshContext& context) const {
    if (vertex.viewZ < context.nearPlane) {
        vertex.clipFlags = ClipBehind;
        return;
    }
    // Pixels are sampled at their centres: positions are kept half a pixel up and to the left, so
    // that the walk, which samples at whole subpixel units, lands on the centres.
    constexpr int32_t halfPixel = subpixelUnit / 2;
    const double reciprocal = 1.0 / std::max<int32_t>(vertex.viewZ, 1);
    const double scale = frame_.projection * subpixelUnit * reciprocal;
    ScreenVertex& s = vertex.screen;
    s.x = clampScreen(int64_t{frame_.centreX} * subpixelUnit - halfPixel + floorOf(vertex.viewX * scale));
    s.y = clampScreen(int64_t{frame_.centreY} * subpixelUnit - halfPixel - floorOf(vertex.viewY * scale));
    s.inverseDepth = static_cast<float>(worldUnit * reciprocal);
    const int32_t right = frame_.target.width * subpixelUnit, bottom = frame_.target.height * subpixelUnit;
    vertex.clipFlags = static_cast<uint8_t>((s.x < 0 ? ClipLeft : 0) | (s.x >= right ? ClipRight : 0) |
                                            (s.y < 0 ? ClipTop : 0) | (s.y >= bottom ? ClipBottom : 0));
    s.depth = biasedDepth(vertex.viewZ, context.mesh->depthBias);
    const DecodedMaterial& m = context.decoded;
    if (m.textured) {
        const int64_t u = int64_t{vertex.u} + context.material->textureOffsetU;
        const int64_t v = int64_t{vertex.v} + context.material->textureOffsetV;
        s.u = static_cast<int32_t>(static_cast<uint32_t>(u * (int64_t{1} << m.texture.log2Width)));
        s.v = static_cast<int32_t>(static_cast<uint32_t>(v * (int64_t{1} << m.texture.log2Height)));
    }
    if (m.smooth()) {
        s.lightX = lightingCoordinate(std::clamp(vertex.viewNormalX, -2048, 2048)) << 16;
        s.lightY = lightingCoordinate(std::clamp(vertex.viewNormalY, -2048, 2048)) << 16;
    }
}

void Renderer3D::handleFace(MeshContext& context, const Face3D& face, Vertex3D* a, Vertex3D* b, Vertex3D* c,
                            int depth) {
    if (a->clipFlags & b->clipFlags & c->clipFlags)
        return;
    if (depth == 0 && !context.decoded.twoSided) {
        const int32_t* n = context.toView->normalRotation;
        const int64_t nx = (n[0] * int64_t{face.normalX} + n[1] * int64_t{face.normalY} + n[2] * int64_t{face.normalZ});
        const int64_t ny = (n[3] * int64_t{face.normalX} + n[4] * int64_t{face.normalY} + n[5] * int64_t{face.normalZ});
        const int64_t nz = (n[6] * int64_t{face.normalX} + n[7] * int64_t{face.normalY} + n[8] * int64_t{face.normalZ});
        // Stored normals point away from the side a face is seen from.
        if ((nx >> 14) * a->viewX + (ny >> 14) * a->viewY + (nz >> 14) * a->viewZ <= 0)
            return;
    }
    SubdivisionPolicy* policy = context.mesh->subdivision;
    if (policy && depth < maxSubdivisionDepth && policy->subdivide(face, *a, *b, *c, depth)) {
        Vertex3D* ab = newVertex();
        Vertex3D* bc = newVertex();
        Vertex3D* ca = newVertex();
        const auto middle = [this, &context](Vertex3D* mid, const Vertex3D* p, const Vertex3D* q) {
            *mid = {};
            mid->u = static_cast<Fixed16>((int64_t{p->u} + q->u) / 2);
            mid->v = static_cast<Fixed16>((int64_t{p->v} + q->v) / 2);
            mid->viewX = static_cast<Fixed11>((int64_t{p->viewX} + q->viewX) / 2);
            mid->viewY = static_cast<Fixed11>((int64_t{p->viewY} + q->viewY) / 2);
            mid->viewZ = static_cast<Fixed11>((int64_t{p->viewZ} + q->viewZ) / 2);
            mid->viewNormalX = (p->viewNormalX + q->viewNormalX) / 2;
            mid->viewNormalY = (p->viewNormalY + q->viewNormalY) / 2;
            project(*mid, context);
        };
        middle(ab, a, b);
        middle(bc, b, c);
        middle(ca, c, a);
        handleFace(context, face, a, ab, ca, depth + 1);
        handleFace(context, face, ab, b, bc, depth + 1);
        handleFace(context, face, ca, bc, c, depth + 1);
        handleFace(context, face, ab, bc, ca, depth + 1);
        return;
    }
    if ((a->clipFlags | b->clipFlags | c->clipFlags) & ClipBehind) {
        if (!context.mesh->noClip)
            clipAndQueue(context, face, a, b, c);
        return;
    }
    queue(context, face, a, b, c, false);
}

void Renderer3D::clipAndQueue(MeshContext& context, const Face3D& face, Vertex3D* a, Vertex3D* b, Vertex3D* c) {
    const Fixed11 nearPlane = context.nearPlane;
    Vertex3D* input[3] = {a, b, c};
    Vertex3D* output[4];
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        Vertex3D* current = input[i];
        Vertex3D* next = input[(i + 1) % 3];
        const bool currentBehind = current->clipFlags & ClipBehind;
        const bool nextBehind = next->clipFlags & ClipBehind;
        if (!currentBehind)
            output[count++] = current;
        if (currentBehind == nextBehind)
            continue;
        // Interpolate from the vertex behind toward the one in front.
        const Vertex3D* behind = currentBehind ? current : next;
        const Vertex3D* front = currentBehind ? next : current;
        const int64_t span = int64_t{front->viewZ} - behind->viewZ;
        if (span < minimumClipSpan)
            continue;
        const int64_t fraction = ((int64_t{nearPlane} - behind->viewZ) << clipFractionBits) / span;
        Vertex3D* made = newVertex();
        *made = {};
        made->viewX = atFraction(behind->viewX, front->viewX, fraction);
        made->viewY = atFraction(behind->viewY, front->viewY, fraction);
        made->viewZ = nearPlane;
        made->u = atFraction(behind->u, front->u, fraction);
        made->v = atFraction(behind->v, front->v, fraction);
        if (context.decoded.smooth()) {
            made->viewNormalX = atFraction(behind->viewNormalX, front->viewNormalX, fraction);
            made->viewNormalY = atFraction(behind->viewNormalY, front->viewNormalY, fraction);
        }
        project(*made, context);
        output[count++] = made;
    }
    for (int i = 1; i + 1 < count; ++i) {
        if (!(output[0]->clipFlags & output[i]->clipFlags & output[i + 1]->clipFlags))
            queue(context, face, output[0], output[i], output[i + 1], true);
    }
}

void Renderer3D::queue(MeshContext& context, const Face3D& face, const Vertex3D* a, const Vertex3D* b,
                       const Vertex3D* c, bool piece) {
    QueuedFace queued{{&a->screen, &b->screen, &c->screen},
                      &context.decoded,
                      0,
                      0,
                      int64_t{a->screen.depth} + b->screen.depth + c->screen.depth,
                      piece};
    if (context.decoded.flat && context.decoded.detailLevel != ShadingMode::Unlit && frame_.lighting) {
        const int32_t* n = context.toView->normalRotation;
        const auto nx = static_cast<int32_t>((n[0] * int64_t{face.normalX} + n[1] * int64_t{face.normalY} +
                                              n[2] * int64_t{face.normalZ}) >> 14);
        const auto ny = static_cast<int32_t>((n[3] * int64_t{face.normalX} + n[4] * int64_t{face.normalY} +
                                              n[5] * int64_t{face.normalZ}) >> 14);
        const int cell = lightingIndex(lightingCoordinate(std::clamp(nx, -2048, 2048)) << 16,
                                       lightingCoordinate(std::clamp(ny, -2048, 2048)) << 16);
        queued.flatLight = frame_.lighting->diffuse[cell];
        queued.flatSpecular = frame_.lighting->specular[cell];
    }
    context.queue->push_back(queued);
}

void sortByDepth(std::vector<uint64_t>& entries) {
    using Index = std::ptrdiff_t;
    std::vector<std::pair<Index, Index>> pending;
    Index low = 0;
    Index high = static_cast<Index>(entries.size()) - 1;
    for (;;) {
        while (low < high) {
            // The pivot lies between the two end entries, so both scans stop inside the range.
            const uint64_t pivot = (entries[low] + entries[high]) / 2; // entries stay below 2^63
            Index i = low;
            Index j = high;
            while (i <= j) {
                while (entries[i] > pivot)
                    ++i;
                while (entries[j] < pivot)
                    --j;
                if (i <= j)
                    std::swap(entries[i++], entries[j--]);
            }
            if (j - low < high - i) {
                if (i < high)
                    pending.emplace_back(i, high);
                high = j;
            } else {
                if (low < j)
                    pending.emplace_back(low, j);
                low = i;
            }
        }
        if (pending.empty())
            return;
        std::tie(low, high) = pending.back();
        pending.pop_back();
    }
}

void Renderer3D::endFrame() {
    if (!frame_.target.valid() || !frame_.target.depth)
        return;
    drawQueue(opaque_, sortOpaque, true);
    drawQueue(translucent_, sortTranslucent, false);
}

void Renderer3D::drawQueue(std::vector<QueuedFace>& faces, bool sorted, bool backwards) {
    if (faces.empty())
        return;
    if (!sorted) {
        if (backwards) {
            for (size_t i = faces.size(); i-- > 0;)
                drawFace(faces[i]);
        } else {
            for (const QueuedFace& face : faces)
                drawFace(face);
        }
        return;
    }
    // Beyond the index bits faces stay unsorted after the sorted ones (never met in practice).
    const size_t sortable = std::min<size_t>(faces.size(), size_t{1} << depthOrderIndexBits);
    constexpr uint64_t indexMask = (uint64_t{1} << depthOrderIndexBits) - 1;
    order_.resize(sortable);
    for (size_t i = 0; i < sortable; ++i)
        order_[i] = (static_cast<uint64_t>(faces[i].depthKey) << depthOrderIndexBits) | i;
    sortByDepth(order_);
    if (backwards) {
        for (size_t i = order_.size(); i-- > 0;)
            drawFace(faces[order_[i] & indexMask]);
    } else {
        for (const uint64_t entry : order_)
            drawFace(faces[entry & indexMask]);
    }
    for (size_t i = sortable; i < faces.size(); ++i)
        drawFace(faces[i]);
}

void Renderer3D::drawFace(const QueuedFace& face) {
    const DecodedMaterial& decoded = *face.material;
    const ScreenVertex& a = *face.vertices[0];
    const ScreenVertex& b = *face.vertices[1];
    const ScreenVertex& c = *face.vertices[2];
    const uint8_t edges = decoded.wire ? (EdgeAB | EdgeBC | EdgeCA) : decoded.edgeFlags;
    if (edges & (EdgeAB | EdgeBC | EdgeCA)) {
        if (!face.piece) {
            const int width = decoded.wire ? 1 : decoded.edgeWidth;
            if (edges & EdgeAB)
                drawLine(frame_.target, pixelOf(a.x), pixelOf(a.y), pixelOf(b.x), pixelOf(b.y),
                         decoded.colour, width);
            if (edges & EdgeBC)
                drawLine(frame_.target, pixelOf(b.x), pixelOf(b.y), pixelOf(c.x), pixelOf(c.y),
                         decoded.colour, width);
            if (edges & EdgeCA)
                drawLine(frame_.target, pixelOf(c.x), pixelOf(c.y), pixelOf(a.x), pixelOf(a.y),
                         decoded.colour, width);
        }
        if (decoded.wire || !(edges & EdgeFill))
            return;
    }
    ShadeContext context{&decoded, frame_.lighting, face.flatLight, face.flatSpecular, frame_.fog};
    rasterizeTriangle(frame_.target, context, a, b, c);
}

} // namespace velmora
