#include "platform/gamepad.h"

#include "platform/input.h"
#include "platform/messages.h"

#include <SDL.h>

#include <map>
#include <set>
#include <utility>

namespace velmora {

namespace {

// A stick direction counts as pressed beyond half its travel, and as released again only when it
// comes back under a third: a stick resting near the threshold does not chatter.
constexpr int stickPressed = 16384;
constexpr int stickReleased = 10923;

// What holds a key: a button, or one of the left stick's four directions.
enum Source : int {
    StickLeft = SDL_CONTROLLER_BUTTON_MAX,
    StickRight,
    StickUp,
    StickDown,
};

struct Gamepads {
    bool started = false;
    std::map<SDL_JoystickID, SDL_GameController*> open;
    // The sources each pad holds down, with the key each gives.
    std::map<std::pair<SDL_JoystickID, int>, int> held;
    std::map<int, int> holders; // virtual key -> number of sources holding it
};

Gamepads& gamepads() {
    static Gamepads instance;
    return instance;
}

void press(SDL_JoystickID pad, int source, int key) {
    Gamepads& g = gamepads();
    if (key == 0 || !g.held.emplace(std::make_pair(pad, source), key).second)
        return;
    if (++g.holders[key] == 1)
        keyChanged(key, true, false);
}

void release(SDL_JoystickID pad, int source) {
    Gamepads& g = gamepads();
    const auto found = g.held.find({pad, source});
    if (found == g.held.end())
        return;
    const int key = found->second;
    g.held.erase(found);
    if (--g.holders[key] == 0) {
        g.holders.erase(key);
        keyChanged(key, false, false);
    }
}

void releaseAll(SDL_JoystickID pad) {
    std::set<int> sources;
    for (const auto& [holder, key] : gamepads().held) {
        if (holder.first == pad)
            sources.insert(holder.second);
    }
    for (int source : sources)
        release(pad, source);
}

// One axis of the left stick: its negative and positive directions.
void moveStick(SDL_JoystickID pad, int value, Source negative, int negativeKey, Source positive,
               int positiveKey) {
    const auto update = [pad](Source source, int key, int travel) {
        if (travel >= stickPressed)
            press(pad, source, key);
        else if (travel < stickReleased)
            release(pad, source);
    };
    update(negative, negativeKey, -value);
    update(positive, positiveKey, value);
}

void addPad(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (!gamepads().open.emplace(id, controller).second)
        SDL_GameControllerClose(controller); // already open: SDL counts the second open
}

void removePad(SDL_JoystickID id) {
    Gamepads& g = gamepads();
    releaseAll(id);
    const auto found = g.open.find(id);
    if (found == g.open.end())
        return;
    SDL_GameControllerClose(found->second);
    g.open.erase(found);
}

} // namespace

int virtualKeyForGamepadButton(int sdlButton) {
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return VK_LEFT;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return VK_RIGHT;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return VK_UP;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return VK_DOWN;
    case SDL_CONTROLLER_BUTTON_A:
        return VK_ACTION;
    case SDL_CONTROLLER_BUTTON_B:
        return VK_ESCAPE;
    case SDL_CONTROLLER_BUTTON_X:
        return VK_APP1;
    case SDL_CONTROLLER_BUTTON_Y:
        return VK_APP2;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return VK_APP3;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return VK_APP4;
    case SDL_CONTROLLER_BUTTON_START:
        return VK_APPS;
    default:
        return 0;
    }
}

void startGamepads() {
    Gamepads& g = gamepads();
    if (!g.started)
        g.started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void stopGamepads() {
    Gamepads& g = gamepads();
    while (!g.open.empty())
        removePad(g.open.begin()->first);
    if (g.started)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    g.started = false;
}

bool handleGamepadEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        addPad(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        removePad(event.cdevice.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
        press(event.cbutton.which, event.cbutton.button, virtualKeyForGamepadButton(event.cbutton.button));
        return true;
    case SDL_CONTROLLERBUTTONUP:
        release(event.cbutton.which, event.cbutton.button);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            moveStick(event.caxis.which, event.caxis.value, StickLeft, VK_LEFT, StickRight, VK_RIGHT);
        else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            moveStick(event.caxis.which, event.caxis.value, StickUp, VK_UP, StickDown, VK_DOWN);
        return true;
    default:
        return false;
    }
}

} // namespace velmora
