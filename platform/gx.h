#pragma once
// The handheld's game interface, emulated: a raw RGB565 framebuffer of the display panel that a
// program writes straight into, shown instead of the windows' picture while the display is open
// and not suspended. The panel is the device profile's (platform/device_profile.h): by default as
// large as the device screen with rows one after another in memory; it may be larger than the
// screen (a high-resolution panel that the system drives at half its resolution), and its memory
// may run along the screen's columns with x or y stepping back (as on some handhelds), so that
// every copy path of a display writer runs.

#include "platform/gdi.h"
#include "platform/types.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

struct GXDisplayProperties {
    DWORD cxWidth = 0;
    DWORD cyHeight = 0;
    LONG cbxPitch = 0; // bytes from a pixel to its right neighbour
    LONG cbyPitch = 0; // bytes from a pixel to the one below
    LONG cBPP = 0;
    DWORD ffFormat = 0;
};
enum : DWORD { kfLandscape = 0x8, kfDirect = 0x20, kfDirect565 = 0x80 };
constexpr DWORD GX_FULLSCREEN = 0x01;

struct GXKeyEntry {
    short vk = 0;
    POINT point{};
};
// Up, Down, Left, Right, A, B, C, Start.
struct GXKeyList {
    GXKeyEntry up, down, left, right, a, b, c, start;
};
enum : int { GX_NORMALKEYS = 2, GX_LANDSCAPEKEYS = 3 };

int GXOpenDisplay(HWND window, DWORD flags);
int GXCloseDisplay();
void* GXBeginDraw(); // the framebuffer's pixel (0, 0) as the properties describe it; null while closed
int GXEndDraw();
GXDisplayProperties GXGetDisplayProperties();
bool GXIsDisplayDRAMBuffer();
int GXOpenInput();
int GXCloseInput();
GXKeyList GXGetDefaultKeys(int options);
int GXSuspend();
int GXResume();
int GXSetViewport(DWORD top, DWORD height, DWORD reserved1, DWORD reserved2);

// The raw-framebuffer query of ExtEscape: the panel as its memory really runs.
constexpr int GETRAWFRAMEBUFFER = 0x00020001;
constexpr WORD FORMAT_565 = 1;
struct RawFrameBufferInfo {
    WORD wFormat = 0;
    WORD wBPP = 0;
    void* pFramePointer = nullptr;
    int cxStride = 0;
    int cyStride = 0;
    int cxPixels = 0;
    int cyPixels = 0;
};
// Fills a RawFrameBufferInfo for GETRAWFRAMEBUFFER and returns 1 (when the device answers it); 0
// for anything else.
int ExtEscape(HDC dc, int escape, int inputSize, const char* input, int outputSize, char* output);

// A fixed device address of the panel's memory as a pointer of this process: some handhelds' panels
// are known by their address. Null unless every byte from address + lowest to address + highest
// (offsets in bytes, both included) lies in the panel's memory.
void* gxDeviceAddress(uintptr_t address, ptrdiff_t lowest, ptrdiff_t highest);

// The framebuffer is what the device screen shows.
bool gxDisplayShown();
// The panel's size in pixels.
SIZE gxPanelSize();
// The framebuffer's picture in screen order: panel width x height RGB565 words.
void gxComposeScreen(uint16_t* out);

} // namespace velmora
