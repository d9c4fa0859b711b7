#pragma once
// Building the 3D objects a scene template describes ("Scene3D", "Group3D", "Chip3D", "LOD",
// "Light", "Fog") from the values of their template lines. The template loader parses the lines and
// calls these; they know nothing of templates.

#include "render/chip3d.h"
#include "render/model_cache.h"
#include "render/scene3d.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class ImageCache;

// Where a page's models and pictures come from.
struct NodeSources {
    ModelCache* models = nullptr;
    ImageCache* images = nullptr;
    std::wstring folder; // the page's template folder
};

// The items every 3D node line ends with.
struct NodeSettings {
    bool visible = true;
    ShadingMode detailLevel = ShadingMode::Lit;
    bool environmentEnabled = true;
    int billboard = BillboardNone;
    int cullingPolicy = 1;
};

struct Group3DValues {
    float radius = 1.0f;
    std::wstring model;
    std::optional<std::wstring> wantedObjects;
    std::optional<std::wstring> unwantedObjects;
};

struct Chip3DValues {
    float radius = 1.0f;
    float width = 1.0f;
    float height = 1.0f;
    int orientation = 2;
    std::wstring texture;
    std::wstring alpha;
    bool mirror = false;
};

struct Scene3DValues {
    int x = 0, y = 0, width = 0, height = 0; // pixels, already scaled
    uint32_t ambient = 0;
    float frontClip = 1.0f;
    float backClip = 1000.0f;
    Scene3D* zBufferProvider = nullptr;
};

// A 3D scene of at least 8 x 8 pixels with its painter, camera viewport and z-buffer.
std::unique_ptr<Scene3D> buildScene3D(const Scene3DValues& values);
// A model node, or none when its file cannot be read.
std::unique_ptr<Object3D> buildGroup3D(const NodeSources& sources, const Group3DValues& values);
std::unique_ptr<Object3D> buildChip3D(const NodeSources& sources, const Chip3DValues& values);
void applyNodeSettings(Object3D& node, const NodeSettings& settings);
// Vertices a node and its copies may hold together (some 90 MB): copies duplicate the geometry.
inline constexpr size_t maxCopiedVertices = size_t{1} << 20;
// The copies of a line with "number" n >= 2: n - 1 copies duplicating meshes, materials and levels,
// fewer when they would hold more than maxCopiedVertices with the node.
std::vector<std::unique_ptr<Object3D>> copiesOf(const Object3D& node, int number);
// "LOD": models is '(a.3ds; b.3ds)' with levelNum names, each loaded like a "Group3D" model at
// radius, handed to node with the segment length. False when nothing could be attached.
bool attachLevels(Object3D& node, const NodeSources& sources, const std::wstring& models, int levelNum,
                  float segment, const Group3DValues& shared);
// "Light": the direction text '(x;y;z)' (default down), one colour for diffuse and specular.
Light3D templateLight(const std::wstring& name, const std::optional<std::wstring>& direction,
                      uint32_t colour);

} // namespace velmora
