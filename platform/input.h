#pragma once
// Input of the device, in device-screen coordinates: the desktop window, the automation script
// and tests feed it here, and it becomes pointer, key and character messages posted to the
// window under the pointer (or the one that captured it) and to the focus window.

#include <cstdint>

namespace velmora {

enum class PointerButton { Left, Right, Middle };

// A press outside every window is dropped. The pressed window captures the pointer until the
// last button is released; moves and the release then reach it wherever the pointer is.
void pointerPressed(int x, int y, PointerButton button);
void pointerMoved(int x, int y);
void pointerReleased(int x, int y, PointerButton button);
bool anyPointerButtonDown();

// A virtual key going down (repeat: held down and repeating) or up; to the focus window, or to
// the active window when nothing has the focus.
void keyChanged(int virtualKey, bool down, bool repeat);
// A typed character (WM_CHAR) for the focus window.
void characterTyped(wchar_t character);

// The program gained or lost the desktop's focus.
void activationChanged(bool active);
// The desktop asked the program to close: the first top-level window gets WM_CLOSE.
void closeRequested();

// The virtual key of an SDL key code, or 0 for keys the game does not know. The action key
// (0x86) is the keypad Enter and the right Ctrl key; F1 to F4 are the application buttons; the
// Menu key is the menu key.
int virtualKeyForSdl(int32_t sdlKeycode);

} // namespace velmora
