#include "shell/game_page.h"

#include "base/wide_string.h"
#include "game/demo_mode.h"
#include "game/game_events.h"
#include "game/names.h"
#include "game/save_slots.h"
#include "gui/message_box.h"
#include "gui/open_document.h"
#include "gui/relaunch.h"
#include "media/resource_archive.h"
#include "media/wave_sound.h"
#include "platform/clock.h"
#include "platform/game_folders.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "render/group2d.h"
#include "render/scalar_math.h"
#include "render/trig_tables.h"
#include "shell/application.h"
#include "shell/slide_show.h"

namespace velmora {

namespace {

constexpr wchar_t pageName[] = L"gamePage";
constexpr float fadeSeconds = 0.5f;
constexpr int fadeStepsPerSecond = 10;
constexpr int framesPerSecond = 10;
constexpr int measuringWindowMs = 200;
constexpr uint32_t padColour = 0x141414;
constexpr uint32_t chosenSlotColour = 0xFF9664; // (255, 150, 100)
constexpr uint32_t otherSlotColour = 0xDC96B4;  // (220, 150, 180)
constexpr float slideClockPerSecond = 3.0f;
constexpr float demoMenuSeconds = 3.0f;             // before the demonstration starts a game
constexpr float demoCongratulationsSeconds = 10.0f; // before it starts the next

constexpr float slideHeight = 80.0f; // the slides sit this far above the centre of their scene
constexpr float promptScrollPerSecond = 0.03f;
constexpr size_t slotDigitPosition = 6; // "arrowU2": the slot digit follows "arrowU" or "arrowD"
constexpr wchar_t loadPageFile[] = L"loadGame.properties";

bool contains(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

} // namespace

FrontEndSetup frontEndSetupOf(const Application& application) {
    return {application.resourcesFolder(), application.guiFolder(), manualFolder(),
            application.characterImages, application.sceneImages};
}

GamePage::GamePage(FrontEndSetup setup)
    : Canvas(pageName, true), setup_(std::move(setup)), fade_(fadeSeconds, fadeStepsPerSecond, 0),
      characters_(static_cast<int>(setup_.characterImages.size())) {
    for (int slot = 0; slot < playerSlotCount; ++slot)
        playerNames_[slot] = formatWide(L"player%d", slot + 1);
    exits.relaunch = [this](const std::wstring& commandLine) {
        Window* mainWindow = parentObject();
        relaunch(mainWindow ? mainWindow->handle() : GetParent(handle()), commandLine);
    };
    exits.openDocument = [](const std::wstring& documentFolder, const std::wstring& file) {
        openDocument(documentFolder, file);
    };
    exits.quit = [this] {
        closeArchives();
        if (Window* mainWindow = parentObject())
            PostMessageW(mainWindow->handle(), WM_CLOSE, 0, 0);
    };
}

GamePage::~GamePage() = default;

void GamePage::onCreate() {
    setMouseListener(this);
    setMessageBoxFolder(setup_.guiFolder);
    createInputPad(padColour, setup_.guiFolder, L"inputpad.gif", L"btn.gif", L"btnBig.gif");
    frameTimer.targetFps = framesPerSecond;
    frameTimer.windowMs = measuringWindowMs;
    // Sleeping toward the frame rate keeps the menus from taking a whole processor.
    frameTimer.mode = FrameTimer::AdaptiveSleep;
    initMathTables(GetTickCount());
    if (characters_.characterCount() >= 2)
        characters_.assign(0, randomInt(1, characters_.characterCount() - 1));
}

void GamePage::showFirstPage(const std::optional<std::wstring>& record) {
    if (record) {
        loadTemplate(setup_.guiFolder, *record + L".properties", true);
        repaint();
    } else {
        loadTemplate(setup_.guiFolder, L"cover.properties", true);
        showNode(L"press0", true);
    }
    setFocus();
}

void GamePage::showCongratulations(const std::wstring& record) {
    loadTemplate(setup_.guiFolder, L"congratulations.properties", true);
    const ResultsRecord results = readResultsRecord(record);
    for (size_t p = 0; p < results.players.size() && p < playerSlotCount; ++p) {
        const PlayerResult& player = results.players[p];
        if (p == 0)
            setText(L"txtCongratulations", formatWide(L"Congratulations, %ls!", player.name.c_str()));
        const std::wstring number = std::to_wstring(p);
        setText(L"txtPos" + number, std::to_wstring(p + 1));
        setText(L"txtPlayer" + number, player.name);
        setText(L"txtScore" + number, resultText(player.totalScore));
        for (const wchar_t* row : {L"txtPos", L"txtPlayer", L"txtScore"})
            showNode((row + number).c_str(), true);
    }
    setText(L"txtCongratulationsCourseNameValue", prettyCourseName(results.course));
    logCongratulations(results);
    bestScores_ = loadBestScores(setup_.guiFolder, results.course);
    showScores();
    repaint();
    setFocus();
}

bool GamePage::onScreen(const wchar_t* name) const {
    return templateName.find(name) != std::wstring::npos;
}

// Screens --------------------------------------------------------------------------------------

void GamePage::onPageLoaded() {
    if (onScreen(L"loadGame")) {
        fillLoadPage();
    } else if (onScreen(L"playerMenu")) {
        fillPlayerMenu();
        startFrames();
    } else if (onScreen(L"courseMenu")) {
        fillCourseMenu();
    } else if (onScreen(L"intro")) {
        startSlideShow();
        playTitleMusic();
        startFrames();
    } else if (onScreen(L"cover")) {
        showNode(L"press0", true);
        startFrames();
    } else if (onScreen(L"back")) {
        showNode(L"press0", true);
        playTitleMusic();
        fade_.run(*this, FadeDirection::In, FadeFrames::Repaint);
        startFrames();
    } else if (onScreen(L"congratulations")) {
        startFrames();
    }
}

void GamePage::onPageLeaving() {
    if (onScreen(L"courseMenu"))
        storeCourseChoice();
}

void GamePage::fillLoadPage() {
    const int stored = storedLoadSlot();
    selectedSlot_ = stored >= 0 && stored < saveSlotCount ? stored : -1;
    for (int slot = 0; slot < saveSlotCount; ++slot) {
        const std::wstring node = L"txtLoadSlot" + std::to_wstring(slot);
        setText(node, readSlotName(setup_.resourcesFolder, slotKey(slot)).value_or(emptySlotText));
        setTextColour(node, slot == selectedSlot_ ? chosenSlotColour : otherSlotColour);
    }
}

// The load page's ticked slot as its persistent check boxes last saved it (-1: none).
int GamePage::storedLoadSlot() const {
    PropertyTemplate slots;
    slots.load(guiFileFolder(loadPageFile, setup_.guiFolder), loadPageFile);
    return slots.getInt(L"checkboxGolf", L"selected", -1);
}

void GamePage::fillPlayerMenu() {
    for (int slot = 0; slot < playerSlotCount; ++slot) {
        showCharacter(slot);
        setText(L"playerName" + std::to_wstring(slot), playerNames_[slot]);
    }
    golfersMissing();
}

void GamePage::fillCourseMenu() {
    if (coursesMissing())
        return;
    const std::optional<std::wstring> stored = pageTemplate.getString(L"courseSelected");
    showCourse(validCourse(stored ? parseLong(*stored) : -1, static_cast<int>(setup_.sceneImages.size())));
    repaint();
}

void GamePage::startSlideShow() {
    for (const wchar_t* name : {L"slide1", L"slide2"}) {
        if (auto* slide = dynamic_cast<Group2D*>(findNode(name)))
            slide->transform = Transform2D::translation(0.0f, slideHeight);
    }
    slideImages_.clear();
    for (const std::wstring& course : setup_.sceneImages) {
        slideImages_.push_back(
            imageCache.lookup(setup_.guiFolder, L"..\\scenes\\" + course + L".jpg", PowerOfTwo::Pad));
    }
}

// Missing golfer or course pictures leave nothing to choose: the message says what is missing.
bool GamePage::golfersMissing() {
    // "character0" is the empty slot, not a golfer.
    if (characters_.characterCount() >= 2)
        return false;
    showMessage(*this, noGolfersMessage, missingContentKey, MessageButtons::Ok, nullptr, false);
    repaint();
    return true;
}

bool GamePage::coursesMissing() {
    if (!setup_.sceneImages.empty())
        return false;
    showMessage(*this, noCoursesMessage, missingContentKey, MessageButtons::Ok, nullptr, false);
    repaint();
    return true;
}

void GamePage::showCharacter(int slot) {
    const int32_t character = characters_.selected(slot);
    const std::wstring number = std::to_wstring(slot);
    setPicture(L"Player" + number,
               imageCache.lookup(setup_.resourcesFolder + L"characters\\",
                                 formatWide(L"character%d.gif", character), PowerOfTwo::No));
    showNode((L"playerName" + number).c_str(), character != 0);
}

void GamePage::showCourse(int index) {
    courseIndex_ = index;
    courseName_ = setup_.sceneImages[index];
    setPicture(L"sptCoursePreview", imageCache.lookup(setup_.resourcesFolder + L"scenes\\",
                                                      courseName_ + L".jpg", PowerOfTwo::No));
    setText(L"sptCourseName", prettyCourseName(courseName_));
    bestScores_ = loadBestScores(setup_.guiFolder, courseName_);
    showScores();
}

void GamePage::showScores() {
    showBestScores(*this, bestScores_);
}

void GamePage::storeCourseChoice() {
    pageTemplate.put(L"courseSelected", std::to_wstring(courseIndex_));
    saveTemplate();
}

// Animation ------------------------------------------------------------------------------------

void GamePage::update(float step) {
    stepDemo(step);
    if (onScreen(L"intro")) {
        if (slideImages_.empty())
            return;
        slideClock_ += slideClockPerSecond * step;
        const SlideFrame frame = slideFrame(slideClock_, static_cast<int>(slideImages_.size()));
        const std::pair<const wchar_t*, std::pair<int, int>> slides[] = {
            {L"slide1", {frame.picture1, frame.transparency1}},
            {L"slide2", {frame.picture2, frame.transparency2}}};
        for (const auto& [name, look] : slides) {
            auto* slide = dynamic_cast<Group2D*>(findNode(name));
            Material3D* material = slide ? slide->firstMaterial() : nullptr;
            if (!material)
                continue;
            material->texture = slideImages_[look.first];
            material->transparency = look.second;
        }
    } else if (onScreen(L"back")) {
        auto* prompt = dynamic_cast<Group2D*>(findNode(L"rectPrompt"));
        Material3D* material = prompt ? prompt->findMaterial(L"rectMtl") : nullptr;
        if (!material)
            return;
        promptScroll_ += promptScrollPerSecond * step;
        if (promptScroll_ > 1.0f)
            promptScroll_ = 0.0f;
        material->setTextureOffset(0.0f, promptScroll_);
    }
}

// Commands -------------------------------------------------------------------------------------

void GamePage::onCommand(Window*, UINT message, WPARAM, int, int) {
    if (message == WM_LBUTTONDOWN && demoMode() != DemoMode::Off)
        setDemoMode(DemoMode::Off); // a person takes over
    const Sprite* node = pressedNode();
    if (message != WM_LBUTTONUP || !node)
        return;
    // A copy: most commands replace the page's nodes.
    const std::wstring name = node->name;
    if (isMessageOpen(*this)) {
        const std::optional<std::wstring> key = messageKey(*this);
        if (contains(name, L"btnOK") && (key == selectMessageKey || key == missingContentKey))
            hideMessage(*this, false);
        return;
    }
    if (contains(name, L"btnEnterIntro")) {
        goTo(L"intro.properties", true);
    } else if (contains(name, L"cmdQuitGame")) {
        goTo(L"back.properties", true);
    } else if (contains(name, L"btnStartGame")) {
        startGame();
    } else if (contains(name, L"cmdManual")) {
        exits.openDocument(setup_.manualFolder, L"index.htm");
    } else if (contains(name, L"rdoSound")) {
        soundEnabled = selectedIndex(L"soundEffect") == 0;
    } else if (contains(name, L"cmdGSetting")) {
        stopFrames();
        stopSounds();
        loadTemplate(setup_.guiFolder, L"gsetting.properties", true);
        repaint();
    } else if (contains(name, L"btnEnterPlayerMenu")) {
        goTo(L"playerMenu.properties");
    } else if (contains(name, L"cmdLoadGame")) {
        goTo(loadPageFile);
        repaint();
    } else if (contains(name, L"btnLoadBack")) {
        goTo(L"intro.properties");
    } else if (contains(name, L"btnCongratulationsOK")) {
        exits.relaunch(frontEndRequest);
    } else if (contains(name, L"arrow")) {
        changeCharacter(name);
    } else if (contains(name, L"CourseArr")) {
        changeCourse(name);
    } else if (contains(name, L"btnLoadGame")) {
        loadSavedGame();
    } else if (contains(name, L"btnEnterCourseMenu")) {
        enterCourseMenu();
    } else if (contains(name, L"cmdExit")) {
        exitProgram();
    } else if (contains(name, L"chkGolfBall")) {
        highlightSlot(name);
    } else if (contains(name, L"playerName")) {
        takePlayerName(name);
    }
}

void GamePage::goTo(const wchar_t* fileName, bool fadeBeforeSilence) {
    stopFrames();
    if (!fadeBeforeSilence)
        stopSounds();
    fade_.run(*this, FadeDirection::Out, FadeFrames::Repaint);
    if (fadeBeforeSilence)
        stopSounds();
    loadTemplate(setup_.guiFolder, fileName, true);
}

void GamePage::changeCharacter(const std::wstring& nodeName) {
    if (nodeName.size() <= slotDigitPosition)
        return;
    const int slot = nodeName[slotDigitPosition] - L'0';
    const bool up = contains(nodeName, L"arrowU");
    if (slot < 0 || slot >= playerSlotCount || (!up && !contains(nodeName, L"arrowD")))
        return;
    characters_.step(slot, up);
    showCharacter(slot);
}

void GamePage::changeCourse(const std::wstring& nodeName) {
    const int step = contains(nodeName, L"CourseArrR") ? 1 : contains(nodeName, L"CourseArrL") ? -1 : 0;
    if (step == 0 || coursesMissing())
        return;
    showCourse(stepCourse(courseIndex_, step, static_cast<int>(setup_.sceneImages.size())));
}

void GamePage::takePlayerName(const std::wstring& nodeName) {
    const std::optional<int> slot = numberAfter(nodeName, L"playerName", playerSlotCount);
    auto* box = dynamic_cast<Sprite*>(findNode(nodeName));
    if (!slot || !box)
        return;
    // Separators of the launch records, best scores and saved games never enter a name.
    std::wstring name = recordSafeName(box->text).substr(0, maxPlayerNameLength);
    if (!name.empty())
        playerNames_[*slot] = std::move(name);
    box->setText(playerNames_[*slot]);
}

void GamePage::highlightSlot(const std::wstring& nodeName) {
    const std::optional<int> slot = numberAfter(nodeName, L"chkGolfBall", saveSlotCount);
    if (!slot || *slot == selectedSlot_)
        return;
    setTextColour(L"txtLoadSlot" + std::to_wstring(*slot), chosenSlotColour);
    if (selectedSlot_ >= 0)
        setTextColour(L"txtLoadSlot" + std::to_wstring(selectedSlot_), otherSlotColour);
    selectedSlot_ = *slot;
}

void GamePage::enterCourseMenu() {
    if (!characters_.hasPlayer()) {
        showMessage(*this, selectPlayerMessage, selectMessageKey, MessageButtons::Ok, nullptr, false);
        return;
    }
    goTo(L"courseMenu.properties");
    startFrames();
}

void GamePage::onKey(UINT message, int virtualKey) {
    if (message == WM_KEYDOWN && demoMode() != DemoMode::Off)
        setDemoMode(DemoMode::Off);
    Canvas::onKey(message, virtualKey);
}

void GamePage::stepDemo(float step) {
    const DemoMode mode = demoMode();
    const bool congratulating = onScreen(L"congratulations");
    const bool leaves =
        onScreen(L"cover") || onScreen(L"intro") || (mode == DemoMode::Attract && congratulating);
    if (mode == DemoMode::Off || !leaves) {
        demoClock_ = 0.0f;
        return;
    }
    demoClock_ += step;
    if (demoClock_ >= (congratulating ? demoCongratulationsSeconds : demoMenuSeconds)) {
        demoClock_ = 0.0f;
        startDemoGame();
    }
}

void GamePage::startDemoGame() {
    const GameRecord record =
        demoGameRecord(setup_.sceneImages, static_cast<int>(setup_.characterImages.size()), demoRequest());
    if (playersOf(record).empty()) {
        setDemoMode(DemoMode::Off); // no course or no golfer to play with
        return;
    }
    stopFrames();
    stopSounds();
    exits.relaunch(writeGameRecord(record));
}

void GamePage::startGame() {
    if (coursesMissing() || courseName_.empty())
        return;
    stopFrames();
    stopSounds();
    storeCourseChoice();
    exits.relaunch(writeGameRecord(startGameRecord(courseName_, characters_.selection(), playerNames_)));
}

void GamePage::loadSavedGame() {
    const int slot = storedLoadSlot();
    const bool saved =
        slot >= 0 && slot < saveSlotCount && readSlotName(setup_.resourcesFolder, slotKey(slot)).has_value();
    if (!saved) {
        showMessage(*this, selectSlotMessage, selectMessageKey, MessageButtons::Ok, nullptr, false);
        repaint();
        return;
    }
    stopFrames();
    stopSounds();
    exits.relaunch(writeSlotRecord(slot));
}

void GamePage::exitProgram() {
    stopFrames();
    fade_.run(*this, FadeDirection::Out, FadeFrames::Repaint);
    stopSounds();
    exits.quit();
}

// Nodes ----------------------------------------------------------------------------------------

void GamePage::stopActivity() {
    stopSounds();
}

void GamePage::stopSounds() {
    soundBank.stopAll();
}

void GamePage::playTitleMusic() {
    if (WaveSound* const* music = soundsByName.get(L"titleMusic"); music && *music)
        (*music)->playLooped(handle(), -1);
}

void GamePage::showNode(const wchar_t* name, bool visible) {
    if (auto* sprite = dynamic_cast<Sprite*>(findNode(name)))
        sprite->visible = visible;
}

void GamePage::setText(const std::wstring& nodeName, const std::wstring& text) {
    if (auto* sprite = dynamic_cast<Sprite*>(findNode(nodeName)))
        sprite->setText(text);
}

void GamePage::setTextColour(const std::wstring& nodeName, uint32_t colour) {
    if (auto* sprite = dynamic_cast<Sprite*>(findNode(nodeName)))
        sprite->textColor = colour;
}

void GamePage::setPicture(const std::wstring& nodeName, Texture* picture) {
    if (auto* sprite = dynamic_cast<Sprite*>(findNode(nodeName))) {
        sprite->texture = picture;
        sprite->clipX = sprite->clipY = sprite->clipW = sprite->clipH = -1;
    }
}

// The program's first page -----------------------------------------------------------------------

void makeFrontEndPage(Application& application, const LaunchChoice& choice) {
    auto* page = application.addPage(std::make_unique<GamePage>(frontEndSetupOf(application)));
    application.frontPage = page;
    if (choice.page == FirstPage::Congratulations)
        page->showCongratulations(choice.record);
    else
        page->showFirstPage(choice.page == FirstPage::Intro ? std::optional<std::wstring>(L"intro")
                                                            : std::nullopt);
}

} // namespace velmora
