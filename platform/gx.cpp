#include "platform/gx.h"

#include "platform/display.h"
#include "platform/messages.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmora {

namespace {

struct Framebuffer {
    std::vector<uint16_t> memory;
    uint8_t* origin = nullptr; // pixel (0, 0)
    LONG xPitch = 0;
    LONG yPitch = 0;
    bool displayOpen = false;
    bool inputOpen = false;
    bool suspended = false;
};

Framebuffer& framebuffer() {
    static Framebuffer instance = [] {
        Framebuffer created;
        const SIZE size = screenSize();
        created.memory.assign(static_cast<size_t>(size.cx) * size.cy, 0);
        auto* bytes = reinterpret_cast<uint8_t*>(created.memory.data());
        const char* layout = std::getenv("VELMORA_FRAMEBUFFER");
        if (layout && std::strcmp(layout, "landscape") == 0) {
            // Memory rows run down the screen's columns from its right edge: x steps back one row.
            created.xPitch = -2 * size.cy;
            created.yPitch = 2;
            created.origin = bytes + static_cast<ptrdiff_t>(size.cx - 1) * size.cy * 2;
        } else {
            created.xPitch = 2;
            created.yPitch = 2 * size.cx;
            created.origin = bytes;
        }
        return created;
    }();
    return instance;
}

uint16_t& pixelAt(Framebuffer& fb, int x, int y) {
    return *reinterpret_cast<uint16_t*>(fb.origin + static_cast<ptrdiff_t>(x) * fb.xPitch +
                                        static_cast<ptrdiff_t>(y) * fb.yPitch);
}

// The framebuffer starts with what the screen shows, so opening it does not flash.
void copyScreenIntoFramebuffer(Framebuffer& fb) {
    const SIZE size = screenSize();
    const std::vector<uint32_t> picture = captureScreen();
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const uint32_t c = picture[static_cast<size_t>(y) * size.cx + x];
            pixelAt(fb, x, y) =
                static_cast<uint16_t>(((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c >> 3) & 0x1F));
        }
    }
}

} // namespace

int GXOpenDisplay(HWND, DWORD) {
    Framebuffer& fb = framebuffer();
    if (!fb.displayOpen) {
        copyScreenIntoFramebuffer(fb);
        fb.displayOpen = true;
        fb.suspended = false;
    }
    return 1;
}

int GXCloseDisplay() {
    Framebuffer& fb = framebuffer();
    fb.displayOpen = false;
    fb.suspended = false;
    markScreenDirty();
    return 1;
}

void* GXBeginDraw() {
    return framebuffer().displayOpen ? framebuffer().origin : nullptr;
}

int GXEndDraw() {
    return 1;
}

GXDisplayProperties GXGetDisplayProperties() {
    const Framebuffer& fb = framebuffer();
    const SIZE size = screenSize();
    GXDisplayProperties properties;
    properties.cxWidth = static_cast<DWORD>(size.cx);
    properties.cyHeight = static_cast<DWORD>(size.cy);
    properties.cbxPitch = fb.xPitch;
    properties.cbyPitch = fb.yPitch;
    properties.cBPP = 16;
    properties.ffFormat = kfDirect | kfDirect565 | (fb.xPitch == 2 ? DWORD(0) : DWORD(kfLandscape));
    return properties;
}

bool GXIsDisplayDRAMBuffer() {
    return false;
}

int GXOpenInput() {
    framebuffer().inputOpen = true;
    return 1;
}

int GXCloseInput() {
    framebuffer().inputOpen = false;
    return 1;
}

GXKeyList GXGetDefaultKeys(int) {
    GXKeyList keys;
    keys.up.vk = VK_UP;
    keys.down.vk = VK_DOWN;
    keys.left.vk = VK_LEFT;
    keys.right.vk = VK_RIGHT;
    keys.a.vk = VK_APP1;
    keys.b.vk = VK_APP2;
    keys.c.vk = VK_APP3;
    keys.start.vk = VK_APP4;
    return keys;
}

int GXSuspend() {
    framebuffer().suspended = true;
    markScreenDirty();
    return 1;
}

int GXResume() {
    framebuffer().suspended = false;
    return 1;
}

int GXSetViewport(DWORD, DWORD, DWORD, DWORD) {
    return 1;
}

int ExtEscape(HDC, int escape, int, const char*, int outputSize, char* output) {
    if (escape != GETRAWFRAMEBUFFER || !output || outputSize < static_cast<int>(sizeof(RawFrameBufferInfo)))
        return 0;
    const Framebuffer& fb = framebuffer();
    const SIZE size = screenSize();
    RawFrameBufferInfo info;
    info.wFormat = FORMAT_565;
    info.wBPP = 16;
    info.pFramePointer = fb.origin;
    info.cxStride = fb.xPitch;
    info.cyStride = fb.yPitch;
    info.cxPixels = size.cx;
    info.cyPixels = size.cy;
    std::memcpy(output, &info, sizeof info);
    return 1;
}

bool gxIsOpen() {
    return framebuffer().displayOpen || framebuffer().inputOpen;
}

bool gxDisplayShown() {
    return framebuffer().displayOpen && !framebuffer().suspended;
}

void gxComposeScreen(uint16_t* out) {
    Framebuffer& fb = framebuffer();
    const SIZE size = screenSize();
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x)
            out[static_cast<size_t>(y) * size.cx + x] = pixelAt(fb, x, y);
    }
}

} // namespace velmora
