#include "gui/relaunch.h"

#include "base/event_log.h"
#include "gui/fade_transition.h"
#include "media/resource_archive.h"
#include "platform/native_window.h"
#include "platform/process.h"
#include "platform/timing_trace.h"
#include "render/gapi_display.h"

namespace velmora {

namespace {
constexpr float leavingFadeSeconds = 2.0f;
constexpr int leavingFadeSteps = 10;
} // namespace

bool relaunch(HWND mainWindow, const std::wstring& commandLine) {
    logEvent("relaunch", {{"record", commandLine}});
    GapiDisplay::close();
    DestroyWindow(mainWindow);
    traceTiming("main window destroyed");
    // The new instance uses the same temporary folder: empty it now, so that this instance's
    // tear-down cannot delete the copies the new one extracts.
    closeArchives();
    return relaunchExecutable(commandLine);
}

void returnToFrontEnd(FramePage& page) {
    Window* mainWindow = page.parentObject();
    if (mainWindow)
        mainWindow->repaint();
    page.stopFrames();
    page.stopActivity();
    FadeTransition(leavingFadeSeconds, leavingFadeSteps, 0)
        .run(page, FadeDirection::Out, FadeFrames::DarkenShown);
    relaunch(mainWindow ? mainWindow->handle() : GetParent(page.handle()), L"ARG:intro");
}

} // namespace velmora
