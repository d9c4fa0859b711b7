#include "shell/entry.h"

#include "gui/relaunch.h"
#include "platform/display.h"
#include "platform/game_folders.h"
#include "platform/message_box.h"
#include "platform/native_window.h"
#include "platform/process.h"
#include "platform/script.h"
#include "platform/shell_services.h"
#include "platform/startup.h"
#include "platform/timing_trace.h"
#include "platform/ui_scale.h"
#include "render/gapi_display.h"
#include "shell/application.h"
#include "shell/first_page.h"
#include "shell/message_loop.h"
#include "shell/program_options.h"
#include "shell/start_up.h"
#include "surface/surface.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace velmora {

namespace {

constexpr float layoutWidth = 240.0f;
HWND mainWindow = nullptr;

void relaunchOnRequest(const std::wstring& commandLine) {
    if (IsWindow(mainWindow))
        relaunch(mainWindow, commandLine);
}

// VELMORA_DIRECT_VIDEO=1 puts every page of the instance on the screen through the framebuffer, as
// the game does with "Direct video" ticked: a way to try that output on the front end. Whoever asks
// is told which framebuffer serves, or that the windows do.
void openRequestedDirectVideo(HWND window) {
    const char* value = std::getenv("VELMORA_DIRECT_VIDEO");
    if (!value || std::strcmp(value, "1") != 0)
        return;
    if (!GapiDisplay::open(window, true, false)) {
        std::fprintf(stderr, "velmora: direct video: %s; the pages draw through their windows\n",
                     displayDepth() == 16 ? "no framebuffer found"
                                          : "the framebuffer takes 16-bit pages only");
        return;
    }
    const GapiDisplayState& display = GapiDisplay::state();
    const char* source = display.source == FramebufferSource::FixedGeometry ? "the fixed-geometry framebuffer"
                         : display.source == FramebufferSource::GameInterface
                             ? "the game interface's framebuffer"
                             : "the raw framebuffer";
    std::fprintf(stderr, "velmora: direct video: %s, %u x %u%s\n", source,
                 unsigned(display.displayProperties->cxWidth), unsigned(display.displayProperties->cyHeight),
                 display.rawVga && !display.trueVga ? ", every pixel doubled" : "");
}

} // namespace

int velmoraMain(int argc, char** argv) {
    if (const std::optional<int> exitCode = handleProgramOptions(argc, argv))
        return *exitCode;
    initializePlatform(argc, argv);
    traceTiming("process started");
    if (checkMemory(nullptr, requiredMemoryMegabytes, freeMemoryMegabytes()) != IDYES)
        return 0;
    SHFullScreen(GetForegroundWindow(), SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
    // A second instance gives way before it builds anything: building the application would empty
    // the temporary folder that the running instance reads its resources from.
    if (HWND running = FindWindowW(defaultWindowClass, Application::title)) {
        SetForegroundWindow(running);
        return 0;
    }
    // No write of a kept file takes ten minutes: an older temporary file is left from a killed one.
    removeStaleTemporaryFiles(600);

    auto application = std::make_unique<Application>();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const ScreenLayout layout = layoutScreen(screenWidth, screenHeight);
    if (layout.landscape) {
        const std::wstring text = landscapeMessage(moduleFileName());
        MessageBoxW(nullptr, text.c_str(), L"Error", MB_OK);
        application.reset(); // closes the archives and removes the temporary folder
        std::exit(-1);
    }
    application->pageOffset = layout.pageOffset;
    if (!application->create(layout.x, layout.y, layout.width, layout.height))
        return 0;
    setUiScale(static_cast<float>(application->clientWidth()) / layoutWidth);
    application->pageSize = {application->clientWidth(), application->clientHeight()};
    if (layout.pageOffset.x != 0 || layout.pageOffset.y != 0)
        application->move(0, 0, screenWidth, screenHeight, true);
    application->repaint();
    mainWindow = application->handle();
    setRelaunchRequestHandler(relaunchOnRequest);
    openRequestedDirectVideo(mainWindow);

    if (PageMaker maker = pageMaker())
        maker(*application, chooseFirstPage(GetCommandLineW()));
    const int exitCode = runMessageLoop(application->handle());
    application.reset();
    return exitCode;
}

} // namespace velmora
