#pragma once
// The scene kind that holds native controls: it always covers the whole page and draws nothing
// itself (the controls are child windows of the page); its index texts select a control from the
// keypad.

#include "gui/window.h"
#include "platform/gdi.h"
#include "render/scene.h"

#include <cstdint>
#include <string>

namespace velmora {

// One native control of a page. The page window owns the control; the node removes it from the
// page when it goes (a page reload).
struct AWTComponent : Node {
    AWTComponent(Window& owner, Window* nativeControl) : page(owner), control(nativeControl) {}
    ~AWTComponent() override;
    AWTComponent(const AWTComponent&) = delete;
    AWTComponent& operator=(const AWTComponent&) = delete;

    Window& page;
    Window* control;
    HFONT font = nullptr; // owned; the control draws with it
    bool visible = true;
    std::wstring indexText; // keyboard shortcut label, at most 4 characters
};

struct SceneAWT : Scene {
    SceneAWT() : Scene(SceneKind::AWT) {}
    uint32_t indexTextColor = 0xFFFF00;
    int indexTextSize = 16;
    int indexTextOffsetX = 0, indexTextOffsetY = 0;
};

} // namespace velmora
