#include "render/model_3ds_reader.h"

#include "base/byte_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmora {
namespace {

constexpr size_t chunkHeaderSize = 6;
constexpr size_t maxNesting = 64;   // deeper chunks are skipped whole
constexpr size_t maxNameLength = 63; // longer names are cut
// A mesh or material costs a few hundred bytes for its 6-byte chunk: a model keeps no more than any
// model needs, so that a file of empty chunks cannot ask for gigabytes. Later ones are dropped.
constexpr size_t maxMeshes = 4096;
constexpr size_t maxMaterials = 4096;
// Faces name their corners with 16-bit indices: a mesh uses no more vertices, and its face list
// holds no more faces. Further lists of the same mesh add only up to these totals.
constexpr size_t maxMeshVertices = 65535;
constexpr size_t maxMeshFaces = 65535;

enum ChunkId : uint16_t {
    ColourFloat = 0x0010,
    Colour24 = 0x0011,
    PercentInt = 0x0030,
    PercentFloat = 0x0031,
    Main = 0x4D4D,
    Editor = 0x3D3D,
    ObjectBlock = 0x4000,
    TriangleMesh = 0x4100,
    VertexList = 0x4110,
    FaceList = 0x4120,
    FaceMaterial = 0x4130,
    MappingCoordinates = 0x4140,
    MaterialBlock = 0xAFFF,
    MaterialName = 0xA000,
    Diffuse = 0xA020,
    Shininess = 0xA040,
    ShininessStrength = 0xA041,
    Transparency = 0xA050,
    SelfIllumination = 0xA080,
    TwoSided = 0xA081,
    Wire = 0xA085,
    Shading = 0xA100,
    TextureMap = 0xA200,
    OpacityMap = 0xA210,
    ReflectionMap = 0xA220,
    MapName = 0xA300,
    Keyframer = 0xB000,
    ObjectNode = 0xB002,
    NodeHeader = 0xB010,
};

// Coordinates beyond this many world units (and NaN) are clamped so that fixed point cannot overflow.
constexpr float coordinateLimit = 1.0e6f;
constexpr float textureLimit = 32000.0f;

float finiteClamped(float value, float limit) {
    if (!(value == value))
        return 0.0f;
    return std::clamp(value, -limit, limit);
}

struct Chunk {
    uint16_t id = 0;
    ByteReader data; // the chunk's contents after its header
};

class Reader {
public:
    Reader(std::span<const uint8_t> bytes, Model3D& model, const TextureLoader& loadTexture)
        : bytes_(bytes), model_(model), loadTexture_(loadTexture) {}

    Read3dsResult run() {
        ByteReader in(bytes_);
        const std::optional<uint16_t> id = in.u16();
        const std::optional<uint32_t> length = in.u32();
        if (id != Main || !length)
            return Read3dsResult::NotA3dsFile;
        std::vector<size_t> ends{clippedEnd(0, *length, bytes_.size())};
        size_t position = chunkHeaderSize;
        while (!ends.empty()) {
            if (position >= ends.back()) {
                ends.pop_back();
                continue;
            }
            if (ends.back() - position < chunkHeaderSize) {
                damaged_ = true; // bytes too few for a header inside a chunk
                position = ends.back();
                continue;
            }
            ByteReader header(bytes_.subspan(position, chunkHeaderSize));
            const uint16_t chunkId = *header.u16();
            const uint32_t chunkLength = *header.u32();
            if (chunkId == 0)
                break;
            if (chunkLength < chunkHeaderSize) {
                damaged_ = true; // no way to find the next chunk
                break;
            }
            const size_t end = clippedEnd(position, chunkLength, ends.back());
            Chunk chunk{chunkId, ByteReader(bytes_.subspan(position + chunkHeaderSize, end - position - chunkHeaderSize))};
            const bool enter = handle(chunk);
            if (enter && ends.size() < maxNesting) {
                ends.push_back(end);
                position += chunkHeaderSize + chunk.data.position();
            } else {
                position = end;
            }
        }
        finish();
        return damaged_ ? Read3dsResult::Damaged : Read3dsResult::Ok;
    }

private:
    size_t clippedEnd(size_t start, uint32_t length, size_t limit) {
        if (length > limit - start) {
            damaged_ = true;
            return limit;
        }
        return start + length;
    }

