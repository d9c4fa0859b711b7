// Gamepads through SDL's virtual joysticks: plugged in, pressed, moved and pulled out while a window
// of the game has the keyboard focus.
#include "platform/gamepad.h"

#include "platform/display.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// "down 0x86", "up 0x86".
std::string keyText(bool down, WPARAM key) {
    char text[16];
    std::snprintf(text, sizeof text, "%s 0x%02X", down ? "down" : "up", unsigned(key));
    return text;
}

std::vector<std::string> keys;

LRESULT recordKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP)
        keys.push_back(keyText(message == WM_KEYDOWN, wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

class Gamepad : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW windowClass;
            windowClass.lpfnWndProc = recordKeys;
            windowClass.lpszClassName = L"PadWindow";
            return RegisterClassW(&windowClass);
        }();
        ASSERT_TRUE(registered);
        window =
            CreateWindowExW(0, L"PadWindow", L"Pad", WS_VISIBLE, 0, 0, 100, 80, nullptr, 0, nullptr, nullptr);
        SetFocus(window);
        // Headless windows never hold the desktop's focus, which SDL otherwise wants for pad input.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        pump();
        keys.clear();
    }
    void TearDown() override {
        while (!pads.empty())
            pullOut(pads.back());
        DestroyWindow(window);
        clearMessageQueue();
    }

    // A pad with every button and axis of SDL's game controller; its instance id.
    SDL_JoystickID plugIn() {
        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        const int index = SDL_JoystickAttachVirtualEx(&pad);
        EXPECT_GE(index, 0) << SDL_GetError();
        pads.push_back(SDL_JoystickGetDeviceInstanceID(index));
        pump();
        return pads.back();
    }
    void pullOut(SDL_JoystickID pad) {
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == pad)
                SDL_JoystickDetachVirtual(index);
        }
        std::erase(pads, pad);
        pump();
    }
    void button(SDL_JoystickID pad, SDL_GameControllerButton which, bool pressed) {
        SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(pad), which, pressed);
        pump();
    }
    void axis(SDL_JoystickID pad, SDL_GameControllerAxis which, int value) {
        SDL_JoystickSetVirtualAxis(SDL_JoystickFromInstanceID(pad), which, static_cast<Sint16>(value));
        pump();
    }
    // SDL's events become key messages, which reach the window.
    void pump() {
        pumpDisplayEvents();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
            DispatchMessageW(&message);
    }

    HWND window = nullptr;
    std::vector<SDL_JoystickID> pads;
};

TEST_F(Gamepad, ButtonsGiveTheHandheldsKeys) {
    const SDL_JoystickID pad = plugIn();
    const std::pair<SDL_GameControllerButton, int> table[] = {
        {SDL_CONTROLLER_BUTTON_A, VK_ACTION},
        {SDL_CONTROLLER_BUTTON_B, VK_ESCAPE},
        {SDL_CONTROLLER_BUTTON_X, VK_APP1},
        {SDL_CONTROLLER_BUTTON_Y, VK_APP2},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, VK_APP3},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, VK_APP4},
        {SDL_CONTROLLER_BUTTON_START, VK_APPS},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, VK_LEFT},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, VK_RIGHT},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, VK_UP},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, VK_DOWN},
        {SDL_CONTROLLER_BUTTON_BACK, 0},
        {SDL_CONTROLLER_BUTTON_GUIDE, 0},
    };
    std::vector<std::string> expected;
    for (const auto& [which, key] : table) {
        button(pad, which, true);
        button(pad, which, false);
        if (key) {
            expected.push_back(keyText(true, key));
            expected.push_back(keyText(false, key));
        }
    }
    EXPECT_EQ(keys, expected);
}

TEST_F(Gamepad, StickAndDpadShareTheArrowKeys) {
    const SDL_JoystickID pad = plugIn();
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, -20000); // past half-way: pressed
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, -12000); // between the thresholds: still pressed
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, -5000);  // back under a third: released
    axis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);  // down
    button(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    axis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0); // the d-pad still holds Down
    button(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    axis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32768); // up
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);  // and right at once
    EXPECT_EQ(keys, (std::vector<std::string>{keyText(true, VK_LEFT), keyText(false, VK_LEFT),
                                              keyText(true, VK_DOWN), keyText(false, VK_DOWN),
                                              keyText(true, VK_UP), keyText(true, VK_RIGHT)}));
}

TEST_F(Gamepad, PullingOutAPadLetsGoOfItsKeysAndOtherPadsWork) {
    const SDL_JoystickID first = plugIn();
    const SDL_JoystickID second = plugIn();
    button(first, SDL_CONTROLLER_BUTTON_A, true);
    button(second, SDL_CONTROLLER_BUTTON_A, true);
    axis(first, SDL_CONTROLLER_AXIS_LEFTX, 30000);
    pullOut(first); // the second pad still holds the action key
    button(second, SDL_CONTROLLER_BUTTON_A, false);
    button(plugIn(), SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_EQ(keys, (std::vector<std::string>{keyText(true, VK_ACTION), keyText(true, VK_RIGHT),
                                              keyText(false, VK_RIGHT), keyText(false, VK_ACTION),
                                              keyText(true, VK_ESCAPE)}));
}

} // namespace
} // namespace velmora
