// The scorecard and the save panel as the system menu opens and closes them. What they show and
// what saving writes belong to the scorecard and the saved games.
#include "game/game_canvas.h"

#include "base/wide_string.h"
#include "game/save_slots.h"
#include "gui/input_pad.h"

namespace velmora {

namespace {
constexpr int maxSlotName = 15;
} // namespace

void GameCanvas::openScorecard() {
    if (sceneScorecard)
        sceneScorecard->visible = true;
    showMinimap = false;
}

void GameCanvas::closeScorecard() {
    if (sceneScorecard)
        sceneScorecard->visible = false;
    showMinimap = true;
}

// The cards of the other players come with the scorecard's contents.
void GameCanvas::showOtherCard(int) {}

void GameCanvas::openSavePanel() {
    stopFrames();
    if (sceneSaveGame)
        sceneSaveGame->visible = true;
    repaint();
}

void GameCanvas::closeSavePanel() {
    if (sceneSysMenu)
        sceneSysMenu->visible = false;
    if (sceneSaveGame)
        sceneSaveGame->visible = false;
    startFrames();
}

void GameCanvas::askSlotName(int slot) {
    auto* text = dynamic_cast<Sprite*>(findNode(formatWide(L"txtSlot%d", slot)));
    InputPad* pad = inputPad();
    if (!text || !pad)
        return;
    const std::wstring_view emptyMark = std::wstring_view(emptySlotText).substr(0, 12);
    const std::wstring preset = text->text.compare(0, emptyMark.size(), emptyMark) == 0 ? L"" : text->text;
    pad->openPad(text, preset, L"Input Slot Name:", maxSlotName, false);
}

// Writing the game into the slot comes with the saved games.
void GameCanvas::saveIntoSlot(int, const std::wstring&) {}

// The best totals are written with the scorecard.
void GameCanvas::updateBestScores() {}

} // namespace velmora