    // True when the chunk's children follow its data and are read as chunks.
    bool handle(Chunk& chunk) {
        ByteReader& in = chunk.data;
        switch (chunk.id) {
        case Editor:
        case Keyframer:
        case ObjectNode:
        case Shininess:
            return true;
        case ObjectBlock:
            currentName_ = readName(in);
            return true;
        case TriangleMesh: {
            if (model_.meshes->size() >= maxMeshes) {
                damaged_ = true;
                mesh_ = nullptr;
                return false;
            }
            auto mesh = std::make_unique<Mesh3D>();
            mesh->name = currentName_;
            mesh_ = model_.addMesh(std::move(mesh));
            return true;
        }
        case VertexList:
            readVertices(in);
            return false;
        case FaceList:
            readFaces(in);
            return mesh_ != nullptr;
        case FaceMaterial:
            if (mesh_)
                mesh_->materialName = readName(in);
            return false;
        case MappingCoordinates:
            readMapping(in);
            return false;
        case MaterialBlock:
            if (model_.materials->size() >= maxMaterials) {
                damaged_ = true;
                material_ = nullptr;
                return false;
            }
            material_ = model_.addMaterial(std::make_unique<Material3D>());
            return true;
        default:
            if (material_)
                handleMaterial(chunk);
            else if (chunk.id == NodeHeader)
                currentName_ = readName(in);
            return false;
        }
    }

    void handleMaterial(Chunk& chunk) {
        ByteReader& in = chunk.data;
        Material3D& material = *material_;
        switch (chunk.id) {
        case MaterialName:
            material.name = readName(in);
            break;
        case Diffuse:
            material.diffuse = readColour(in);
            break;
        case SelfIllumination:
            material.selfIllumination = readColour(in);
            break;
        case ShininessStrength:
            material.shininessStrength = readPercentage(in);
            break;
        case Transparency:
            material.transparency = readPercentage(in);
            break;
        case TwoSided:
            material.twoSided = true;
            break;
        case Wire:
            material.wire = true;
            break;
        case Shading:
            if (in.u16() == 1)
                material.flatShaded = true;
            break;
        case TextureMap:
            material.texture = readMap(in, material.textureAmount, material.textureName);
            break;
        case OpacityMap: {
            int ignored = 0;
            material.alphaTexture = readMap(in, ignored, material.alphaTextureName);
            break;
        }
        case ReflectionMap:
            material.reflectionTexture = readMap(in, material.reflectionAmount, material.reflectionTextureName);
            break;
        case NodeHeader:
            currentName_ = readName(in);
            break;
        default:
            break;
        }
    }

    // A zero-terminated name in the system code page; a missing terminator marks the file damaged.
    std::wstring readName(ByteReader& in) {
        std::wstring name;
        for (;;) {
            const std::optional<uint8_t> byte = in.u8();
            if (!byte) {
                damaged_ = true;
                break;
            }
            if (*byte == 0)
                break;
            if (name.size() < maxNameLength)
                name.push_back(static_cast<wchar_t>(*byte));
        }
        return name;
    }

    // A count followed by records: the count is clipped to the records that are present and to
    // the room left below a total.
    size_t readCount(ByteReader& in, size_t recordSize, size_t room) {
        const uint16_t count = in.u16().value_or(0);
        const size_t usable = std::min(in.remaining() / recordSize, room);
        if (count > usable) {
            damaged_ = true;
            return usable;
        }
        return count;
    }

    void readVertices(ByteReader& in) {
        if (!mesh_)
            return;
        const size_t count = readCount(in, 12, maxMeshVertices - mesh_->vertices.size());
        mesh_->vertices.reserve(mesh_->vertices.size() + count);
        for (size_t i = 0; i < count; ++i) {
            const float x = finiteClamped(*in.f32(), coordinateLimit);
            const float y = finiteClamped(*in.f32(), coordinateLimit);
            const float z = finiteClamped(*in.f32(), coordinateLimit);
            Vertex3D vertex;
            vertex.x = toFixed11(-x); // the file's z is up; ours is y
            vertex.y = toFixed11(z);
            vertex.z = toFixed11(-y);
            mesh_->vertices.push_back(vertex);
        }
    }

