#include "gui/message_box.h"

#include "gui/canvas.h"
#include "platform/clock.h"
#include "platform/game_folders.h"
#include "platform/ui_scale.h"
#include "render/sprite.h"

#include <algorithm>

namespace velmora {

namespace {

// The slide moves the box in eight steps, each painted at once and shown for a moment, so that
// the movement can be seen however fast the page paints.
constexpr int slideSteps = 7;
constexpr uint32_t slideStepMs = 30;
constexpr int messageTextSize = 16;

std::wstring& folderSetting() {
    static std::wstring folder = resourcesFolder() + L"GUI\\";
    return folder;
}

// Only a sprite scene holds the box's sprites.
Scene* messageScene(const Canvas& page) {
    Scene* scene = page.findScene(messageBoxSceneName);
    return scene && scene->kind == SceneKind::Sprite ? scene : nullptr;
}

Sprite* sprite(const Scene& scene, const wchar_t* name) {
    return static_cast<Sprite*>(scene.find(name));
}

void setVisible(const Scene& scene, const wchar_t* name, bool visible) {
    if (Sprite* node = sprite(scene, name))
        node->visible = visible;
}

void setButton(const Scene& scene, const wchar_t* name, bool visible) {
    if (Sprite* button = sprite(scene, name)) {
        button->status = SpriteStatus::Normal;
        button->visible = visible;
    }
}

void setMessageText(const Scene& scene, const wchar_t* name, const std::wstring& text) {
    if (Sprite* node = sprite(scene, name)) {
        node->setText(text);
        node->textSize = std::max(11, scaled(messageTextSize));
    }
}

// Sprites are drawn at the scene's position and the background at the painter's rectangle: both
// move.
void moveScene(Scene& scene, int y) {
    scene.y = y;
    if (scene.painter)
        scene.painter->viewport.y = y;
}

// Paints the page with the box at each height of the slide; the box ends where it started.
// Steps run from k = 0 to 7 with the box at y0 - offset(k) * s / 7, s the distance that takes
// its lower edge to the page's top.
template <typename Offset> void slide(Canvas& page, Scene& scene, Offset offset) {
    const int y0 = scene.y;
    const int s = y0 + scene.height;
    for (int k = 0; k <= slideSteps; ++k) {
        moveScene(scene, y0 - offset(k) * s / slideSteps);
        page.Window::repaint(); // a synchronous paint of the window, also on a running page
        Sleep(slideStepMs);
    }
    moveScene(scene, y0);
}

} // namespace

const std::wstring& messageBoxFolder() {
    return folderSetting();
}

void setMessageBoxFolder(const std::wstring& folder) {
    folderSetting() = folder;
}

void showMessage(Canvas& page, const std::wstring& text, const std::wstring& key, MessageButtons buttons,
                 Texture* picture, bool animate) {
    Scene* scene = messageScene(page);
    if (!scene) {
        // Added to the page's scenes; the page's own template stays the one it saves.
        page.loadTemplate(messageBoxFolder(), messageBoxTemplateName, false);
        scene = messageScene(page);
        if (!scene)
            return; // the loader has said that the template is missing
    }
    if (Sprite* box = sprite(*scene, L"sptBoxBkgTexture")) {
        box->texture = picture;
        box->clipX = box->clipY = box->clipW = box->clipH = -1;
    }
    setVisible(*scene, L"sptArmL", animate);
    setVisible(*scene, L"sptArmR", animate);
    if (Sprite* context = sprite(*scene, L"sptMessageContext"))
        context->text = key; // kept exactly: the page compares it
    setMessageText(*scene, L"sptMessage_shadow", text);
    setMessageText(*scene, L"sptMessage", text);
    setButton(*scene, L"btnOK", buttons == MessageButtons::Ok);
    setButton(*scene, L"btnYes", buttons == MessageButtons::YesNo);
    setButton(*scene, L"btnNo", buttons == MessageButtons::YesNo);
    scene->visible = true;
    if (animate)
        slide(page, *scene, [](int k) { return slideSteps - k; });
}

void hideMessage(Canvas& page, bool animate) {
    Scene* scene = messageScene(page);
    if (!scene)
        return;
    if (animate)
        slide(page, *scene, [](int k) { return k; });
    scene->visible = false;
}

bool isMessageOpen(const Canvas& page) {
    const Scene* scene = messageScene(page);
    return scene && scene->visible;
}

std::optional<std::wstring> messageKey(const Canvas& page) {
    const Scene* scene = messageScene(page);
    const Sprite* context = scene ? sprite(*scene, L"sptMessageContext") : nullptr;
    if (!context)
        return std::nullopt;
    return context->text;
}

} // namespace velmora
