#include "render/scene.h"

namespace velmora {

void Scene::addNode(const std::wstring& nodeName, std::unique_ptr<Node> node) {
    if (!node)
        return;
    node->name = nodeName.substr(0, maxNodeName);
    children.append(std::move(node));
}

Node* Scene::find(const std::wstring& nodeName) const {
    for (int i = 0; i < children.count(); ++i) {
        if (children.at(i)->name == nodeName)
            return children.at(i);
    }
    return nullptr;
}

void Scene::setBuffered(bool on, int canvasWidth, int canvasHeight) {
    buffered = on;
    if (!on) {
        buffer.reset();
        return;
    }
    if (!buffer) {
        buffer = std::make_unique<Surface>();
        if (buffer->create(canvasWidth, canvasHeight, true))
            SetBkMode(buffer->memoryDC, TRANSPARENT); // text on the scene leaves what lies behind it
    }
}

} // namespace velmora
