#include "media/sound_bank.h"

namespace velmora {

WaveSound* SoundBank::load(const std::wstring& folder, const std::wstring& fileName) {
    if (const auto* found = sounds_.get(fileName)) {
        lastWasCached = true;
        return found->get();
    }
    lastWasCached = false;
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    path += fileName;
    auto sound = std::make_unique<WaveSound>();
    sound->load(path);
    WaveSound* result = sound.get();
    sounds_.put(fileName, std::move(sound));
    return result;
}

WaveSound* SoundBank::find(const std::wstring& fileName) const {
    const auto* found = sounds_.get(fileName);
    return found ? found->get() : nullptr;
}

void SoundBank::clear() {
    sounds_.clear();
}

bool SoundBank::anyPlaying() const {
    for (const std::wstring* name : sounds_.keys()) {
        if (find(*name)->isPlaying())
            return true;
    }
    return false;
}

void SoundBank::stopAll() {
    for (const std::wstring* name : sounds_.keys())
        find(*name)->stop();
}

void SoundBank::pauseAll() {
    for (const std::wstring* name : sounds_.keys())
        find(*name)->pause();
}

void SoundBank::resumeAll() {
    for (const std::wstring* name : sounds_.keys())
        find(*name)->resume();
}

} // namespace velmora
