#include "model_3ds_file.h"

#include "byte_output.h"

#include <algorithm>
#include <cstring>

namespace velmora::content {
namespace {

constexpr size_t maxName = 29;
constexpr size_t maxCount = 65535;

// Appends chunks; a chunk's length (header included) is filled in when it is closed.
class ChunkWriter {
public:
    void open(uint16_t id) {
        starts_.push_back(bytes_.size());
        putU16(bytes_, id);
        putU32(bytes_, 0);
    }
    void close() {
        const size_t start = starts_.back();
        starts_.pop_back();
        const uint32_t length = uint32_t(bytes_.size() - start);
        for (int i = 0; i < 4; ++i)
            bytes_[start + 2 + i] = uint8_t(length >> (8 * i));
    }
    void byte(uint8_t value) { bytes_.push_back(value); }
    void u16(uint32_t value) { putU16(bytes_, value); }
    void u32(uint32_t value) { putU32(bytes_, value); }
    void f32(float value) {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        putU32(bytes_, bits);
    }
    void name(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        bytes_.push_back(0);
    }
    // A whole chunk holding a 16-bit integer percentage.
    void percentage(int percent) {
        open(0x0030);
        u16(uint32_t(std::clamp(percent, 0, 100)));
        close();
    }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
    std::vector<size_t> starts_;
};

bool validName(const std::string& name) {
    return !name.empty() && name.size() <= maxName &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > 32 && c < 127; });
}

bool valid(const Model3ds& model) {
    for (const Material3ds& material : model.materials)
        if (!validName(material.name) || (!material.textureMap.empty() && !validName(material.textureMap)))
            return false;
    for (const Object3ds& object : model.objects) {
        const bool knownMaterial =
            std::any_of(model.materials.begin(), model.materials.end(),
                        [&](const Material3ds& material) { return material.name == object.material; });
        if (!validName(object.name) || !knownMaterial || object.vertices.size() > maxCount ||
            object.faces.size() > maxCount || object.mapping.size() != object.vertices.size())
            return false;
        for (const auto& face : object.faces)
            for (uint16_t index : face)
                if (index >= object.vertices.size())
                    return false;
    }
    return true;
}

void writeMaterial(ChunkWriter& out, const Material3ds& material) {
    out.open(0xAFFF);
    out.open(0xA000);
    out.name(material.name);
    out.close();
    out.open(0xA020);
    out.open(0x0011);
    for (int shift : {16, 8, 0})
        out.byte(uint8_t(material.diffuse >> shift));
    out.close();
    out.close();
    if (material.transparencyPercent > 0) {
        out.open(0xA050);
        out.percentage(material.transparencyPercent);
        out.close();
    }
    if (material.twoSided) {
        out.open(0xA081);
        out.close();
    }
    if (!material.textureMap.empty()) {
        out.open(0xA200);
        out.percentage(100);
        out.open(0xA300);
        out.name(material.textureMap);
        out.close();
        out.close();
    }
    out.close();
}

void writeObject(ChunkWriter& out, const Object3ds& object) {
    out.open(0x4000);
    out.name(object.name);
    out.open(0x4100);
    out.open(0x4110);
    out.u16(uint32_t(object.vertices.size()));
    for (const Point3ds& p : object.vertices) {
        out.f32(p.x);
        out.f32(p.y);
        out.f32(p.z);
    }
    out.close();
    out.open(0x4140);
    out.u16(uint32_t(object.mapping.size()));
    for (const auto& uv : object.mapping) {
        out.f32(uv[0]);
        out.f32(uv[1]);
    }
    out.close();
    out.open(0x4160); // local axes: identity at the object's origin
    for (float value : {1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f})
        out.f32(value);
    out.f32(object.origin.x);
    out.f32(object.origin.y);
    out.f32(object.origin.z);
    out.close();
    out.open(0x4120);
    out.u16(uint32_t(object.faces.size()));
    for (const auto& face : object.faces) {
        out.u16(face[0]);
        out.u16(face[1]);
        out.u16(face[2]);
        out.u16(7); // all three edges visible
    }
    out.open(0x4130);
    out.name(object.material);
    out.u16(uint32_t(object.faces.size()));
    for (size_t i = 0; i < object.faces.size(); ++i)
        out.u16(uint32_t(i));
    out.close();
    out.close();
    out.close();
    out.close();
}

} // namespace

std::vector<uint8_t> encode3ds(const Model3ds& model) {
    if (!valid(model))
        return {};
    ChunkWriter out;
    out.open(0x4D4D);
    out.open(0x0002); // file version
    out.u32(3);
    out.close();
    out.open(0x3D3D);
    out.open(0x3D3E); // mesh version
    out.u32(3);
    out.close();
    for (const Material3ds& material : model.materials)
        writeMaterial(out, material);
    out.open(0x0100); // one unit per unit
    out.f32(1.0f);
    out.close();
    for (const Object3ds& object : model.objects)
        writeObject(out, object);
    out.close();
    out.close();
    return out.take();
}

bool write3ds(const std::string& path, const Model3ds& model) {
    const std::vector<uint8_t> bytes = encode3ds(model);
    return !bytes.empty() && writeBytes(path, bytes);
}

} // namespace velmora::content
