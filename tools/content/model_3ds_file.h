#pragma once
// A small writer of 3D Studio mesh files in the layout the game's reader expects: every material
// block before the objects that use it, and each object one triangle mesh with its vertex list,
// mapping coordinates, local axes, face list and one face-material group. Coordinates are the
// file's own: Z up.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::content {

struct Material3ds {
    std::string name;            // at most 29 bytes, unique in the file
    uint32_t diffuse = 0xFFFFFF; // 0xRRGGBB
    std::string textureMap;      // file name beside the model, at most 29 bytes; empty: none
    bool twoSided = false;
    int transparencyPercent = 0;
};

struct Point3ds {
    float x = 0, y = 0, z = 0;
    friend bool operator==(const Point3ds&, const Point3ds&) = default;
};

struct Object3ds {
    std::string name; // at most 29 bytes
    std::vector<Point3ds> vertices;
    std::vector<std::array<float, 2>> mapping;  // u, v per vertex (v = 0 at the picture's bottom)
    std::vector<std::array<uint16_t, 3>> faces; // counter-clockwise seen from the visible side
    std::string material;
    Point3ds origin; // of the local axes chunk
};

struct Model3ds {
    std::vector<Material3ds> materials;
    std::vector<Object3ds> objects;
};

// The file's bytes; empty when a name is too long, a count exceeds 65535, a face refers to a
// missing vertex, the mapping does not match the vertices or an object names no known material.
std::vector<uint8_t> encode3ds(const Model3ds& model);
// False when the model cannot be encoded or the file cannot be written.
bool write3ds(const std::string& path, const Model3ds& model);

} // namespace velmora::content
