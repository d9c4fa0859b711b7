#include "platform/startup.h"

#include "platform/clock_speed.h"
#include "platform/display.h"
#include "platform/process.h"

#include <cstdio>
#include <cstdlib>

namespace velmora {

void initializePlatform(int argc, char** argv) {
    setCommandLine(argc, argv);
    // Without a desktop session SDL would end up on an invisible window, after the Wayland library
    // complained: say so once and run as headless runs (the setting passes on to relaunches).
    const bool desktop =
        std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("SDL_VIDEODRIVER");
    if (!desktop && !std::getenv("VELMORA_HEADLESS")) {
        std::fputs(
            "velmora: no display (DISPLAY and WAYLAND_DISPLAY are not set); running without a window\n",
            stderr);
        setenv("VELMORA_HEADLESS", "1", 1);
    }
    if (isHeadless()) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
    // Set before any window exists: the window's framebuffer then stays in plain memory.
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    applyClockSpeed();
}

} // namespace velmora
