#include "render/scene.h"

namespace velmora {

Scene::~Scene() {
    for (int i = 0; i < children.count(); ++i)
        delete children.at(i);
}

void Scene::add(const std::wstring& nodeName, Node* node) {
    if (!node)
        return;
    node->name = nodeName.substr(0, maxNodeName);
    children.append(node);
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
