#include "shell/start_up.h"

#include "base/wide_string.h"
#include "gui/property_template.h"
#include "platform/files.h"
#include "platform/game_folders.h"
#include "platform/message_box.h"
#include "platform/process.h"

#include <algorithm>

namespace velmora {

float freeMemoryMegabytes() {
    MEMORYSTATUS status;
    GlobalMemoryStatus(&status);
    return static_cast<float>(status.dwAvailPhys) / 1048576.0f;
}

int checkMemory(HWND owner, float requiredMegabytes, float freeMegabytes) {
    if (freeMegabytes >= requiredMegabytes)
        return IDYES;
    const std::wstring text = formatWide(L"'%ls' needs %.1fMB memory. Free memory is now %.1fMB.\nSystem "
                                         L"will adjust memory distribution to meet "
                                         L"this requirement.\nIngore this warning and continue?",
                                         moduleFileName().c_str(), static_cast<double>(requiredMegabytes),
                                         static_cast<double>(freeMegabytes));
    return MessageBoxW(owner, text.c_str(), L"Memory Warning", MB_YESNO | MB_ICONEXCLAMATION);
}

ScreenLayout layoutScreen(int screenWidth, int screenHeight) {
    ScreenLayout layout;
    if (screenWidth > screenHeight) {
        layout.landscape = true;
        return layout;
    }
    int pageWidth = screenWidth;
    if (screenWidth / 3 != screenHeight / 4) {
        pageWidth = static_cast<int>(static_cast<double>(screenHeight) * 0.75 + 0.5);
        layout.pageOffset = {(screenWidth - pageWidth) >> 1, 0};
    }
    layout.x = (screenWidth - pageWidth) >> 1;
    layout.y = 0; // the page area is as high as the screen
    layout.width = pageWidth;
    layout.height = screenHeight;
    return layout;
}

std::wstring landscapeMessage(const std::wstring& fileName) {
    return formatWide(
        L"'%ls' can not run under landscape mode.\nChange the screen orientation to portrait mode and run "
        L"again.",
        fileName.c_str());
}

} // namespace velmora

namespace velmora {

std::vector<std::wstring> listPictureNames(std::wstring pattern) {
    collapseDotDot(pattern);
    std::vector<std::wstring> names;
    for (const FoundFile& file : findFiles(pattern)) {
        if (file.isFolder || file.name.empty())
            continue;
        names.push_back(file.name.substr(0, file.name.find(L'.')));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool readSoundSetting(const std::wstring& guiFolder) {
    constexpr wchar_t settingsFile[] = L"gsetting.properties";
    PropertyTemplate settings(L'=', L',', L':');
    settings.load(guiFileFolder(settingsFile, guiFolder), settingsFile);
    return settings.getInt(L"soundEffect", L"selected", -1) == 0;
}

} // namespace velmora
