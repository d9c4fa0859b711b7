#include "game/save_panel.h"

#include "base/wide_string.h"
#include "game/game_canvas.h"
#include "game/game_restore.h"
#include "game/names.h"
#include "game/save_slots.h"
#include "game/scorecard.h"
#include "gui/input_pad.h"
#include "gui/message_box.h"

#include <string_view>

namespace velmora {

namespace {

constexpr std::wstring_view emptySlotMark = L"<EMPTY SLOT>";

Sprite* slotText(GameCanvas& game, int slot) {
    if (!game.sceneSaveGame || slot < 0 || slot >= saveSlotCount)
        return nullptr;
    return dynamic_cast<Sprite*>(game.sceneSaveGame->find(formatWide(L"txtSlot%d", slot)));
}

std::wstring storedSlotName(const GameCanvas& game, int slot) {
    return readSlotName(game.resourcesFolder(), slotKey(slot)).value_or(emptySlotText);
}

// The slot number after a command's prefix ("btnSaveSlot3" gives 3); -1 without one.
int slotAfter(const std::wstring& name, size_t prefixEnd) {
    const std::wstring_view digits = std::wstring_view(name).substr(prefixEnd);
    if (digits.empty() || digits.front() < L'0' || digits.front() > L'9')
        return -1;
    const int32_t slot = parseLong(digits);
    return slot < saveSlotCount ? slot : -1;
}

void hideSysMenu(GameCanvas& game) {
    if (game.sceneSysMenu)
        game.sceneSysMenu->visible = false;
}

} // namespace

void fillSavePanel(GameCanvas& game) {
    for (int slot = 0; slot < saveSlotCount; ++slot) {
        if (Sprite* text = slotText(game, slot))
            text->setText(storedSlotName(game, slot));
    }
}

void openSavePanel(GameCanvas& game) {
    hideSysMenu(game);
    game.stopFrames();
    if (game.sceneSaveGame)
        game.sceneSaveGame->visible = true;
    game.repaint();
}

void openSlotPad(GameCanvas& game, int slot) {
    Sprite* text = slotText(game, slot);
    InputPad* pad = game.inputPad();
    if (!text || !pad)
        return;
    const std::wstring shown = text->text.starts_with(emptySlotMark) ? L"" : text->text;
    pad->openPad(text, shown, slotNameTitle, maxSlotNameLength, false);
}

void saveGameInSlot(GameCanvas& game, int slot, const std::wstring& typedName) {
    Sprite* text = slotText(game, slot);
    if (!text)
        return;
    // The pad offers characters that would split the file's lines: they never get in.
    const std::wstring name = recordSafeName(typedName).substr(0, maxSlotNameLength);
    if (name.empty()) {
        text->setText(storedSlotName(game, slot));
        game.repaint();
        return;
    }
    const std::optional<std::wstring> failure =
        saveGame(game.resourcesFolder(), slotKey(slot), captureGame(game, name));
    if (failure) {
        text->setText(storedSlotName(game, slot));
        showMessage(game, L"Game not saved: " + *failure, gameNotSavedKey, MessageButtons::Ok, nullptr,
                    false);
    } else {
        text->setText(name);
        showMessage(game, gameSavedMessage, gameSavedKey, MessageButtons::Ok, nullptr, false);
    }
    game.repaint();
}

void closeSavePanel(GameCanvas& game) {
    game.startFrames();
    hideSysMenu(game);
    if (game.sceneSaveGame)
        game.sceneSaveGame->visible = false;
}

bool runCardOrSaveCommand(GameCanvas& game, const std::wstring& name, bool accepted) {
    auto has = [&](std::wstring_view part) { return name.find(part) != std::wstring::npos; };
    if (has(L"btnSaveGame")) {
        openSavePanel(game);
    } else if (has(L"btnOpenScoreCard")) {
        showScorecard(game, game.currentPlayer);
    } else if (has(L"btnCloseScoreCard")) {
        hideScorecard(game);
    } else if (has(L"btnNextCard")) {
        showScorecard(game, game.cardPlayer + 1);
    } else if (has(L"btnPreviousCard")) {
        showScorecard(game, game.cardPlayer - 1);
    } else if (const size_t button = name.find(L"btnSaveSlot"); button != std::wstring::npos) {
        openSlotPad(game, slotAfter(name, button + std::wstring_view(L"btnSaveSlot").size()));
    } else if (const size_t text = name.find(L"txtSlot"); text != std::wstring::npos) {
        const int slot = slotAfter(name, text + std::wstring_view(L"txtSlot").size());
        if (const Sprite* typed = slotText(game, slot); typed && accepted)
            saveGameInSlot(game, slot, typed->text);
    } else if (has(L"btnSaveOK")) {
        closeSavePanel(game);
    } else {
        return false;
    }
    return true;
}

} // namespace velmora
