#include "shell/application.h"

#include "platform/messages.h"
#include "platform/process.h"

namespace velmora {

namespace {
constexpr int iconResource = 101;
}

Application::Application() : Window(title, nullptr, false) {
    style_ = WS_VISIBLE;
    programFolder_ = moduleFolder();
    guiFolder_ = programFolder_ + L"..\\resources\\GUI\\";
    windowClass_.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass_.hIcon = LoadIconW(nullptr, iconResource);
}

Application::~Application() = default;

void Application::addPage(FramePage* page) {
    if (!page)
        return;
    addChild(page, pageOffset.x, pageOffset.y, pageSize.cx, pageSize.cy);
    page->show(true);
    page->setFocus();
}

} // namespace velmora
