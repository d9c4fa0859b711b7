#pragma once
// Driving pages in tests: handling the queued messages and tapping the device screen.

#include "platform/input.h"
#include "platform/message_queue.h"
#include "platform/messages.h"

namespace velmora::test {

// Handles every message waiting in the queue; a posted quit ends the pumping.
inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A stylus tap at a screen point, the press handled before the release.
inline void tapScreen(int x, int y) {
    pointerPressed(x, y, PointerButton::Left);
    pumpMessages();
    pointerReleased(x, y, PointerButton::Left);
    pumpMessages();
}

} // namespace velmora::test
