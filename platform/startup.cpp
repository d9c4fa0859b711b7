#include "platform/startup.h"

#include "platform/clock_speed.h"
#include "platform/display.h"
#include "platform/process.h"

#include <cstdlib>

namespace velmora {

void initializePlatform(int argc, char** argv) {
    setCommandLine(argc, argv);
    if (isHeadless()) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
    // Set before any window exists: the window's framebuffer then stays in plain memory.
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    applyClockSpeed();
}

} // namespace velmora
