#pragma once
// The three optional listeners of a toolkit window, each with one operation.

#include "platform/types.h"

namespace velmora {

class Window;

// Told of every pointer message, between the window's own two phases of pointer handling.
class MouseListener {
public:
    virtual ~MouseListener() = default;
    virtual void onCommand(Window* window, UINT message, WPARAM keyState, int x, int y) = 0;
};

// Told of key-down and key-up messages after the window's own key handling.
class KeyListener {
public:
    virtual ~KeyListener() = default;
    virtual void onKeyMessage(Window* window, UINT message, int virtualKey) = 0;
};

// Told of WM_COMMAND: a child control's notification.
class CommandListener {
public:
    virtual ~CommandListener() = default;
    virtual void onControlCommand(Window* window, int notificationCode, int controlId, HWND control) = 0;
};

} // namespace velmora
