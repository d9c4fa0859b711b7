#include "gui/canvas.h"

#include "base/wide_string.h"
#include "gui/drag_pad.h"
#include "gui/input_pad.h"
#include "media/play_sound.h"
#include "platform/files.h"
#include "platform/game_folders.h"
#include "platform/message_box.h"
#include "platform/ui_scale.h"
#include "render/scene_sprite.h"

namespace velmora {

uint32_t navigationKeyBit(int virtualKey) {
    switch (virtualKey) {
    case VK_UP:
        return KeyBitUp;
    case VK_DOWN:
        return KeyBitDown;
    case VK_LEFT:
        return KeyBitLeft;
    case VK_RIGHT:
        return KeyBitRight;
    case VK_DELETE:
        return KeyBitDelete;
    case VK_END:
        return KeyBitEnd;
    case VK_SPACE:
        return KeyBitSpace;
    case VK_RETURN:
    case VK_ACTION:
        return KeyBitAction;
    case VK_PRIOR:
        return KeyBitPageUp;
    case VK_NEXT:
        return KeyBitPageDown;
    case VK_HOME:
        return KeyBitHome;
    case VK_INSERT:
        return KeyBitInsert;
    default:
        return 0;
    }
}

Canvas::Canvas(const std::wstring& pageName, bool hasBackBuffer) : FramePage(pageName, hasBackBuffer) {}

Canvas::~Canvas() {
    releasePage();
}

void Canvas::onDestroyed() {
    releasePage();
}

// The input pad outlives reloads (the page creates it once); it goes with the window.
void Canvas::releasePage() {
    dragPad_.reset();
    inputPad_.reset();
    clearContent();
}

// Scenes go first: their nodes point into the caches and font map.
void Canvas::clearContent() {
    pressedNode_ = nullptr;
    scenes.clear();
    loadedNames.clear();
    soundsByName.clear();
    soundBank.clear();
    fontsByName.clear();
    imageCache.clear();
    modelCache.clear();
    pageTemplate.clear();
}

void Canvas::paint() {
    Surface* page = backBuffer();
    if (!page)
        return;
    // Between frames of a running page an unbuffered scene keeps its last picture, unless the drag
    // pad is drawn over it (its inverted picture must be painted over).
    const bool keepUnbuffered = dt < 0.0f && isRunning() && !(dragPad_ && dragPad_->isActive());
    for (const auto& scene : scenes) {
        if (!scene->visible || !scene->painter)
            continue;
        Viewport& viewport = scene->painter->viewport;
        viewport.target = page;               // the back buffer is rebuilt when the orientation changes
        if (scene->kind == SceneKind::Sprite) // shortcut labels only while shortcuts work
            static_cast<SpriteScenePainter&>(*scene->painter).showIndexTexts = shortcutsEnabled;
        if (scene->buffered && scene->buffer) {
            if (dt < 0.0f)
                scene->painter->draw(dt);
            copyBlit(*page, *scene->buffer, viewport.x, viewport.y,
                     Rect{viewport.x, viewport.y, viewport.width, viewport.height}, scene->transparentColor);
        } else if (!keepUnbuffered) {
            scene->painter->draw(dt);
        }
    }
}

void Canvas::onIdle(const MSG&, HWND) {
    frame();
    if (dragPad_ && dragPad_->isActive())
        dragPad_->draw();
    present(nullptr);
}

void Canvas::activate(bool active) {
    if (!active)
        soundBank.pauseAll();
    FramePage::activate(active);
    if (active)
        soundBank.resumeAll();
}

void Canvas::stopActivity() {
    soundBank.stopAll();
}

void Canvas::playSound(const std::wstring& key, int mode) {
    velmora::playSound(handle(), soundsByName, soundBank, key, mode);
}

void Canvas::repaint() {
    dt = -1.0f;
    paint();
    if (isRunning())
        return;
    if (dragPad_ && dragPad_->isActive())
        dragPad_->draw();
    present(nullptr);
}

// The shipped template stays as it is: the page's changes go into the player's copy.
bool Canvas::saveTemplate() {
    const std::wstring userFolder = userDataFolder();
    pageTemplate.setPath(userFolder, templateName);
    if (pageTemplate.save())
        return true;
    MessageBoxW(handle(),
                formatWide(templateUpdateFailedMessage, displayPath(userFolder).c_str(), templateName.c_str())
                    .c_str(),
                L"Warning", MB_OK | MB_ICONWARNING);
    return false;
}

Scene* Canvas::findScene(const std::wstring& sceneName) const {
    for (const auto& scene : scenes) {
        if (scene->name == sceneName)
            return scene.get();
    }
    return nullptr;
}

Node* Canvas::findNode(const std::wstring& nodeName) const {
    Scene* scene = findSceneOfNode(nodeName);
    return scene ? scene->find(nodeName) : nullptr;
}

Scene* Canvas::findSceneOfNode(const std::wstring& nodeName) const {
    for (const auto& scene : scenes) {
        if (scene->find(nodeName))
            return scene.get();
    }
    return nullptr;
}

Scene* Canvas::addScene(std::unique_ptr<Scene> scene, const std::wstring& sceneName) {
    if (!scene)
        return nullptr;
    scene->name = sceneName.substr(0, maxNodeName);
    if (scene->painter)
        scene->painter->viewport = Viewport{backBuffer(), scene->x, scene->y, scene->width, scene->height};
    if (scene->buffered)
        scene->setBuffered(true, pageWidth(), pageHeight());
    scenes.push_back(std::move(scene));
    return scenes.back().get();
}

bool Canvas::isNodeOn(const std::wstring& nodeName) {
    const std::optional<std::wstring> status = pageTemplate.getString(nodeName, L"status");
    return status && *status != L"0";
}

int Canvas::selectedIndex(const std::wstring& groupName) {
    return pageTemplate.getInt(groupName, L"selected", 0);
}

int Canvas::lastReleasedKey() {
    const int key = lastReleasedKey_;
    lastReleasedKey_ = 0;
    return key;
}

uint32_t Canvas::releasedKeyBits() {
    const uint32_t bits = releasedKeyBits_;
    releasedKeyBits_ = 0;
    return bits;
}

Sprite* Canvas::hitTestPage(int x, int y) const {
    for (auto it = scenes.rbegin(); it != scenes.rend(); ++it) {
        const Scene& scene = **it;
        if (scene.kind == SceneKind::Sprite && scene.visible)
            return hitTest(static_cast<const SceneSprite&>(scene), x, y);
    }
    return nullptr;
}

void Canvas::createDragPad(int penWidth, int radius, int directionMode) {
    dragPad_.reset(); // the old pad lets go of its pen first
    dragPad_ = std::make_unique<DragPad>(*this, penWidth, scaled(radius), directionMode);
}

void Canvas::deleteDragPad() {
    dragPad_.reset();
}

} // namespace velmora
