#include "platform/display.h"

#include "base/pixel_rows.h"
#include "base/wide_string.h"
#include "platform/clock.h"
#include "platform/desktop_window.h"
#include "platform/gamepad.h"
#include "platform/gx.h"
#include "platform/input.h"
#include "platform/native_window.h"
#include "platform/timing_trace.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace velmora {

namespace {

constexpr SIZE defaultScreen{480, 640};
constexpr int maxScreenSide = 4096;
constexpr uint32_t framebufferRefreshMs = 15;

struct Display {
    bool videoStarted = false;
    bool videoFailed = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;      // the screen's picture, at the display's depth
    SDL_Texture* panelTexture = nullptr; // the framebuffer's picture, RGB565 at the panel's size
    SIZE panelTextureSize{};
    bool dirty = true;
    bool firstFrameShown = false;
    uint32_t lastPresent = 0;
    std::vector<uint16_t> framebufferPicture;
    std::map<int, SDL_Cursor*> cursors;
};

Display& display() {
    static Display instance;
    return instance;
}

bool startVideo() {
    Display& d = display();
    if (d.videoStarted || d.videoFailed)
        return d.videoStarted;
    // Without this SDL turns the window's framebuffer into an OpenGL texture: slower, heavier, and
    // it re-creates the window.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (isHeadless())
        setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "velmora: no display (%s); running without a window\n", SDL_GetError());
        d.videoFailed = true;
        return false;
    }
    d.videoStarted = true;
    startGamepads();
    return true;
}

// The device screen at its own size, shrunk to fit a desktop smaller than that.
void initialWindowSize(int& width, int& height) {
    const SIZE screen = screenSize();
    width = screen.cx;
    height = screen.cy;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
        return;
    if (width > usable.w || height > usable.h) {
        const double shrink = std::min(usable.w / double(width), usable.h / double(height)) * 0.95;
        width = std::max(1, int(width * shrink));
        height = std::max(1, int(height * shrink));
    }
}

SDL_SystemCursor systemCursorFor(int id) {
    switch (id) {
    case IDC_IBEAM:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_HAND:
        return SDL_SYSTEM_CURSOR_HAND;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}

PointerButton buttonOf(uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_RIGHT:
        return PointerButton::Right;
    case SDL_BUTTON_MIDDLE:
        return PointerButton::Middle;
    default:
        return PointerButton::Left;
    }
}

bool insideScreen(int x, int y) {
    const SIZE screen = screenSize();
    return x >= 0 && y >= 0 && x < screen.cx && y < screen.cy;
}

void handleEvent(const SDL_Event& event) {
    if (handleDesktopWindowEvent(display().window, event) || handleGamepadEvent(event))
        return;
    switch (event.type) {
    case SDL_QUIT:
        closeRequested();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
            activationChanged(true);
        else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
            activationChanged(false);
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                 event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            display().dirty = true;
        break;
    case SDL_MOUSEBUTTONDOWN:
        // Clicks in the bars around the scaled screen lie outside it: not a tap.
        if (insideScreen(event.button.x, event.button.y))
            pointerPressed(event.button.x, event.button.y, buttonOf(event.button.button));
        break;
    case SDL_MOUSEBUTTONUP:
        pointerReleased(event.button.x, event.button.y, buttonOf(event.button.button));
        break;
    case SDL_MOUSEMOTION:
        if (anyPointerButtonDown() || insideScreen(event.motion.x, event.motion.y))
            pointerMoved(event.motion.x, event.motion.y);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (const int key = virtualKeyForSdl(event.key.keysym.sym))
            keyChanged(key, event.type == SDL_KEYDOWN, event.key.repeat != 0);
        break;
    case SDL_TEXTINPUT:
        for (wchar_t c : fromUtf8(event.text.text))
            characterTyped(c);
        break;
    default:
        break;
    }
}

