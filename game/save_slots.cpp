#include "game/save_slots.h"

#include "gui/property_template.h"
#include "platform/game_folders.h"

#include <algorithm>

namespace velmora {

std::wstring slotKey(int slot) {
    return L"slot" + std::to_wstring(slot);
}

std::optional<std::wstring> readSlotName(std::wstring_view resourcesFolder, const std::wstring& slotKey) {
    PropertyTemplate file;
    if (!file.load(guiFileFolder(savedGamesFile, std::wstring(resourcesFolder) + L"GUI\\"), savedGamesFile))
        return std::nullopt;
    std::optional<std::wstring> name = file.getString(slotKey, L"slotName");
    if (!name || name->empty())
        return std::nullopt;
    return name;
}

std::optional<SlotStart> readSlotStart(std::wstring_view resourcesFolder, const std::wstring& slotKey) {
    PropertyTemplate file;
    if (!file.load(guiFileFolder(savedGamesFile, std::wstring(resourcesFolder) + L"GUI\\"), savedGamesFile))
        return std::nullopt;
    return slotStartOf(file, slotKey);
}

std::optional<SlotStart> slotStartOf(PropertyTemplate& file, const std::wstring& slotKey) {
    std::optional<std::wstring> course = file.getString(slotKey, L"courseName");
    if (!course || course->empty())
        return std::nullopt;
    SlotStart start{*course, {}};
    const int count = std::clamp(file.getInt(slotKey, L"numberOfActivePlayers", 0), 0, playerSlotCount);
    for (int i = 0; i < count; ++i) {
        const std::wstring line = slotKey + L"_" + std::to_wstring(i);
        PlayerSlot player;
        player.name = file.getString(line, L"PlayerName").value_or(L"");
        player.character = file.getInt(line, L"characterNo", 0);
        start.players.push_back(std::move(player));
    }
    return start;
}

} // namespace velmora
