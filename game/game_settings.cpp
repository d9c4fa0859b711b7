#include "game/game_settings.h"

#include "gui/property_template.h"
#include "platform/game_folders.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"

namespace velmora {

GameSettings readGameSettings(std::wstring_view guiFolder) {
    PropertyTemplate file;
    file.load(guiFileFolder(settingsFile, guiFolder), settingsFile);
    GameSettings settings;
    settings.directVideo = file.getInt(L"chkGAPIVideo", L"status", -1) != 0;
    settings.gameKeys = file.getInt(L"chkGAPIButton", L"status", -1) != 0;
    settings.mulligansEnabled = file.getInt(L"Mulligans", L"selected", -1) != 0;
    settings.windCondition = clampInt(file.getInt(L"WindCondition", L"selected", -1), 0, 2);
    return settings;
}

int windStrengthOf(int windCondition) {
    static constexpr int strengths[] = {0, 3, 5};
    return strengths[clampInt(windCondition, 0, 2)];
}

float startWindDirection() {
    const float side = randomInt(0, 100) < 51 ? -1.0f : 1.0f;
    return side * kPi * 0.5f + randomFloat(-0.4f, 0.4f);
}

} // namespace velmora