// The texture that shows the framebuffer, filled with its picture; null when it cannot be made.
SDL_Texture* framebufferTexture() {
    Display& d = display();
    const SIZE panel = gxPanelSize();
    if (!d.panelTexture || d.panelTextureSize.cx != panel.cx || d.panelTextureSize.cy != panel.cy) {
        if (d.panelTexture)
            SDL_DestroyTexture(d.panelTexture);
        d.panelTexture = SDL_CreateTexture(d.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                           panel.cx, panel.cy);
        d.panelTextureSize = panel;
        if (!d.panelTexture)
            return nullptr;
    }
    d.framebufferPicture.resize(static_cast<size_t>(panel.cx) * panel.cy);
    gxComposeScreen(d.framebufferPicture.data());
    SDL_UpdateTexture(d.panelTexture, nullptr, d.framebufferPicture.data(), panel.cx * 2);
    return d.panelTexture;
}

// The texture that shows the device screen, filled with the screen's bitmap.
SDL_Texture* screenTexture() {
    Display& d = display();
    HBITMAP screen = screenBitmap();
    SDL_UpdateTexture(d.texture, nullptr, screen->bits, screen->stride);
    return d.texture;
}

} // namespace

bool isHeadless() {
    static const bool headless = [] {
        const char* value = std::getenv("VELMORA_HEADLESS");
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    return headless;
}

SIZE screenSize() {
    static const SIZE size = [] {
        const char* value = std::getenv("VELMORA_SCREEN");
        if (!value || !*value)
            return defaultScreen;
        int width = 0, height = 0;
        char trailing = 0;
        if (std::sscanf(value, "%dx%d%c", &width, &height, &trailing) != 2 || width < 1 || height < 1 ||
            width > maxScreenSide || height > maxScreenSide) {
            std::fprintf(stderr,
                         "velmora: VELMORA_SCREEN=%s is not WIDTHxHEIGHT (1 to %d each); using %dx%d\n",
                         value, maxScreenSide, int(defaultScreen.cx), int(defaultScreen.cy));
            return defaultScreen;
        }
        return SIZE{width, height};
    }();
    return size;
}

int GetSystemMetrics(int metric) {
    switch (metric) {
    case SM_CXSCREEN:
        return screenSize().cx;
    case SM_CYSCREEN:
        return screenSize().cy;
    default:
        return 0;
    }
}

HBITMAP screenBitmap() {
    static HBITMAP const bitmap = [] {
        const SIZE size = screenSize();
        HBITMAP created = CreateDIBSection(size.cx, size.cy, displayBitsPerPixel(), nullptr);
        created->stock = true; // lives as long as the process
        return created;
    }();
    return bitmap;
}

void markScreenDirty() {
    display().dirty = true;
}

void openDisplayWindow(const std::wstring& title) {
    Display& d = display();
    if (d.window || !startVideo())
        return;
    int width = 0, height = 0;
    initialWindowSize(width, height);
    d.window = createDesktopWindow(toUtf8(title).c_str(), width, height);
    if (d.window)
        d.renderer = SDL_CreateRenderer(d.window, -1, SDL_RENDERER_SOFTWARE);
    const SIZE screen = screenSize();
    if (d.renderer) {
        SDL_RenderSetLogicalSize(d.renderer, screen.cx, screen.cy);
        d.texture = SDL_CreateTexture(
            d.renderer, displayBitsPerPixel() == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888,
            SDL_TEXTUREACCESS_STREAMING, screen.cx, screen.cy);
    }
    if (!d.texture) {
        std::fprintf(stderr, "velmora: cannot open the window (%s)\n", SDL_GetError());
        closeDisplayWindow();
        return;
    }
    d.dirty = true;
    presentScreen(true);
}

void closeDisplayWindow() {
    Display& d = display();
    rememberDesktopWindow(d.window);
    if (d.texture)
        SDL_DestroyTexture(d.texture);
    if (d.panelTexture)
        SDL_DestroyTexture(d.panelTexture);
    if (d.renderer)
        SDL_DestroyRenderer(d.renderer);
    if (d.window)
        SDL_DestroyWindow(d.window);
    d.texture = nullptr;
    d.panelTexture = nullptr;
    d.renderer = nullptr;
    d.window = nullptr;
}

bool isDisplayWindowOpen() {
    return display().window != nullptr;
}

void setDisplayTitle(const std::wstring& title) {
    if (SDL_Window* window = display().window)
        SDL_SetWindowTitle(window, toUtf8(title).c_str());
}

void raiseDisplayWindow() {
    if (SDL_Window* window = display().window) {
        SDL_RestoreWindow(window);
        SDL_RaiseWindow(window);
    }
}

void presentScreen(bool force) {
    Display& d = display();
    if (!d.texture)
        return;
    const uint32_t now = GetTickCount();
    const bool framebufferDue = gxDisplayShown() && now - d.lastPresent >= framebufferRefreshMs;
    if (!force && !d.dirty && !framebufferDue)
        return;
    SDL_Texture* shown = gxDisplayShown() ? framebufferTexture() : nullptr;
    if (!shown)
        shown = screenTexture();
    SDL_SetRenderDrawColor(d.renderer, 0, 0, 0, 255);
    SDL_RenderClear(d.renderer);
    // The panel may be larger or smaller than the screen: it fills the screen's area all the same.
    SDL_RenderCopy(d.renderer, shown, nullptr, nullptr);
    SDL_RenderPresent(d.renderer);
    if (!d.firstFrameShown) {
        d.firstFrameShown = true;
        traceTiming("first frame shown");
    }
    d.dirty = false;
    d.lastPresent = now;
}

void pumpDisplayEvents() {
    if (!display().videoStarted)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event))
        handleEvent(event);
}

