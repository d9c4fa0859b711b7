#pragma once
// The eight saved-game slots of "saveGame.properties" among the player's files, as far as the load page
// and the save panel show them: each slot's key and the name the player gave it (game/save_game.h
// reads and writes the games themselves).

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int saveSlotCount = 8;
inline constexpr wchar_t savedGamesFile[] = L"saveGame.properties";
// What a slot without a saved game shows: twelve characters and eight blanks.
inline constexpr wchar_t emptySlotText[] = L"<EMPTY SLOT>        ";

// "slot3": the key of the slot's line in the file, and the slot record of a launch.
std::wstring slotKey(int slot);

// The "slotName" item of the slot's line in the player's "saveGame.properties", or in the shipped
// resourcesFolder + "GUI\" copy when the player has none (platform/game_folders.h); none when the
// file, the line or the name is missing or the name is empty.
std::optional<std::wstring> readSlotName(std::wstring_view resourcesFolder, const std::wstring& slotKey);

} // namespace velmora
