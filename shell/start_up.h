#pragma once
// The start-up rules of the program that can be stated apart from the windows: the memory check
// and the fitting of the portrait 3:4 page area onto the screen.

#include "platform/types.h"

#include <string>

namespace velmora {

constexpr float requiredMemoryMegabytes = 4.0f;

// Available physical memory in megabytes.
float freeMemoryMegabytes();
// IDYES when the program may go on: enough memory, or the user chose to ignore the warning.
int checkMemory(HWND owner, float requiredMegabytes, float freeMegabytes);

struct ScreenLayout {
    bool landscape = false; // wider than high: refused
    int x = 0;              // the main window's rectangle
    int y = 0;
    int width = 0;
    int height = 0;
    POINT pageOffset{}; // the page area inside the main window
};
ScreenLayout layoutScreen(int screenWidth, int screenHeight);

// The landscape refusal's text for the executable's file name.
std::wstring landscapeMessage(const std::wstring& fileName);

} // namespace velmora
