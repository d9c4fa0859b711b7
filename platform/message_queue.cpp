#include "platform/message_queue.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/script.h"
#include "platform/single_instance.h"
#include "platform/wave_out.h"
#include "platform/window_state.h"

#include <deque>

namespace velmora {

namespace {

struct Queue {
    std::deque<MSG> posted;
    bool quitPending = false;
    int quitCode = 0;
};

Queue& queue() {
    static Queue instance;
    return instance;
}

bool matches(const MSG& message, HWND window, UINT first, UINT last) {
    if (window && message.hwnd != window)
        return false;
    if (first == 0 && last == 0)
        return true;
    return message.message >= first && message.message <= last;
}

MSG makeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG result;
    result.hwnd = window;
    result.message = message;
    result.wParam = wParam;
    result.lParam = lParam;
    result.time = GetTickCount();
    return result;
}

void gatherInput() {
    pumpDisplayEvents();
    advanceScript();
    pollFrontRequests(bringNamedWindowToFront);
    deliverWaveCompletions();
}

} // namespace

bool PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !IsWindow(window))
        return false;
    queue().posted.push_back(makeMessage(window, message, wParam, lParam));
    return true;
}

void PostQuitMessage(int exitCode) {
    queue().quitPending = true;
    queue().quitCode = exitCode;
}

bool PeekMessageW(MSG* message, HWND window, UINT firstMessage, UINT lastMessage, UINT flags) {
    if (!message)
        return false;
    gatherInput();
    Queue& q = queue();
    const bool remove = (flags & PM_REMOVE) != 0;
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!matches(*it, window, firstMessage, lastMessage))
            continue;
        *message = *it;
        if (remove)
            q.posted.erase(it);
        return true;
    }
    if (q.quitPending && !window &&
        matches(makeMessage(nullptr, WM_QUIT, 0, 0), nullptr, firstMessage, lastMessage)) {
        *message = makeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(q.quitCode), 0);
        if (remove)
            q.quitPending = false;
        return true;
    }
    if (HWND painting = windowNeedingPaint()) {
        const MSG paint = makeMessage(painting, WM_PAINT, 0, 0);
        if (matches(paint, window, firstMessage, lastMessage)) {
            *message = paint;
            return true;
        }
    }
    HWND timerWindow = nullptr;
    uintptr_t timerId = 0;
    if (remove && takeDueTimer(GetTickCount(), timerWindow, timerId)) {
        const MSG timer = makeMessage(timerWindow, WM_TIMER, timerId, 0);
        if (matches(timer, window, firstMessage, lastMessage)) {
            *message = timer;
            return true;
        }
    }
    presentScreen(false);
    return false;
}

bool TranslateMessage(const MSG* message) {
    if (!message || message->message != WM_KEYDOWN)
        return false;
    wchar_t character = 0;
    switch (message->wParam) {
    case VK_RETURN:
        character = L'\r';
        break;
    case VK_BACK:
        character = L'\b';
        break;
    case VK_ESCAPE:
        character = 0x1B;
        break;
    case VK_TAB:
        character = L'\t';
        break;
    default:
        return false;
    }
    // The character follows its key at once, before anything posted later.
    queue().posted.push_front(makeMessage(message->hwnd, WM_CHAR, character, message->lParam));
    return true;
}

LRESULT DispatchMessageW(const MSG* message) {
    if (!message || !message->hwnd || !IsWindow(message->hwnd))
        return 0;
    return SendMessageW(message->hwnd, message->message, message->wParam, message->lParam);
}

void clearMessageQueue() {
    queue().posted.clear();
    queue().quitPending = false;
    queue().quitCode = 0;
}

} // namespace velmora
