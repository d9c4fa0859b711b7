#pragma once
// The sounds of one page, loaded once per file name and owned here.

#include "base/hash_map.h"
#include "media/wave_sound.h"

#include <memory>
#include <string>

namespace velmora {

class SoundBank {
public:
    // The sound of folder + file name, loaded at the first request for the name (a missing file
    // gives an empty, silent sound after its message). lastWasCached tells whether it was already
    // here.
    WaveSound* load(const std::wstring& folder, const std::wstring& fileName);
    // Stops and deletes every sound.
    void clear();
    bool anyPlaying() const;
    void stopAll();
    // Deactivation and activation of the page: playing sounds pause, paused ones go on.
    void pauseAll();
    void resumeAll();

    int count() const { return sounds_.count(); }
    WaveSound* find(const std::wstring& fileName) const;

    bool lastWasCached = false;

private:
    HashMap<std::wstring, std::unique_ptr<WaveSound>> sounds_;
};

} // namespace velmora
