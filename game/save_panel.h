#pragma once
// The save panel ("sceneSaveGame") of the game page: eight slots, each showing its saved game's name
// with a button that opens the input pad on it; a name confirmed there saves the game into the slot
// at once. The page's frames stand still while the panel is open.

#include <string>

namespace velmora {

class GameCanvas;

inline constexpr wchar_t slotNameTitle[] = L"Input Slot Name:";
inline constexpr wchar_t gameSavedMessage[] = L"Game Saved";
inline constexpr wchar_t gameSavedKey[] = L"GAME_SAVED";
inline constexpr wchar_t gameNotSavedKey[] = L"GAME_NOT_SAVED";

// Every slot's name, or the empty-slot text, into the panel's "txtSlot0".."txtSlot7".
void fillSavePanel(GameCanvas& game);
// Opens the input pad on the slot's name, empty for an empty slot.
void openSlotPad(GameCanvas& game, int slot);
// The name the player confirmed on the pad for the slot: without the characters that would break
// the saved-game file, it names the game saved into the slot, and the player is told whether that
// worked. Without a name, or when saving failed, the slot shows its stored name again.
void saveGameInSlot(GameCanvas& game, int slot, const std::wstring& typedName);

} // namespace velmora
