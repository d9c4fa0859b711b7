#pragma once
// Playing a page's sound by the key that names it in the page's template.

#include "base/hash_map.h"
#include "media/sound_bank.h"
#include "platform/types.h"

#include <string>

namespace velmora {

// Plays soundsByName[key] once with completion to window. Mode 0 first stops every sound of the
// bank; mode 1 plays only when none of them is playing; any other mode plays alongside. A sound
// already playing is not restarted. An unknown key shows "Can not find the wave sound file".
void playSound(HWND window, const HashMap<std::wstring, WaveSound*>& soundsByName, SoundBank& bank,
               const std::wstring& key, int mode);

} // namespace velmora
