#pragma once
// The handheld's game interface, emulated: a raw RGB565 framebuffer of the device screen's size
// that a program writes straight into, shown instead of the windows' picture while the display is
// open and not suspended. VELMORA_FRAMEBUFFER chooses the memory layout: "portrait" (default:
// rows of the screen one after another) or "landscape" (the panel's memory runs along the
// screen's height, x steps are negative), so that both copy paths of a display writer run.

#include "platform/gdi.h"
#include "platform/types.h"

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
void* GXBeginDraw(); // the framebuffer's pixel (0, 0); null while the display is closed
int GXEndDraw();
GXDisplayProperties GXGetDisplayProperties();
bool GXIsDisplayDRAMBuffer();
int GXOpenInput();
int GXCloseInput();
GXKeyList GXGetDefaultKeys(int options);
int GXSuspend();
int GXResume();
int GXSetViewport(DWORD top, DWORD height, DWORD reserved1, DWORD reserved2);

// The raw-framebuffer query of ExtEscape.
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
// Fills a RawFrameBufferInfo for GETRAWFRAMEBUFFER and returns 1; 0 for anything else.
int ExtEscape(HDC dc, int escape, int inputSize, const char* input, int outputSize, char* output);

// Whether the display or the keys of the game interface are open (pages suspend and resume them).
bool gxIsOpen();
// The framebuffer is what the device screen shows.
bool gxDisplayShown();
// The framebuffer's picture in screen order: width x height RGB565 words.
void gxComposeScreen(uint16_t* out);

} // namespace velmora
