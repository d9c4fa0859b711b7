#include "platform/gx.h"

#include "base/color.h"
#include "platform/device_profile.h"
#include "platform/display.h"
#include "platform/messages.h"

#include <cstring>
#include <vector>

namespace velmora {

namespace {

// How pixels lie in the panel's memory: steps in bytes and the byte offset of pixel (0, 0).
struct MemoryLayout {
    LONG xPitch = 0;
    LONG yPitch = 0;
    ptrdiff_t origin = 0;
};

MemoryLayout portraitLayout(SIZE size) {
    return {2, 2 * size.cx, 0};
}

// Memory rows run down the screen's columns from its right edge: x steps back one memory row.
MemoryLayout columnsFromRightLayout(SIZE size) {
    return {-2 * size.cy, 2, static_cast<ptrdiff_t>(size.cx - 1) * size.cy * 2};
}

// Memory rows run up the screen's columns from its left edge: y steps back one pixel.
MemoryLayout columnsFromLeftLayout(SIZE size) {
    return {2 * size.cy, -2, static_cast<ptrdiff_t>(size.cy - 1) * 2};
}

MemoryLayout layoutOf(PanelMemory memory, SIZE size) {
    switch (memory) {
    case PanelMemory::ColumnsFromRight:
        return columnsFromRightLayout(size);
    case PanelMemory::ColumnsFromLeft:
        return columnsFromLeftLayout(size);
    case PanelMemory::Rows:
    default:
        return portraitLayout(size);
    }
}

struct Framebuffer {
    unsigned profileRevision = 0;
    std::vector<uint16_t> memory;
    SIZE size{};
    MemoryLayout actual;         // how the memory runs
    MemoryLayout reported;       // what the game interface's properties describe
    uintptr_t deviceAddress = 0; // the device address of the memory's first byte; 0 when it has none
    bool answersRawQuery = true;
    bool displayOpen = false;
    bool inputOpen = false;
    bool suspended = false;

    uint8_t* bytes() { return reinterpret_cast<uint8_t*>(memory.data()); }
    size_t byteCount() const { return memory.size() * 2; }
};

void buildPanel(Framebuffer& fb, const DeviceProfile& profile) {
    fb = Framebuffer{};
    fb.profileRevision = deviceProfileRevision();
    fb.answersRawQuery = profile.answersRawQuery;
    if (isFixedPanelFamily(profile.oemInfo)) {
        fb.size = fixedPanelSize;
        fb.actual = columnsFromRightLayout(fb.size);
        fb.reported = portraitLayout(fb.size);
        fb.deviceAddress = fixedPanelAddress - static_cast<uintptr_t>(fb.actual.origin);
    } else {
        fb.size = profile.panel.cx > 0 && profile.panel.cy > 0 ? profile.panel : screenSize();
        fb.actual = layoutOf(profile.memory, fb.size);
        fb.reported = fb.actual;
    }
    fb.memory.assign(static_cast<size_t>(fb.size.cx) * fb.size.cy, 0);
}

Framebuffer& framebuffer() {
    static Framebuffer instance;
    static bool built = false;
    if (!built || instance.profileRevision != deviceProfileRevision()) {
        buildPanel(instance, deviceProfile());
        built = true;
    }
    return instance;
}

uint16_t& pixelAt(Framebuffer& fb, int x, int y) {
    return *reinterpret_cast<uint16_t*>(fb.bytes() + fb.actual.origin +
                                        static_cast<ptrdiff_t>(x) * fb.actual.xPitch +
                                        static_cast<ptrdiff_t>(y) * fb.actual.yPitch);
}

// The framebuffer starts with what the screen shows (scaled to the panel), so opening it does not
// flash.
void copyScreenIntoFramebuffer(Framebuffer& fb) {
    const SIZE screen = screenSize();
    const std::vector<uint32_t> picture = captureScreen();
    for (int y = 0; y < fb.size.cy; ++y) {
        const int screenY = static_cast<int>(static_cast<int64_t>(y) * screen.cy / fb.size.cy);
        for (int x = 0; x < fb.size.cx; ++x) {
            const int screenX = static_cast<int>(static_cast<int64_t>(x) * screen.cx / fb.size.cx);
            const uint32_t c = picture[static_cast<size_t>(screenY) * screen.cx + screenX];
            pixelAt(fb, x, y) = rgbTo565(c);
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
    Framebuffer& fb = framebuffer();
    return fb.displayOpen ? fb.bytes() + fb.reported.origin : nullptr;
}

int GXEndDraw() {
    return 1;
}

GXDisplayProperties GXGetDisplayProperties() {
    const Framebuffer& fb = framebuffer();
    GXDisplayProperties properties;
    properties.cxWidth = static_cast<DWORD>(fb.size.cx);
    properties.cyHeight = static_cast<DWORD>(fb.size.cy);
    properties.cbxPitch = fb.reported.xPitch;
    properties.cbyPitch = fb.reported.yPitch;
    properties.cBPP = 16;
    properties.ffFormat = kfDirect | kfDirect565 | (fb.reported.xPitch == 2 ? DWORD(0) : DWORD(kfLandscape));
    return properties;
}

bool GXIsDisplayDRAMBuffer() {
    return deviceProfile().dramBuffer;
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
    Framebuffer& fb = framebuffer();
    if (escape != GETRAWFRAMEBUFFER || !fb.answersRawQuery || !output ||
        outputSize < static_cast<int>(sizeof(RawFrameBufferInfo)))
        return 0;
    RawFrameBufferInfo info;
    info.wFormat = FORMAT_565;
    info.wBPP = 16;
    info.pFramePointer = fb.bytes() + fb.actual.origin;
    info.cxStride = fb.actual.xPitch;
    info.cyStride = fb.actual.yPitch;
    info.cxPixels = fb.size.cx;
    info.cyPixels = fb.size.cy;
    std::memcpy(output, &info, sizeof info);
    return 1;
}

void* gxDeviceAddress(uintptr_t address, ptrdiff_t lowest, ptrdiff_t highest) {
    Framebuffer& fb = framebuffer();
    if (fb.deviceAddress == 0 || address < fb.deviceAddress || address - fb.deviceAddress >= fb.byteCount())
        return nullptr;
    const auto offset = static_cast<ptrdiff_t>(address - fb.deviceAddress);
    const auto size = static_cast<ptrdiff_t>(fb.byteCount());
    if (lowest > highest || offset + lowest < 0 || offset + highest >= size)
        return nullptr;
    return fb.bytes() + offset;
}

bool gxDisplayShown() {
    return framebuffer().displayOpen && !framebuffer().suspended;
}

SIZE gxPanelSize() {
    return framebuffer().size;
}

void gxComposeScreen(uint16_t* out) {
    Framebuffer& fb = framebuffer();
    for (int y = 0; y < fb.size.cy; ++y) {
        for (int x = 0; x < fb.size.cx; ++x)
            out[static_cast<size_t>(y) * fb.size.cx + x] = pixelAt(fb, x, y);
    }
}

} // namespace velmora
