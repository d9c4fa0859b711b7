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

// Key messages as "down 0x86" and "up 0x86".
std::vector<std::string> keys;

LRESULT recordKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        char text[16];
        std::snprintf(text, sizeof text, "%s 0x%02X", message == WM_KEYDOWN ? "down" : "up",
                      unsigned(wParam));
        keys.push_back(text);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::string down(int key) {
    char text[16];
    std::snprintf(text, sizeof text, "down 0x%02X", unsigned(key));
    return text;
}

std::string up(int key) {
    char text[16];
    std::snprintf(text, sizeof text, "up 0x%02X", unsigned(key));
    return text;
}

int deviceIndexOf(SDL_JoystickID pad) {
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == pad)
            return index;
    }
    return -1;
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
        clearMessageQueue();
        window =
            CreateWindowExW(0, L"PadWindow", L"Pad", WS_VISIBLE, 0, 0, 100, 80, nullptr, 0, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        SetFocus(window);
        // Headless windows never hold the desktop's focus, which SDL otherwise wants for pad input.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        pump();
        keys.clear();
    }
    void TearDown() override {
        for (int pad : pads)
            SDL_JoystickDetachVirtual(deviceIndexOf(pad));
        pump();
        DestroyWindow(window);
        clearMessageQueue();
    }

    // Plugs in a pad with every button and axis of SDL's game controller; returns its instance id.
    SDL_JoystickID plugIn() {
        SDL_VirtualJoystickDesc pad{};
        pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        pad.naxes = SDL_CONTROLLER_AXIS_MAX;
        pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        pad.name = "Test pad";
        const int index = SDL_JoystickAttachVirtualEx(&pad);
        EXPECT_GE(index, 0) << SDL_GetError();
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
        pads.push_back(id);
        pump();
        return id;
    }
    void pullOut(SDL_JoystickID pad) {
        SDL_JoystickDetachVirtual(deviceIndexOf(pad));
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
    };
    std::vector<std::string> expected;
    for (const auto& [which, key] : table) {
        button(pad, which, true);
        button(pad, which, false);
        expected.push_back(down(key));
        expected.push_back(up(key));
    }
    for (SDL_GameControllerButton unused :
         {SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_GUIDE, SDL_CONTROLLER_BUTTON_LEFTSTICK}) {
        button(pad, unused, true);
        button(pad, unused, false);
    }
    EXPECT_EQ(keys, expected);
}

TEST_F(Gamepad, StickAndDpadShareTheArrowKeys) {
    const SDL_JoystickID pad = plugIn();
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, -20000); // past half-way: pressed
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, -12000); // between the thresholds: still pressed
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, -5000);  // back under a third: released
    EXPECT_EQ(keys, (std::vector<std::string>{down(VK_LEFT), up(VK_LEFT)}));

    keys.clear();
    axis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767); // down
    button(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    axis(pad, SDL_CONTROLLER_AXIS_LEFTY, 0);
    EXPECT_EQ(keys, std::vector<std::string>{down(VK_DOWN)}) << "the d-pad still holds Down";
    button(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    axis(pad, SDL_CONTROLLER_AXIS_LEFTY, -32768); // up
    axis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);  // and right at once
    EXPECT_EQ(keys, (std::vector<std::string>{down(VK_DOWN), up(VK_DOWN), down(VK_UP), down(VK_RIGHT)}));
}

TEST_F(Gamepad, PullingOutAPadLetsGoOfItsKeysAndOtherPadsWork) {
    const SDL_JoystickID first = plugIn();
    const SDL_JoystickID second = plugIn();
    button(first, SDL_CONTROLLER_BUTTON_A, true);
    button(second, SDL_CONTROLLER_BUTTON_A, true);
    axis(first, SDL_CONTROLLER_AXIS_LEFTX, 30000);
    pullOut(first);
    EXPECT_EQ(keys, (std::vector<std::string>{down(VK_ACTION), down(VK_RIGHT), up(VK_RIGHT)}))
        << "the second pad still holds the action key";
    keys.clear();
    button(second, SDL_CONTROLLER_BUTTON_A, false);
    const SDL_JoystickID third = plugIn();
    button(third, SDL_CONTROLLER_BUTTON_B, true);
    EXPECT_EQ(keys, (std::vector<std::string>{up(VK_ACTION), down(VK_ESCAPE)}));
    EXPECT_EQ(virtualKeyForGamepadButton(SDL_CONTROLLER_BUTTON_PADDLE1), 0);
}

} // namespace
} // namespace velmora
