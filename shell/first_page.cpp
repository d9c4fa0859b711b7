#include "shell/first_page.h"

namespace velmora {

namespace {
PageMaker maker = nullptr;
}

LaunchChoice chooseFirstPage(const std::wstring& commandLine) {
    LaunchChoice choice;
    const size_t marker = commandLine.find(L"ARG:");
    if (marker == std::wstring::npos)
        return choice;
    choice.record = commandLine.substr(marker + 4);
    if (choice.record == L"intro")
        choice.page = FirstPage::Intro;
    else if (choice.record.find(L"round:results") != std::wstring::npos)
        choice.page = FirstPage::Congratulations;
    else
        choice.page = FirstPage::Game;
    return choice;
}

void setPageMaker(PageMaker newMaker) { maker = newMaker; }

PageMaker pageMaker() { return maker; }

} // namespace velmora
