#pragma once
// The player's settings as a game reads them once at the start of each hole from
// "gsetting.properties" in the GUI folder (the front end's settings page writes them). A missing
// file or entry reads as -1: direct video on, mulligans on, no wind.

#include <string_view>

namespace velmora {

inline constexpr wchar_t settingsFile[] = L"gsetting.properties";

struct GameSettings {
    bool directVideo = true;      // "chkGAPIVideo": frames go straight into the display's framebuffer
    bool gameKeys = true;         // "chkGAPIButton": read, but the game always uses window key messages
    bool mulligansEnabled = true; // "Mulligans": the last stroke may be taken back
    int windCondition = 0;        // "WindCondition": 0 none, 1 light, 2 strong
};

GameSettings readGameSettings(std::wstring_view guiFolder);

// The wind of a condition in mph: 0, 3 or 5.
int windStrengthOf(int windCondition);
// A start direction across the hole, left or right with equal odds, give or take 0.4 radians.
float startWindDirection();

} // namespace velmora
