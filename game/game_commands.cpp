// The page's mouse listener: aiming by dragging over the view, the gauge under the stylus, the
// menus closed by a tap beside them, and the commands of the buttons and the message box.
#include "game/game_canvas.h"

#include "game/club_selection.h"
#include "gui/input_pad.h"
#include "gui/message_box.h"
#include "gui/open_document.h"
#include "platform/game_folders.h"
#include "platform/messages.h"

#include <cwctype>
#include <span>

namespace velmora {

namespace {

bool contains(const std::wstring& text, const wchar_t* part) {
    return text.find(part) != std::wstring::npos;
}

// The number after prefix in name ("btnSaveSlot3" gives 3), or -1.
int numberAfter(const std::wstring& name, const wchar_t* prefix) {
    const size_t at = name.find(prefix);
    if (at == std::wstring::npos)
        return -1;
    const size_t digit = at + std::wstring_view(prefix).size();
    if (digit >= name.size() || !std::iswdigit(name[digit]))
        return -1;
    return name[digit] - L'0';
}

void toggle(Scene* scene) {
    if (scene)
        scene->visible = !scene->visible;
}

struct ButtonValue {
    const wchar_t* name;
    int value;
};
constexpr ButtonValue swingButtons[] = {{L"btnStrokePunch", SwingPunch},
                                        {L"btnStrokeFlop", SwingFlop},
                                        {L"btnStrokeChip", SwingChip},
                                        {L"btnStrokePutt", SwingPutt}};
constexpr ButtonValue clubButtons[] = {
    {L"btnClubPutter", ClubPutter}, {L"btnClubWedge", ClubWedge}, {L"btnClubIron", ClubIron}};

// The value of the button of that name; any other button of the menu stands for the first (0):
// the Full swing, the Wood.
int valueOfButton(const std::wstring& name, std::span<const ButtonValue> buttons) {
    for (const ButtonValue& button : buttons) {
        if (name == button.name)
            return button.value;
    }
    return 0;
}

bool strictlyInside(const Sprite& sprite, const Scene* scene, int x, int y) {
    const int left = sprite.x + (scene ? scene->x : 0);
    const int top = sprite.y + (scene ? scene->y : 0);
    return x > left && x < left + sprite.drawWidth() && y > top && y < top + sprite.drawHeight();
}

} // namespace

bool GameCanvas::popUpShown() const {
    return isShown(sceneSysMenu) || isShown(sceneStrokeMenu) || isShown(sceneClubMenu) ||
           isShown(sceneScorecard) || isShown(sceneSaveGame);
}

void GameCanvas::hideMenus() {
    for (Scene* menu : {sceneSysMenu, sceneStrokeMenu, sceneClubMenu}) {
        if (menu)
            menu->visible = false;
    }
}

void GameCanvas::onCommand(Window*, UINT message, WPARAM keyState, int x, int y) {
    if (!gameLoaded)
        return;
    if (message == WM_MOUSEMOVE && (keyState & MK_LBUTTON)) {
        const int rulerTop = gaugeRuler ? gaugeRuler->y + (sceneGUI ? sceneGUI->y : 0) : pageHeight();
        if (y < rulerTop && !isShown(sceneScorecard) && !isShown(sceneSaveGame) && gaugeReady() &&
            !isMessageOpen(*this))
            aimByStylus(x);
    } else if (message == WM_LBUTTONDOWN) {
        pressX_ = x;
        endCheckTarget();
    }
    const Sprite* node = pressedNode();
    const bool onRuler = gaugeRuler && !isShown(sceneSysMenu) && strictlyInside(*gaugeRuler, sceneGUI, x, y);
    if (!node && !onRuler) {
        if (isShown(sceneSysMenu))
            sceneSysMenu->visible = false;
        else if (isShown(sceneStrokeMenu))
            sceneStrokeMenu->visible = false;
        else if (isShown(sceneClubMenu))
            sceneClubMenu->visible = false;
    }
    if (message == WM_LBUTTONDOWN && onRuler && !node && !isMessageOpen(*this)) {
        pressGauge();
        return;
    }
    if (message != WM_LBUTTONUP)
        return;
    // Any release ends a charge, also one lifted beside the ruler.
    releaseGauge();
    if (!node)
        return;
    // A copy: a command may reload nodes.
    const std::wstring name = node->name;
    if (isMessageOpen(*this)) {
        answerMessage(name);
    } else if (const int slot = numberAfter(name, L"txtSlot"); slot >= 0) {
        // The input pad closed over the slot's text (key state 1: confirmed); a name saves.
        if (const InputPad* pad = inputPad(); pad && keyState == 1 && !pad->text().empty())
            saveIntoSlot(slot, pad->text());
    } else {
        runCommand(name);
    }
}

void GameCanvas::runCommand(const std::wstring& name) {
    if (name == L"fpsButton") {
        showFps = !showFps;
    } else if (name == L"btnSysMenu") {
        toggle(sceneSysMenu);
    } else if (name == L"btnStrokeMenu") {
        toggle(sceneStrokeMenu);
    } else if (name == L"btnClubMenu") {
        toggle(sceneClubMenu);
    } else if (contains(name, L"btnHelp")) {
        openDocument(manualFolder(), L"index.htm");
    } else if (contains(name, L"btnExitGame")) {
        hideMenus();
        askToQuit();
    } else if (contains(name, L"btnScorecard")) {
        hideMenus();
    } else if (contains(name, L"btnAutoAim")) {
        autoAim();
    } else if (contains(name, L"btnCheckTarget")) {
        hideMenus();
        if (checkingTarget)
            endCheckTarget();
        else
            startCheckTarget();
    } else if (contains(name, L"btnMulligan")) {
        hideMenus();
        takeMulligan();
    } else if (contains(name, L"btnSaveGame")) {
        hideMenus();
        openSavePanel();
    } else if (contains(name, L"btnStroke")) {
        if (sceneStrokeMenu)
            sceneStrokeMenu->visible = false;
        selectSwingFor(activePlayer(), valueOfButton(name, swingButtons));
    } else if (contains(name, L"btnClub")) {
        if (sceneClubMenu)
            sceneClubMenu->visible = false;
        selectClubFor(activePlayer(), valueOfButton(name, clubButtons));
    } else if (contains(name, L"btnOpenScoreCard")) {
        openScorecard();
    } else if (contains(name, L"btnCloseScoreCard")) {
        closeScorecard();
    } else if (contains(name, L"btnNextCard")) {
        showOtherCard(1);
    } else if (contains(name, L"btnPreviousCard")) {
        showOtherCard(-1);
    } else if (const int slot = numberAfter(name, L"btnSaveSlot"); slot >= 0) {
        askSlotName(slot);
    } else if (contains(name, L"btnSaveOK")) {
        closeSavePanel();
    }
}

void GameCanvas::answerMessage(const std::wstring& button) {
    const std::wstring key = messageKey(*this).value_or(L"");
    hideMessage(*this, false);
    messageShown = false;
    if (contains(button, okButton))
        messageAcknowledged(key, okButton);
    else if (contains(button, yesButton))
        messageAcknowledged(key, yesButton);
    else if (contains(button, noButton))
        messageAcknowledged(key, noButton);
}

} // namespace velmora