    void readFaces(ByteReader& in) {
        if (!mesh_)
            return;
        const size_t count = readCount(in, 8, maxMeshFaces - mesh_->faces.size());
        mesh_->faces.reserve(mesh_->faces.size() + count);
        for (size_t i = 0; i < count; ++i) {
            const uint16_t a = *in.u16();
            const uint16_t b = *in.u16();
            const uint16_t c = *in.u16();
            in.skip(2); // edge visibility flags
            mesh_->addFace(a, b, c);
        }
    }

    void readMapping(ByteReader& in) {
        if (!mesh_)
            return;
        const size_t count = readCount(in, 8, mesh_->vertices.size());
        for (size_t i = 0; i < count; ++i) {
            const float u = finiteClamped(*in.f32(), textureLimit);
            const float v = finiteClamped(*in.f32(), textureLimit);
            mesh_->vertices[i].u = toFixed16(u);
            mesh_->vertices[i].v = toFixed16(1.0f - v); // image rows run top down
        }
    }

    // The first sub-chunk: 24-bit or float colour; anything else is black.
    uint32_t readColour(ByteReader& in) {
        const std::optional<uint16_t> id = in.u16();
        if (!id || !in.u32())
            return 0;
        if (*id == Colour24) {
            const uint32_t r = in.u8().value_or(0), g = in.u8().value_or(0), b = in.u8().value_or(0);
            return (r << 16) | (g << 8) | b;
        }
        if (*id == ColourFloat) {
            uint32_t channels[3] = {0, 0, 0};
            for (uint32_t& channel : channels) {
                const float value = finiteClamped(in.f32().value_or(0.0f), 1.0f);
                channel = static_cast<uint32_t>(std::lround(std::max(value, 0.0f) * 255.0f));
            }
            return (channels[0] << 16) | (channels[1] << 8) | channels[2];
        }
        return 0;
    }

    // The first sub-chunk as 0 ... 255: integer percent or float fraction; anything else is 0.
    int readPercentage(ByteReader& in) {
        const std::optional<uint16_t> id = in.u16();
        if (!id || !in.u32())
            return 0;
        if (*id == PercentInt)
            return std::clamp(in.i16().value_or(0) * 255 / 100, 0, 255);
        if (*id == PercentFloat)
            return static_cast<int>(std::clamp(finiteClamped(in.f32().value_or(0.0f), 1.0f), 0.0f, 1.0f) * 255.0f);
        return 0;
    }

    // A map: its amount (when the first sub-chunk is a percentage) and its name sub-chunk.
    Texture* readMap(ByteReader& in, int& amount, std::wstring& mapName) {
        bool first = true;
        while (in.remaining() >= chunkHeaderSize) {
            const size_t start = in.position();
            const uint16_t id = *in.u16();
            const uint32_t length = *in.u32();
            if (length < chunkHeaderSize || length > in.size() - start) {
                damaged_ = true;
                break;
            }
            ByteReader sub(*in.bytes(length - chunkHeaderSize));
            if (first) {
                in.seek(start);
                amount = readPercentage(in);
                in.seek(start + length);
                first = false;
            }
            if (id == MapName) {
                mapName = readName(sub);
                return loadTexture_ && !mapName.empty() ? loadTexture_(mapName) : nullptr;
            }
        }
        return nullptr;
    }

    // Assigns materials by name, whatever the order of the file, and drops faces whose indices
    // lie outside their mesh's vertex list.
    void finish() {
        for (const auto& mesh : *model_.meshes) {
            if (!mesh->materialName.empty())
                mesh->material = model_.findMaterial(mesh->materialName);
            const auto vertexCount = static_cast<int32_t>(mesh->vertices.size());
            const auto outside = [vertexCount](const Face3D& face) {
                return face.a >= vertexCount || face.b >= vertexCount || face.c >= vertexCount;
            };
            const size_t before = mesh->faces.size();
            std::erase_if(mesh->faces, outside);
            if (mesh->faces.size() != before)
                damaged_ = true;
        }
    }

    std::span<const uint8_t> bytes_;
    Model3D& model_;
    const TextureLoader& loadTexture_;
    bool damaged_ = false;
    std::wstring currentName_;
    Mesh3D* mesh_ = nullptr;
    Material3D* material_ = nullptr;
};

} // namespace

Read3dsResult read3ds(std::span<const uint8_t> data, Model3D& model, const TextureLoader& loadTexture) {
    return Reader(data, model, loadTexture).run();
}

} // namespace velmora
