#include "media/play_sound.h"

#include "base/wide_string.h"
#include "platform/message_box.h"

namespace velmora {

void playSound(HWND window, const HashMap<std::wstring, WaveSound*>& soundsByName, SoundBank& bank,
               const std::wstring& key, int mode) {
    WaveSound* const* found = soundsByName.get(key);
    if (!found) {
        MessageBoxW(window, formatWide(L"Can not find the wave sound file: %ls.", key.c_str()).c_str(),
                    L"Error", MB_OK | MB_ICONSTOP);
        return;
    }
    if (mode == 0)
        bank.stopAll();
    else if (mode == 1 && bank.anyPlaying())
        return;
    WaveSound* sound = *found;
    if (sound->isPlaying())
        return;
    sound->play(window);
}

} // namespace velmora
