#pragma once
// The main window of an instance: a top-level toolkit window titled "Velmora" on a black
// background, which owns the first page of the instance and the lists of character and course
// pictures, and knows where the 3:4 page area lies inside it. Making one also sets up the resource
// archives with their temporary folder and reads the sound setting; destroying it closes them.

#include "gui/frame_page.h"
#include "gui/window.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora {

class Application : public Window {
public:
    static constexpr wchar_t title[] = L"Velmora";

    Application();
    ~Application() override;

    // The page area inside the main window and its size.
    POINT pageOffset{};
    SIZE pageSize{};
    FramePage* frontPage = nullptr; // both owned by the child list
    FramePage* gameCanvas = nullptr;
    std::vector<std::wstring> characterImages; // "character3" for characters\character3.gif
    std::vector<std::wstring> sceneImages;     // the course names, from scenes\*.jpg
    bool soundEnabled = false;                 // the settings' sound switch, for the sound layer

    // The shipped data ("...\resources\", see platform/game_folders.h) and its "GUI\" folder.
    const std::wstring& resourcesFolder() const { return resourcesFolder_; }
    const std::wstring& guiFolder() const { return guiFolder_; }

    // Adds a page as a child window over the page area, shows it and gives it the focus; returns
    // the page, now owned by the child list.
    template <typename PageType> PageType* addPage(std::unique_ptr<PageType> page) {
        PageType* added = addChild(std::move(page), pageOffset.x, pageOffset.y, pageSize.cx, pageSize.cy);
        if (added)
            showPage(*added);
        return added;
    }

private:
    void showPage(FramePage& page);

    std::wstring resourcesFolder_;
    std::wstring guiFolder_;
};

} // namespace velmora
