#pragma once
// Which page an instance starts with, from the launch record on its command line, and the hook
// through which the pages make themselves.

#include <string>

namespace velmora {

class Application;

enum class FirstPage {
    Cover,           // no "ARG:" on the command line: the front end's cover page
    Intro,           // exactly "intro": the front end's intro page
    Congratulations, // a results record: the front end's congratulations page
    Game,            // a game record ("course=...")
    SavedGame,       // anything else: the name of a saved game to resume
};

struct LaunchChoice {
    FirstPage page = FirstPage::Cover;
    std::wstring record; // the text after the first "ARG:"
};

LaunchChoice chooseFirstPage(const std::wstring& commandLine);

// Makes the first page of the instance as child of the application (Application::addPage) and
// starts it. Without one the main window stays black.
using PageMaker = void (*)(Application& application, const LaunchChoice& choice);
void setPageMaker(PageMaker maker);
PageMaker pageMaker();

} // namespace velmora
