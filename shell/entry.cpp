#include "shell/entry.h"

#include "gui/relaunch.h"
#include "platform/display.h"
#include "platform/message_box.h"
#include "platform/native_window.h"
#include "platform/process.h"
#include "platform/script.h"
#include "platform/shell_services.h"
#include "platform/startup.h"
#include "platform/timing_trace.h"
#include "platform/ui_scale.h"
#include "shell/application.h"
#include "shell/first_page.h"
#include "shell/message_loop.h"
#include "shell/program_options.h"
#include "shell/start_up.h"

#include <cstdlib>
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

    if (PageMaker maker = pageMaker())
        maker(*application, chooseFirstPage(GetCommandLineW()));
    const int exitCode = run(application->handle());
    application.reset();
    return exitCode;
}

} // namespace velmora
