#include "gui/awt_scene.h"
#include "gui/canvas.h"
#include "gui/drag_pad.h"
#include "gui/widgets.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/native_window.h"
#include "render/scene_sprite.h"

namespace velmora {

namespace {

// The arrow keys as the page sees them on a screen turned a quarter turn either way.
int turnArrowKey(int key, ScreenOrientation orientation) {
    static constexpr int turnedLeft[] = {VK_UP, VK_RIGHT, VK_DOWN, VK_LEFT};  // counter-clockwise
    static constexpr int turnedRight[] = {VK_DOWN, VK_LEFT, VK_UP, VK_RIGHT}; // clockwise
    if (key < VK_LEFT || key > VK_DOWN)
        return key;
    const int index = key - VK_LEFT; // left, up, right, down
    if (orientation == ScreenOrientation::CounterClockwise)
        return turnedLeft[index];
    if (orientation == ScreenOrientation::Clockwise)
        return turnedRight[index];
    return key;
}

struct Cursors {
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    HCURSOR text = LoadCursorW(nullptr, IDC_IBEAM);
};

const Cursors& cursors() {
    static const Cursors loaded;
    return loaded;
}

bool startsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

void Canvas::turnPointer(int& x, int& y) const {
    const Surface* page = backBuffer();
    const int width = page ? page->width : pageWidth();
    const int height = page ? page->height : pageHeight();
    const int screenX = x, screenY = y;
    if (orientation() == ScreenOrientation::CounterClockwise) {
        x = width - screenY;
        y = screenX;
    } else if (orientation() == ScreenOrientation::Clockwise) {
        x = screenY;
        y = height - screenX;
    }
}

void Canvas::updateCursor(int x, int y) const {
    const Sprite* over = hitTestPage(x, y);
    if (!over)
        SetCursor(cursors().arrow);
    else
        SetCursor(over->guiType == GuiType::Editbox ? cursors().text : cursors().hand);
}

void Canvas::onMouse(UINT message, WPARAM keyState, int x, int y, MousePhase phase) {
    if (phase == MousePhase::AfterListener) {
        // The page's listener has seen the message (and may have reloaded the page, which
        // forgets the pressed node).
        if (!pressedNode_ || pressedNode_->guiType == GuiType::None)
            return;
        if (message == WM_LBUTTONDOWN)
            pressWidget(*this, *pressedNode_);
        else if (message == WM_LBUTTONUP)
            releaseWidget(*this, *pressedNode_);
        else
            return;
        repaint();
        return;
    }
    if (transformPointer)
        turnPointer(x, y);
    else
        transformPointer = true; // posted by the key handler in page coordinates
    switch (message) {
    case WM_MOUSEMOVE:
        if (dragPad_ && dragPad_->isDragging() && (keyState & MK_LBUTTON)) {
            dragPad_->moveTo(x, y, true);
            if (!isRunning())
                repaint();
            return;
        }
        updateCursor(x, y);
        return;
    case WM_LBUTTONDOWN:
        pressedNode_ = hitTestPage(x, y);
        if (dragPad_ && !pressedNode_ && dragPad_->enabled)
            dragPad_->start(x, y);
        return;
    case WM_LBUTTONUP:
        if (dragPad_ && !pressedNode_) {
            dragPad_->stop();
            if (!isRunning())
                repaint();
        }
        return;
    default:
        return;
    }
}

void Canvas::onKey(UINT message, int virtualKey) {
    if (message != WM_KEYDOWN && message != WM_KEYUP)
        return;
    const bool down = message == WM_KEYDOWN;
    const int key = rotateArrowKeys ? turnArrowKey(virtualKey, orientation()) : virtualKey;
    const uint32_t bit = navigationKeyBit(key);
    if (!down) {
        lastReleasedKey_ = key;
        releasedKeyBits_ |= bit;
    }
    if (singleKeyMode)
        keysHeld_ = down ? bit : 0;
    else if (down)
        keysHeld_ |= bit;
    else
        keysHeld_ &= ~bit;
    if (key >= 0x30 && key <= 0x5A && shortcutsEnabled && (!down || key != lastKeyDown_)) {
        handleShortcut(message, key);
        lastKeyDown_ = down ? key : 0;
    }
    if (key == VK_APPS && down != menuKeyDown_) {
        menuKeyDown_ = down;
        pressMenuButton(down);
    }
}

void Canvas::postPress(const Scene& scene, const Sprite& sprite, bool down) {
    const int x = sprite.x + sprite.drawWidth() / 2 + scene.x;
    const int y = sprite.y + sprite.drawHeight() / 2 + scene.y;
    transformPointer = false;
    PostMessageW(handle(), down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? WPARAM{MK_LBUTTON} : WPARAM{0},
                 MAKELPARAM(x, y));
}

void Canvas::pressMenuButton(bool down) {
    const Scene* scene = findSceneOfNode(menuButton);
    if (!scene || !scene->visible || scene->kind != SceneKind::Sprite)
        return;
    const auto* button = static_cast<const Sprite*>(scene->find(menuButton));
    if (button->visible)
        postPress(*scene, *button, down);
}

// Typed characters collect into typedShortcut; a visible node whose index text they spell is
// pressed on the key-down and released on the key-up, through posted pointer messages at its
// centre (a sprite) or by focusing its control (a native control).
void Canvas::handleShortcut(UINT message, int key) {
    const bool down = message == WM_KEYDOWN;
    if (down) {
        const uint32_t now = GetTickCount();
        if (typedShortcut_.size() >= maxTypedShortcut || now - lastShortcutTick_ > shortcutPauseMs)
            typedShortcut_.clear();
        typedShortcut_ += static_cast<wchar_t>(key);
        lastShortcutTick_ = now;
    }
    if (typedShortcut_.empty())
        return; // a key-up after the sequence was used up or dropped
    bool possible = false;
    for (auto it = scenes.rbegin(); it != scenes.rend(); ++it) {
        Scene& scene = **it;
        if (!scene.visible || (scene.kind != SceneKind::Sprite && scene.kind != SceneKind::AWT))
            continue;
        for (int i = 0; i < scene.children.count(); ++i) {
            Node* child = scene.children.at(i);
            if (scene.kind == SceneKind::Sprite) {
                auto* sprite = static_cast<Sprite*>(child);
                if (!sprite->visible)
                    continue;
                if (sprite->indexText == typedShortcut_) {
                    postPress(scene, *sprite, down);
                    if (!down)
                        typedShortcut_.clear();
                    return;
                }
                possible = possible || startsWith(sprite->indexText, typedShortcut_);
            } else {
                auto* component = static_cast<AWTComponent*>(child);
                if (!component->visible)
                    continue;
                if (component->indexText == typedShortcut_) {
                    if (!down) {
                        if (component->control)
                            component->control->setFocus();
                        typedShortcut_.clear();
                    }
                    return;
                }
                possible = possible || startsWith(component->indexText, typedShortcut_);
            }
        }
        if (topSceneOnlyShortcuts)
            break;
    }
    if (!possible)
        typedShortcut_.clear();
}

} // namespace velmora
