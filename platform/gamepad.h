#pragma once
// Gamepads as the handheld's keys, through SDL's game controller interface. Pads may be plugged in
// and out while the game runs; each works on its own and several may be used at once.
//
//   d-pad, left stick            the arrow keys
//   A                            the action key (VK_ACTION)
//   B                            Escape
//   X, Y, left and right shoulder  the application buttons 1 to 4 (VK_APP1 to VK_APP4, F1 to F4)
//   Start                        the menu key (VK_APPS), which opens a page's system menu
//
// A key is down while any button or stick direction that gives it is held; a pad that goes away
// lets go of its keys. Like the keyboard, the pads only reach the game while its window has the
// focus.

#include <SDL_events.h>

namespace velmora {

// Starts SDL's game controller interface; the pads already plugged in then arrive as events.
// Quietly does nothing when it cannot start.
void startGamepads();
// Closes every pad, letting go of its keys.
void stopGamepads();

// Turns a game controller event into key changes (platform/input.h). False for other events.
bool handleGamepadEvent(const SDL_Event& event);

// The virtual key of a game controller button, 0 for buttons the game does not use.
int virtualKeyForGamepadButton(int sdlButton);

} // namespace velmora
