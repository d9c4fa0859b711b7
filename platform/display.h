#pragma once
// The device screen: a bitmap of VELMORA_SCREEN pixels (WxH, default 480x640, portrait) at the
// display's depth, into which every window draws. It is shown in one resizable desktop window
// that scales it, or nowhere when VELMORA_HEADLESS=1 (SDL's dummy drivers). While the emulated
// game-interface display is open (platform/gx.h), its framebuffer is shown instead, scaled from the
// panel's size to the screen's.

#include "platform/gdi.h"
#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// VELMORA_HEADLESS=1: no desktop window, no sound device, message boxes on standard error.
bool isHeadless();

// The screen size from VELMORA_SCREEN; malformed values fall back to the default with a warning.
SIZE screenSize();
enum SystemMetric : int { SM_CXSCREEN = 0, SM_CYSCREEN = 1 };
int GetSystemMetrics(int metric);

// The device screen's bitmap, black at first. Never null.
HBITMAP screenBitmap();
// Drawing went to the screen: show it at the next present.
void markScreenDirty();

// The desktop window comes and goes with the program's top-level windows.
void openDisplayWindow(const std::wstring& title);
void closeDisplayWindow();
bool isDisplayWindowOpen();
void setDisplayTitle(const std::wstring& title);
void raiseDisplayWindow();

// Shows the screen in the desktop window when it changed (or always, when forced), and at least
// every few milliseconds while the framebuffer of the game interface is open.
void presentScreen(bool force);
// Turns waiting desktop events into input (platform/input.h).
void pumpDisplayEvents();

// The picture shown on the device screen, 0x00RRGGBB per pixel, row by row, at the screen's size
// (the framebuffer's picture sampled to it while that is shown).
std::vector<uint32_t> captureScreen();

} // namespace velmora
