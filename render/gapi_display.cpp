#include "render/gapi_display.h"

#include "platform/display.h"
#include "platform/paint.h"
#include "platform/shell_services.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace velmora {

namespace {

// A handheld family whose game interface misdescribes its panel: 240 x 320, memory running along
// the screen's height (x steps back one 320-pixel column), 565 pixels, at a fixed address.
constexpr GXDisplayProperties fixedGeometry{240, 320, -640, 2, 16, 0xA8};
constexpr uintptr_t fixedFramebufferAddress = 0xAC0755A0;
constexpr UINT oemInfoLength = 63;
constexpr short applicationKeys[] = {0xC1, 0xC2, 0xC3, 0xC4}; // A, B, C, Start
constexpr int vgaWidth = 480, vgaHeight = 640;

GapiDisplayState& displayState() {
    static GapiDisplayState instance;
    return instance;
}

bool isFixedGeometryHandheld() {
    wchar_t information[oemInfoLength + 1] = {};
    SystemParametersInfoW(SPI_GETOEMINFO, oemInfoLength, information, 0);
    const std::wstring text = information;
    return text.find(L"iPAQ") != std::wstring::npos && text.find(L"H38") != std::wstring::npos;
}

// The bytes a geometry reaches from pixel (0, 0), lowest and highest included.
void addressedBytes(const GXDisplayProperties& p, ptrdiff_t& lowest, ptrdiff_t& highest) {
    const ptrdiff_t across = static_cast<ptrdiff_t>(p.cxWidth - 1) * p.cbxPitch;
    const ptrdiff_t down = static_cast<ptrdiff_t>(p.cyHeight - 1) * p.cbyPitch;
    lowest = std::min<ptrdiff_t>(across, 0) + std::min<ptrdiff_t>(down, 0);
    highest = std::max<ptrdiff_t>(across, 0) + std::max<ptrdiff_t>(down, 0) + 1;
}

void chooseFramebuffer(GapiDisplayState& s) {
    if (isFixedGeometryHandheld()) {
        *s.displayProperties = fixedGeometry;
        ptrdiff_t lowest = 0, highest = 0;
        addressedBytes(fixedGeometry, lowest, highest);
        s.framebuffer = static_cast<uint8_t*>(gxDeviceAddress(fixedFramebufferAddress, lowest, highest));
        s.source = FramebufferSource::FixedGeometry;
        return;
    }
    const bool dramBuffer = GXIsDisplayDRAMBuffer();
    OSVERSIONINFOW version;
    GetVersionExW(&version);
    if (version.dwMajorVersion <= 4 && !dramBuffer) {
        // Taken once and held until close: there is no begin and end pair per frame.
        s.framebuffer = static_cast<uint8_t*>(GXBeginDraw());
        s.source = FramebufferSource::GameInterface;
        return;
    }
    const RawFrameBufferInfo& raw = s.rawFrameBuffer;
    GXDisplayProperties& p = *s.displayProperties;
    p.cBPP = raw.wBPP;
    p.ffFormat = raw.wFormat;
    p.cxWidth = static_cast<DWORD>(std::max(raw.cxPixels, 0));
    p.cyHeight = static_cast<DWORD>(std::max(raw.cyPixels, 0));
    p.cbxPitch = raw.cxStride;
    p.cbyPitch = raw.cyStride;
    s.framebuffer = static_cast<uint8_t*>(raw.pFramePointer);
    s.source = FramebufferSource::RawFramebuffer;
}

void closeDisplay(GapiDisplayState& s) {
    if (s.framebuffer) {
        GXEndDraw();
        s.framebuffer = nullptr;
    }
    GXCloseDisplay();
    s.displayOpen = false;
    s.displayProperties.reset();
    s.source = FramebufferSource::None;
}

void openDisplay(GapiDisplayState& s, HWND window) {
    GXOpenDisplay(window, GX_FULLSCREEN);
    s.displayProperties = std::make_unique<GXDisplayProperties>(GXGetDisplayProperties());
    s.displayOpen = true;
    s.rawFrameBuffer = RawFrameBufferInfo{};
    HDC screen = GetDC(nullptr);
    ExtEscape(screen, GETRAWFRAMEBUFFER, 0, nullptr, sizeof(RawFrameBufferInfo),
              reinterpret_cast<char*>(&s.rawFrameBuffer));
    ReleaseDC(nullptr, screen);
    s.rawVga = s.rawFrameBuffer.cxPixels == vgaWidth && s.rawFrameBuffer.cyPixels == vgaHeight;
    s.trueVga = s.rawVga && GetSystemMetrics(SM_CXSCREEN) == vgaWidth;
    chooseFramebuffer(s);
    // Nothing to write into (a later system that does not answer the raw query, or an address that
    // is not there): an open display would only show black, the windows show the pages instead.
    if (!s.framebuffer)
        closeDisplay(s);
}

int keyOf(const GXKeyEntry GXKeyList::*entry) {
    const GapiDisplayState& s = displayState();
    return s.keyList ? ((*s.keyList).*entry).vk : 0;
}

} // namespace

namespace GapiDisplay {

bool open(HWND window, bool openVideo, bool openInput) {
    GapiDisplayState& s = displayState();
    if (openVideo && !s.displayOpen && displayDepth() == 16)
        openDisplay(s, window);
    if (openInput && !s.inputOpen) {
        GXOpenInput();
        s.keyList = std::make_unique<GXKeyList>(GXGetDefaultKeys(GX_NORMALKEYS));
        s.keyList->a.vk = applicationKeys[0];
        s.keyList->b.vk = applicationKeys[1];
        s.keyList->c.vk = applicationKeys[2];
        s.keyList->start.vk = applicationKeys[3];
        s.inputOpen = true;
    }
    return s.displayOpen;
}

void close() {
    GapiDisplayState& s = displayState();
    if (s.displayOpen)
        closeDisplay(s);
    if (s.inputOpen) {
        GXCloseInput();
        s.inputOpen = false;
        s.keyList.reset();
    }
}

void suspend() {
    GXSuspend();
}

void resume() {
    GXResume();
}

void setViewport(DWORD top, DWORD height, DWORD reserved1, DWORD reserved2) {
    GXSetViewport(top, height, reserved1, reserved2);
}

int keyA() {
    return keyOf(&GXKeyList::a);
}

int keyB() {
    return keyOf(&GXKeyList::b);
}

int keyC() {
    return keyOf(&GXKeyList::c);
}

int keyStart() {
    return keyOf(&GXKeyList::start);
}

bool isDisplayOpen() {
    return displayState().displayOpen;
}

const GapiDisplayState& state() {
    return displayState();
}

} // namespace GapiDisplay

} // namespace velmora
