#pragma once
// Scenes and their nodes as plain records: what every scene kind shares. The page's template
// loader fills them; each kind's painter draws them. Kinds are told apart by their number.

#include "base/color.h"
#include "base/owned_ptr_vector.h"
#include "base/ptr_vector.h"
#include "render/texture.h"
#include "surface/surface.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

enum class SceneKind { Sprite = 0, Scene2D = 1, Scene3D = 2, AWT = 3 };

// Anything a scene holds: sprites, 2D and 3D groups, lights, native controls.
struct Node {
    virtual ~Node() = default;
    std::wstring name; // at most 64 characters, set when the node is added to its scene
};

// The part of the page a scene draws into: its rectangle on the page's back buffer.
struct Viewport {
    Surface* target = nullptr;
    int x = 0, y = 0, width = 0, height = 0;
};

// The drawing object of one scene kind.
class ScenePainter {
public:
    virtual ~ScenePainter() = default;
    // A positive time step (seconds) is a new frame: animations advance.
    virtual void draw(float timeStep) = 0;
    Viewport viewport;
};

struct Scene {
    explicit Scene(SceneKind sceneKind) : kind(sceneKind) {}
    virtual ~Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Copies the name (64 characters at most) into the node and appends it; returns the node.
    template <typename NodeType> NodeType* add(const std::wstring& nodeName, std::unique_ptr<NodeType> node) {
        NodeType* added = node.get();
        addNode(nodeName, std::move(node));
        return added;
    }
    Node* find(const std::wstring& nodeName) const;
    // Makes or releases the scene's own back buffer (canvas size, display depth).
    void setBuffered(bool on, int canvasWidth, int canvasHeight);

    bool visible = true;
    bool buffered = false;
    uint32_t transparentColor = 0; // key used when a buffered scene is copied onto the page
    const SceneKind kind;
    int x = 0, y = 0, width = 0, height = 0;
    uint32_t bkgColor = noColor;
    Texture* bkgTexture = nullptr; // owned by the page's image cache
    OwnedPtrVector<Node> children; // in insertion (drawing) order
    std::unique_ptr<ScenePainter> painter;
    std::wstring name;
    std::unique_ptr<Surface> buffer; // only while buffered

private:
    void addNode(const std::wstring& nodeName, std::unique_ptr<Node> node);
};

// Names are cut to what the data format allows.
inline constexpr size_t maxNodeName = 63;

} // namespace velmora
