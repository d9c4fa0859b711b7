#include "shell/program_options.h"

#include "base/wide_string.h"
#include "platform/files.h"
#include "platform/game_folders.h"

#include <cstdio>
#include <cstring>

namespace velmora {

namespace {

constexpr char usage[] = R"(Usage: velmora [ARG:RECORD]
       velmora --help | --version

Velmora is a 3D golf game for one to four players sharing a screen. Started without arguments it
shows its cover page. The program starts itself again with a launch record to go from the menus
into a game and from one hole to the next; the same records can be given by hand:
  ARG:intro                the main menu
  ARG:course=NAME,...      a game of that course (the records the menus write)
  ARG:slotN                the saved game in slot N (0 to 7)

Options:
  -h, --help     show this help and end
  --version      show the version and end

Keys: the mouse is the stylus; arrow keys, Right Ctrl or keypad Enter (the action key), Escape,
F1 to F4 (the application buttons), the Menu key (the game's menu). F11 or Alt+Return switches
between a window and the full screen. A gamepad works too; the manual has the table.

Environment:
  VELMORA_SCREEN=WxH        the device screen in pixels (default 480x640; portrait)
  VELMORA_DEPTH=16|32       16-bit (default) or 32-bit pixels
  VELMORA_HEADLESS=1        no window and no sound; messages go to standard error
  VELMORA_SCRIPT=FILE       play an automation script (see the README)
  VELMORA_INSTANCE=NAME     name of the one running instance (default velmora-<user id>)
  VELMORA_SPEED=N|max       the program's clock N times faster than real time, or frames as fast
                            as the machine draws them
  VELMORA_DIRECT_VIDEO=1    every page through the display framebuffer, as "Direct video" does
  VELMORA_FRAMEBUFFER=portrait|landscape|landscape-left
                            memory layout of the emulated display panel
  VELMORA_PANEL=WxH         size of the emulated display panel (default: the screen's)
  VELMORA_OEM_INFO=TEXT     the device's maker string
  VELMORA_OS_VERSION=MAJOR[.MINOR]
                            the system version the device reports (default 5.1)
  VELMORA_DRAM_BUFFER=0|1   whether the device's display is a DRAM buffer
  VELMORA_AVAILABLE_MEMORY_MB=N
                            pretend that N megabytes of memory are free
  VELMORA_TIMING=1          write the moments of start-up events to standard error
  XDG_DATA_HOME             your settings, scores, saved games and window size go to
                            $XDG_DATA_HOME/velmora/ (default ~/.local/share/velmora/)
  XDG_RUNTIME_DIR           files unpacked from the game's archives go to a private folder here
                            (default ~/.cache/velmora/)
)";

} // namespace

std::string helpText() {
    return usage + std::string("\nFolders of this run:\n") + "  your files     " +
           toUtf8(displayPath(userDataFolder())) + "\n" + "  game data      " +
           toUtf8(displayPath(resourcesFolder())) + "\n" + "  manual         " +
           toUtf8(displayPath(manualFolder())) + "index.htm\n";
}

std::string versionText() {
    return std::string("Velmora ") + VELMORA_VERSION + "\n";
}

std::optional<int> handleProgramOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::fputs(helpText().c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::fputs(versionText().c_str(), stdout);
            return 0;
        }
        if (argument[0] == '-') {
            std::fprintf(stderr, "velmora: unknown option '%s' (velmora --help lists the options)\n",
                         argument);
            return 2;
        }
    }
    return std::nullopt;
}

} // namespace velmora
