#pragma once
// The desktop window's size and whether it fills the screen. F11 and Alt+Return switch between a
// window and the full screen, where the device screen stays 3:4 in the middle between black bars
// (taps on the bars are dropped as in a window). Both are kept between runs, and across relaunches,
// in "window.properties" among the player's files (platform/game_folders.h).

#include <SDL_events.h>
#include <SDL_video.h>

#include <string>
#include <string_view>

namespace velmora {

inline constexpr wchar_t windowPlacementFile[] = L"window.properties";

struct WindowPlacement {
    int width = 0; // the size as a window (also while full screen); 0 when not known
    int height = 0;
    bool fullscreen = false;
    bool operator==(const WindowPlacement&) const = default;
};

// The file's text: lines "width=N", "height=N" and "fullscreen=0" or "=1". Sizes count from 64 to
// 16384 and only with both sides; other lines and values, and text past its first 4 KB, are left out.
WindowPlacement parseWindowPlacement(std::string_view text);
std::string formatWindowPlacement(const WindowPlacement& placement);

// Makes the desktop window as it was left: at its remembered size (shrunk to fit the desktop) or else
// defaultWidth x defaultHeight, filling the screen when it did.
SDL_Window* createDesktopWindow(const char* title, int defaultWidth, int defaultHeight);
// Follows the window's changes of size and acts on the switch keys. True for a switch key's events
// (and the key-up of the key that switched), which the game never sees.
bool handleDesktopWindowEvent(SDL_Window* window, const SDL_Event& event);
// Writes the file when the placement changed since the window was made.
void rememberDesktopWindow(SDL_Window* window);

} // namespace velmora
