#pragma once
// The front end: one page that shows every screen before and after a game (cover, main menu with
// the course slide show, player menu, course menu, load page, settings, goodbye, congratulations)
// by loading each screen's template into itself, and that acts on the commands of their buttons.
// Starting or resuming a game and leaving the congratulations relaunch the program with a launch
// record; the player choices live only as long as the instance.

#include "game/best_scores.h"
#include "game/launch_records.h"
#include "gui/canvas.h"
#include "gui/fade_transition.h"
#include "gui/listeners.h"
#include "shell/first_page.h"
#include "shell/front_end_choices.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class Application;
struct Texture;

// What the front end needs of the instance: its folders and the picture lists found at start.
struct FrontEndSetup {
    std::wstring resourcesFolder;              // the shipped data, with its trailing backslash
    std::wstring guiFolder;                    // resourcesFolder + "GUI\"
    std::wstring manualFolder;                 // holds "index.htm"
    std::vector<std::wstring> characterImages; // "character0" ... in order
    std::vector<std::wstring> sceneImages;     // the course names, sorted
};
FrontEndSetup frontEndSetupOf(const Application& application);

// The ways out of the instance; the page's defaults relaunch, open the manual with the desktop's
// opener and close the main window. Tests replace them.
struct FrontEndExits {
    std::function<void(const std::wstring& commandLine)> relaunch;
    std::function<void(const std::wstring& folder, const std::wstring& file)> openDocument;
    std::function<void()> quit;
};

inline constexpr int maxPlayerNameLength = 10;
inline constexpr wchar_t selectPlayerMessage[] = L"select at least one player to continue.";
inline constexpr wchar_t selectSlotMessage[] = L"Select non-empty slot to continue.";
inline constexpr wchar_t selectMessageKey[] = L"ERR_SELECT";
// Without golfer or course pictures the menus have nothing to offer; OK closes these messages.
// The message box has room for two lines.
inline constexpr wchar_t noGolfersMessage[] = L"No golfer pictures in ../resources/characters/.";
inline constexpr wchar_t noCoursesMessage[] = L"No course pictures found in ../resources/scenes/.";
inline constexpr wchar_t missingContentKey[] = L"ERR_CONTENT";

class GamePage : public Canvas, public MouseListener {
public:
    explicit GamePage(FrontEndSetup setup);
    ~GamePage() override;

    // The first screen: the template named by a launch record ("intro" gives "intro.properties"),
    // or the cover without one.
    void showFirstPage(const std::optional<std::wstring>& record);
    // Loads the congratulations page and fills it from a results record.
    void showCongratulations(const std::wstring& record);

    // Canvas operations.
    void onCreate() override;
    void update(float step) override;
    void onPageLoaded() override;
    void onPageLeaving() override;
    // Releases over a node: the commands of the front end's buttons.
    void onCommand(Window* window, UINT message, WPARAM keyState, int x, int y) override;
    void stopActivity() override;

    FrontEndExits exits;

    // What the player has chosen so far.
    const CharacterChoice& characters() const { return characters_; }
    const std::array<std::wstring, playerSlotCount>& playerNames() const { return playerNames_; }
    int courseIndex() const { return courseIndex_; }
    const std::wstring& courseName() const { return courseName_; }
    int selectedSlot() const { return selectedSlot_; }

private:
    bool onScreen(const wchar_t* name) const;
    // Stops frames and sounds, fades to black and loads the screen's template (the music of
    // fadeBeforeSilence screens plays on during the fade).
    void goTo(const wchar_t* fileName, bool fadeBeforeSilence = false);
    void stopSounds();
    void playTitleMusic();
    void showNode(const wchar_t* name, bool visible);
    void setText(const std::wstring& nodeName, const std::wstring& text);
    void setTextColour(const std::wstring& nodeName, uint32_t colour);
    void setPicture(const std::wstring& nodeName, Texture* picture);

    void fillLoadPage();
    int storedLoadSlot() const;
    void fillPlayerMenu();
    void fillCourseMenu();
    void startSlideShow();
    void showCharacter(int slot);
    void showCourse(int index);
    void showScores();
    void storeCourseChoice();

    void changeCharacter(const std::wstring& nodeName);
    void changeCourse(const std::wstring& nodeName);
    void takePlayerName(const std::wstring& nodeName);
    void highlightSlot(const std::wstring& nodeName);
    void enterCourseMenu();
    void startGame();
    void loadSavedGame();
    void exitProgram();
    bool golfersMissing();
    bool coursesMissing();

    FrontEndSetup setup_;
    FadeTransition fade_;
    std::array<std::wstring, playerSlotCount> playerNames_;
    std::wstring courseName_;
    CharacterChoice characters_;
    int courseIndex_ = 0;
    BestScores bestScores_;
    int selectedSlot_ = -1;
    std::vector<Texture*> slideImages_; // owned by the image cache until the next screen
    float slideClock_ = 0.0f;
    float promptScroll_ = 0.0f;
};

// The front end's first page: the cover for no launch record, the main menu for "intro", the
// congratulations for a results record.
void makeFrontEndPage(Application& application, const LaunchChoice& choice);

} // namespace velmora
