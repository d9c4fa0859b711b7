// The scorecard and the save panel as the system menu opens and closes them. What they show and
// what saving writes belong to the scorecard (scorecard.h), the save panel (save_panel.h) and the
// best scores (best_scores.h).
#include "game/game_canvas.h"

#include "game/best_scores.h"
#include "game/save_panel.h"
#include "game/scorecard.h"

namespace velmora {

void GameCanvas::openScorecard() {
    showScorecard(*this, currentPlayer);
}

void GameCanvas::closeScorecard() {
    hideScorecard(*this);
}

void GameCanvas::showOtherCard(int step) {
    showScorecard(*this, cardPlayer + step);
}

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
    openSlotPad(*this, slot);
}

void GameCanvas::saveIntoSlot(int slot, const std::wstring& name) {
    saveGameInSlot(*this, slot, name);
}

void GameCanvas::updateBestScores() {
    recordBestScores(*this);
}

} // namespace velmora
