#include "platform/desktop_window.h"

#include "platform/files.h"
#include "platform/game_folders.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

namespace velmora {

namespace {

constexpr int smallestSide = 64;
constexpr int largestSide = 16384;
constexpr size_t largestFile = 4096;

struct DesktopWindow {
    WindowPlacement remembered; // as read (or as last written)
    WindowPlacement current;
    std::set<SDL_Keycode> swallowedKeyUps;
};

DesktopWindow& desktopWindow() {
    static DesktopWindow state;
    return state;
}

bool parseSide(std::string_view text, int& side) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < smallestSide ||
        value > largestSide)
        return false;
    side = value;
    return true;
}

WindowPlacement readPlacement() {
    const std::wstring folder = guiFileFolder(windowPlacementFile);
    std::FILE* file = openFile(folder + windowPlacementFile, "rb");
    if (!file)
        return {};
    std::string text(largestFile, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return parseWindowPlacement(text);
}

bool isSwitchKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode code = key.keysym.sym;
    return code == SDLK_F11 ||
           ((code == SDLK_RETURN || code == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT));
}

bool isFullscreen(SDL_Window* window) {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

} // namespace

WindowPlacement parseWindowPlacement(std::string_view text) {
    text = text.substr(0, largestFile);
    WindowPlacement placement;
    int width = 0, height = 0;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "width")
            parseSide(value, width);
        else if (key == "height")
            parseSide(value, height);
        else if (key == "fullscreen" && (value == "0" || value == "1"))
            placement.fullscreen = value == "1";
    }
    if (width && height) {
        placement.width = width;
        placement.height = height;
    }
    return placement;
}

std::string formatWindowPlacement(const WindowPlacement& placement) {
    std::string text;
    if (placement.width && placement.height)
        text += "width=" + std::to_string(placement.width) + "\nheight=" + std::to_string(placement.height) +
                "\n";
    return text + "fullscreen=" + (placement.fullscreen ? "1" : "0") + "\n";
}

SDL_Window* createDesktopWindow(const char* title, int defaultWidth, int defaultHeight) {
    DesktopWindow& state = desktopWindow();
    state.remembered = state.current = readPlacement();
    state.swallowedKeyUps.clear();
    int width = state.current.width ? state.current.width : defaultWidth;
    int height = state.current.height ? state.current.height : defaultHeight;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w >= smallestSide && usable.h >= smallestSide) {
        width = std::min(width, usable.w);
        height = std::min(height, usable.h);
    }
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (state.current.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    return SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
}

bool handleDesktopWindowEvent(SDL_Window* window, const SDL_Event& event) {
    DesktopWindow& state = desktopWindow();
    if (!window)
        return false;
    // Events of other windows (a message box's) are not this window's business.
    const Uint32 id = SDL_GetWindowID(window);
    switch (event.type) {
    case SDL_WINDOWEVENT:
        // The window's own size: sizes taken on while filling the screen are the screen's.
        if (event.window.windowID == id && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED &&
            !isFullscreen(window)) {
            state.current.width = std::clamp(event.window.data1, smallestSide, largestSide);
            state.current.height = std::clamp(event.window.data2, smallestSide, largestSide);
        }
        return false;
    case SDL_KEYDOWN:
        if (event.key.windowID != id || !isSwitchKey(event.key))
            return false;
        state.swallowedKeyUps.insert(event.key.keysym.sym);
        if (!event.key.repeat)
            SDL_SetWindowFullscreen(window, isFullscreen(window) ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
        return true;
    case SDL_KEYUP:
        return state.swallowedKeyUps.erase(event.key.keysym.sym) > 0;
    default:
        return false;
    }
}

void rememberDesktopWindow(SDL_Window* window) {
    DesktopWindow& state = desktopWindow();
    if (!window)
        return;
    // The window manager may have switched it too.
    state.current.fullscreen = isFullscreen(window);
    if (state.current == state.remembered)
        return;
    if (replaceFile(userDataFolder() + windowPlacementFile, formatWindowPlacement(state.current)))
        state.remembered = state.current;
}

} // namespace velmora
