#include "shell/first_page.h"

#include "game/launch_records.h"

namespace velmora {

namespace {
PageMaker maker = nullptr;
}

LaunchChoice chooseFirstPage(const std::wstring& commandLine) {
    LaunchChoice choice;
    const std::optional<std::wstring> record = launchRecordOf(commandLine);
    if (!record)
        return choice;
    choice.record = *record;
    switch (classifyLaunchRecord(choice.record)) {
    case LaunchKind::FrontEnd:
        choice.page = FirstPage::Intro;
        break;
    case LaunchKind::Results:
        choice.page = FirstPage::Congratulations;
        break;
    case LaunchKind::Game:
        choice.page = FirstPage::Game;
        break;
    case LaunchKind::Slot:
        choice.page = FirstPage::SavedGame;
        break;
    }
    return choice;
}

void setPageMaker(PageMaker newMaker) {
    maker = newMaker;
}

PageMaker pageMaker() {
    return maker;
}

} // namespace velmora
