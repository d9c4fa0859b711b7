#pragma once
// The start-up rules of the program that can be stated apart from the windows: the memory check
// and the fitting of the portrait 3:4 page area onto the screen.

#include "platform/types.h"

#include <string>
#include <vector>

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

// The names of the files that match a pattern such as "...\characters\*.gif" ("\..\" collapsed
// first), each cut at its first '.' (after leaving out folders and entries without a name), in
// ascending order of their characters.
std::vector<std::wstring> listPictureNames(std::wstring pattern);

// Whether sound effects are on in the settings file "gsetting.properties" of the GUI folder: the
// first choice (0) of the "soundEffect" group's "selected" item. A missing file or entry means off.
bool readSoundSetting(const std::wstring& guiFolder);

} // namespace velmora
