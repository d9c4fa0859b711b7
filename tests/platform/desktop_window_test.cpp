#include "platform/desktop_window.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

namespace velmora {
namespace {

using test::readFile;
using test::ScopedVariable;
using test::TempFolder;
using test::writeFile;

TEST(WindowPlacement, FileIsReadSafely) {
    EXPECT_EQ(parseWindowPlacement("width=600\nheight=800\nfullscreen=1\n"),
              (WindowPlacement{600, 800, true}));
    EXPECT_EQ(parseWindowPlacement("fullscreen=1\r\nheight=700\r\nwidth=525\r\n"),
              (WindowPlacement{525, 700, true}));
    EXPECT_EQ(parseWindowPlacement(""), WindowPlacement{});
    // A size needs both sides, each within 64 to 16384, written as a plain number.
    for (const char* text :
         {"width=600\n", "width=63\nheight=800\n", "width=600\nheight=16385\n", "width=-600\nheight=800\n",
          "width=99999999999999\nheight=800\n", "width=600px\nheight=800\n", "width= 600\nheight=800\n"})
        EXPECT_EQ(parseWindowPlacement(text), WindowPlacement{}) << text;
    EXPECT_EQ(parseWindowPlacement("fullscreen=yes\nfullscreen\n=1\n\x01\xff=\n"), WindowPlacement{});
    // Only the first 4 KB are read.
    const std::string padding(4096, '#');
    EXPECT_EQ(parseWindowPlacement("width=600\nheight=800\n" + padding + "\nfullscreen=1\n"),
              (WindowPlacement{600, 800, false}));

    for (const WindowPlacement& placement : {WindowPlacement{600, 800, true}, WindowPlacement{0, 0, true}})
        EXPECT_EQ(parseWindowPlacement(formatWindowPlacement(placement)), placement);
    EXPECT_EQ(formatWindowPlacement({600, 800, false}), "width=600\nheight=800\nfullscreen=0\n");
}

SDL_Event keyEvent(Uint32 type, SDL_Keycode key, Uint16 modifiers = KMOD_NONE, bool repeat = false) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    event.key.repeat = repeat ? 1 : 0;
    return event;
}

class DesktopWindow : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override {
        if (window)
            SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    bool fullscreen() const { return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0; }
    // An event of the window (a key pressed while it has the focus).
    bool handle(SDL_Event event) {
        event.key.windowID = SDL_GetWindowID(window);
        return handleDesktopWindowEvent(window, event);
    }
    // The window's own events (its changes of size) as the display would pass them on.
    void followWindow() {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            handleDesktopWindowEvent(window, event);
    }

    TempFolder home;
    ScopedVariable data{"XDG_DATA_HOME", home.os("data").c_str()};
    std::filesystem::path file = home.os("data/velmora/window.properties");
    SDL_Window* window = nullptr;
};

TEST_F(DesktopWindow, F11AndAltReturnSwitchTheFullScreenAndAreNotPassedOn) {
    window = createDesktopWindow("Velmora", 480, 640);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(fullscreen());
    EXPECT_TRUE(handle(keyEvent(SDL_KEYDOWN, SDLK_F11)));
    EXPECT_TRUE(fullscreen());
    EXPECT_TRUE(handle(keyEvent(SDL_KEYDOWN, SDLK_F11, KMOD_NONE, true)));
    EXPECT_TRUE(fullscreen()) << "a held key switches once";
    EXPECT_TRUE(handle(keyEvent(SDL_KEYUP, SDLK_F11)));

    EXPECT_TRUE(handle(keyEvent(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT)));
    EXPECT_FALSE(fullscreen());
    EXPECT_TRUE(handle(keyEvent(SDL_KEYUP, SDLK_RETURN))) << "Alt may be let go first";
    EXPECT_FALSE(handle(keyEvent(SDL_KEYDOWN, SDLK_RETURN)));
    EXPECT_FALSE(handle(keyEvent(SDL_KEYUP, SDLK_RETURN))) << "a plain Return is the game's";
    EXPECT_TRUE(handle(keyEvent(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT)));
    EXPECT_TRUE(fullscreen());
    EXPECT_FALSE(handleDesktopWindowEvent(window, keyEvent(SDL_KEYDOWN, SDLK_F11))) << "another window's key";
    EXPECT_TRUE(fullscreen());
}

TEST_F(DesktopWindow, SizeAndFullScreenAreRememberedInThePlayersFolder) {
    window = createDesktopWindow("Velmora", 480, 640);
    rememberDesktopWindow(window);
    EXPECT_FALSE(std::filesystem::exists(file)) << "nothing changed, nothing written";

    SDL_SetWindowSize(window, 510, 680);
    followWindow();
    handle(keyEvent(SDL_KEYDOWN, SDLK_F11));
    followWindow(); // the screen's size while full screen is not the window's
    rememberDesktopWindow(window);
    EXPECT_EQ(readFile(file), "width=510\nheight=680\nfullscreen=1\n");
    SDL_DestroyWindow(window);

    window = createDesktopWindow("Velmora", 480, 640);
    EXPECT_TRUE(fullscreen());
    SDL_DestroyWindow(window);

    writeFile(file, "width=300\nheight=400\nfullscreen=0\n");
    window = createDesktopWindow("Velmora", 480, 640);
    EXPECT_FALSE(fullscreen());
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 400);

    writeFile(file, "width=300\nheight=nonsense\n");
    SDL_DestroyWindow(window);
    window = createDesktopWindow("Velmora", 480, 640);
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 480) << "a damaged file gives the default";
    EXPECT_EQ(height, 640);
}

} // namespace
} // namespace velmora
