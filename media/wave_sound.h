#pragma once
// A sound effect held whole in memory and played on its own wave-out voice, with completion
// reported to a window as MM_WOM_DONE. Process-wide: the sound switch and what the wave device
// can do.

#include "platform/types.h"
#include "platform/wave_out.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// Sounds play only while this is set (true at start; the settings switch it).
extern bool soundEnabled;

struct WaveDeviceInfo {
    bool available = false; // the device takes some format
    bool stereo = false;
};
// Read from the wave mapper's capabilities at the first call.
const WaveDeviceInfo& waveDeviceInfo();

enum WaveState : int32_t { waveStopped = 0, wavePaused = 1, wavePlaying = 2 };

class WaveSound {
public:
    WaveSound() = default;
    // Stops the sound: its voice never outlives its samples.
    ~WaveSound();
    WaveSound(const WaveSound&) = delete;
    WaveSound& operator=(const WaveSound&) = delete;

    // Reads the file through the resource opener; false (after the "Unable to open wave file"
    // message) when it cannot be opened or is not a wave file the player can read. The sound then
    // stays empty and silent.
    bool load(const std::wstring& path);

    // Plays once, or loops times (-1: until stopped), with completion to window. A playing sound
    // starts again from the beginning. Nothing happens without a device or with the switch off;
    // otherwise the result of opening a voice.
    MMRESULT play(HWND window) { return playLooped(window, 1); }
    MMRESULT playLooped(HWND window, int loops);
    void stop();
    void pause();
    void resume();
    bool isPlaying() const { return state == wavePlaying; }

    // The completion of this sound's header on its current voice: the voice is closed. Completions
    // of an earlier voice are ignored.
    void onDone(HWAVEOUT finished);

    WAVEHDR header{};
    WAVEFORMATEX format{};
    HWAVEOUT device = nullptr;
    std::vector<uint8_t> data;
    uint32_t length = 0;
    int32_t state = waveStopped;

private:
    void closeDevice();
};

// The handler of MM_WOM_DONE for toolkit windows (wParam the voice, lParam its header). Only a
// voice that a live WaveSound still holds is looked at, so a completion that arrives after its
// sound was stopped or deleted does nothing.
void handleWaveDone(HWND window, WPARAM wParam, LPARAM lParam);

} // namespace velmora
