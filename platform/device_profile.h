#pragma once
// The handheld that the platform layer plays, as far as a display writer asks about it: the maker
// string, the system's version, whether the display is a DRAM buffer, and the display panel (its
// size in pixels and how its memory runs). Read once from the environment (see the README:
// VELMORA_OEM_INFO, VELMORA_OS_VERSION, VELMORA_DRAM_BUFFER, VELMORA_PANEL, VELMORA_FRAMEBUFFER);
// tests describe other handhelds with setDeviceProfile.

#include "platform/types.h"

#include <cstdint>
#include <string>

namespace velmora {

// How the panel's memory runs: along the screen's rows from its top-left corner, down its columns
// from the top-right corner (x steps back one column), or up its columns from the bottom-left
// corner (y steps back one pixel).
enum class PanelMemory { Rows, ColumnsFromRight, ColumnsFromLeft };

struct DeviceProfile {
    std::wstring oemInfo = L"Velmora Linux desktop";
    DWORD osMajorVersion = 5;
    DWORD osMinorVersion = 1;
    bool dramBuffer = false;
    SIZE panel{0, 0}; // the display panel; 0 x 0 is the screen's size
    PanelMemory memory = PanelMemory::Rows;
    bool answersRawQuery = true; // the display answers the raw-framebuffer escape
};

// The handheld family whose panel is known by a fixed address: 240 x 320 pixels, memory running
// down the screen's columns from the right, pixel (0, 0) at that address. Its game interface reports a
// portrait layout that does not match the memory.
bool isFixedPanelFamily(const std::wstring& oemInfo);
inline constexpr SIZE fixedPanelSize{240, 320};
inline constexpr uintptr_t fixedPanelAddress = 0xAC0755A0;

const DeviceProfile& deviceProfile();
// Replaces the profile; the emulated display closes and its panel is built anew (platform/gx.h).
void setDeviceProfile(const DeviceProfile& profile);
// Counts the replacements, so that the display can tell when to rebuild its panel.
unsigned deviceProfileRevision();

// The profile the environment describes; a malformed value is reported on standard error and
// leaves its default.
DeviceProfile deviceProfileFromEnvironment();

} // namespace velmora
