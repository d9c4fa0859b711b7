#include "shell/application.h"

#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "media/wave_sound.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/process.h"
#include "shell/start_up.h"

namespace velmora {

namespace {
constexpr int iconResource = 101;
}

Application::Application() : Window(title, nullptr, false) {
    style_ = WS_VISIBLE;
    programFolder_ = moduleFolder();
    setTempFolder(documentsFolder() + L"\\Tavrin.tmp\\");
    registerArchive(L"GUI.zip", programFolder_ + L"..\\resources\\GUI");
    registerArchive(L"scenes.zip", programFolder_ + L"..\\resources\\scenes");
    registerArchive(L"sounds.zip", programFolder_ + L"..\\resources\\sounds");
    guiFolder_ = programFolder_ + L"..\\resources\\GUI\\";
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

void Application::addPage(FramePage* page) {
    if (!page)
        return;
    addChild(page, pageOffset.x, pageOffset.y, pageSize.cx, pageSize.cy);
    page->show(true);
    page->setFocus();
}

} // namespace velmora
