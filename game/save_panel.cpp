#include "game/save_panel.h"

#include "base/wide_string.h"
#include "game/game_canvas.h"
#include "game/game_restore.h"
#include "game/names.h"
#include "game/save_slots.h"
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

} // namespace

void fillSavePanel(GameCanvas& game) {
    for (int slot = 0; slot < saveSlotCount; ++slot) {
        if (Sprite* text = slotText(game, slot))
            text->setText(storedSlotName(game, slot));
    }
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

} // namespace velmora