std::vector<uint32_t> captureScreen() {
    const SIZE size = screenSize();
    std::vector<uint32_t> picture(static_cast<size_t>(size.cx) * size.cy);
    if (gxDisplayShown()) {
        // The panel's picture at the screen's size: a doubled picture gives back its own pixels.
        const SIZE panel = gxPanelSize();
        std::vector<uint16_t> framebuffer(static_cast<size_t>(panel.cx) * panel.cy);
        gxComposeScreen(framebuffer.data());
        for (int y = 0; y < size.cy; ++y) {
            const size_t panelRow =
                static_cast<size_t>(static_cast<int64_t>(y) * panel.cy / size.cy) * panel.cx;
            for (int x = 0; x < size.cx; ++x) {
                const auto panelX = static_cast<size_t>(static_cast<int64_t>(x) * panel.cx / size.cx);
                picture[static_cast<size_t>(y) * size.cx + x] = rgbFrom565(framebuffer[panelRow + panelX]);
            }
        }
        return picture;
    }
    HBITMAP screen = screenBitmap();
    withFormat(screen->bitsPerPixel, [&]<typename Format>() {
        for (int y = 0; y < size.cy; ++y)
            decodeRow<Format>(picture.data() + static_cast<size_t>(y) * size.cx,
                              pixelRow<Format>(screen->bits, screen->stride, y), size.cx);
    });
    return picture;
}

HCURSOR LoadCursorW(HINSTANCE, int id) {
    return reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(id));
}

HCURSOR SetCursor(HCURSOR cursor) {
    static HCURSOR current = nullptr;
    HCURSOR previous = current;
    current = cursor;
    Display& d = display();
    if (!d.videoStarted || !cursor)
        return previous;
    const int id = static_cast<int>(reinterpret_cast<uintptr_t>(cursor));
    SDL_Cursor*& sdlCursor = d.cursors[id];
    if (!sdlCursor)
        sdlCursor = SDL_CreateSystemCursor(systemCursorFor(id));
    if (sdlCursor)
        SDL_SetCursor(sdlCursor);
    return previous;
}

} // namespace velmora
