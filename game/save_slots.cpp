#include "game/save_slots.h"

#include "gui/property_template.h"
#include "platform/game_folders.h"

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

} // namespace velmora
