#include "shell/application.h"

#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "media/wave_sound.h"
#include "platform/game_folders.h"
#include "platform/messages.h"
#include "shell/start_up.h"

namespace velmora {

namespace {
constexpr int iconResource = 101;
}

Application::Application() : Window(title, nullptr, false) {
    style_ = WS_VISIBLE;
    resourcesFolder_ = velmora::resourcesFolder();
    setTempFolder(temporaryFolder());
    registerArchive(L"GUI.zip", resourcesFolder_ + L"GUI");
    registerArchive(L"scenes.zip", resourcesFolder_ + L"scenes");
    registerArchive(L"sounds.zip", resourcesFolder_ + L"sounds");
    guiFolder_ = resourcesFolder_ + L"GUI\\";
    soundEnabled = readSoundSetting(guiFolder_);
    velmora::soundEnabled = soundEnabled;
    windowClass_.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass_.hIcon = LoadIconW(nullptr, iconResource);
    characterImages = listPictureNames(formatWide(L"%ls..\\characters\\*.gif", guiFolder_.c_str()));
    sceneImages = listPictureNames(formatWide(L"%ls..\\scenes\\*.jpg", guiFolder_.c_str()));
}

Application::~Application() {
    closeArchives();
}

void Application::showPage(FramePage& page) {
    page.show(true);
    page.setFocus();
}

} // namespace velmora
