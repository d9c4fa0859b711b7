#include "shell/message_loop.h"

#include "gui/idle_handler.h"
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/shell_services.h"

namespace velmora {

int runMessageLoop(HWND mainWindow) {
    SHFullScreen(mainWindow, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
    SetForegroundWindow(mainWindow);
    MSG message;
    for (;;) {
        const bool taken = PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
        if (taken && message.message == WM_QUIT)
            break;
        if (taken) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        } else if (IdleHandler* handler = idleHandler()) {
            handler->onIdle(message, mainWindow);
        } else {
            Sleep(1);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace velmora
