#include "media/wave_sound.h"

#include "base/wide_string.h"
#include "media/resource_file.h"
#include "media/wave_file.h"
#include "platform/files.h"
#include "platform/message_box.h"

#include <limits>
#include <unordered_map>

namespace velmora {

bool soundEnabled = true;

namespace {

// The sound behind every open voice. A completion is matched against this before its header is
// believed, because it may arrive after the sound stopped, started again or was deleted.
std::unordered_map<HWAVEOUT, WaveSound*>& openVoices() {
    static std::unordered_map<HWAVEOUT, WaveSound*> voices;
    return voices;
}

void reportUnreadable(const std::wstring& path) {
    MessageBoxW(nullptr, formatWide(L"Unable to open wave file: \"%ls\".", displayPath(path).c_str()).c_str(),
                L"File I/O Error", MB_OK);
}

} // namespace

const WaveDeviceInfo& waveDeviceInfo() {
    static const WaveDeviceInfo info = [] {
        WaveDeviceInfo result;
        WAVEOUTCAPSW caps;
        if (waveOutGetDevCaps(WAVE_MAPPER, &caps, sizeof caps) == MMSYSERR_NOERROR) {
            result.available = caps.dwFormats != 0;
            result.stereo = caps.wChannels == 2;
        }
        return result;
    }();
    return info;
}

WaveSound::~WaveSound() {
    closeDevice();
}

bool WaveSound::load(const std::wstring& path) {
    std::wstring collapsed = path;
    collapseDotDot(collapsed);
    const auto bytes = readResourceFile(collapsed);
    const auto layout = bytes ? readWaveLayout(*bytes) : std::nullopt;
    if (!layout || layout->dataSize > std::numeric_limits<uint32_t>::max()) {
        reportUnreadable(collapsed);
        return false;
    }
    format = layout->format;
    const auto first = bytes->begin() + std::ptrdiff_t(layout->dataOffset);
    data.assign(first, first + std::ptrdiff_t(layout->dataSize));
    length = static_cast<uint32_t>(data.size());
    return true;
}

MMRESULT WaveSound::playLooped(HWND window, int loops) {
    if (!waveDeviceInfo().available || !soundEnabled)
        return MMSYSERR_NOERROR;
    // A paused sound holds its voice too: it starts again on a new one.
    closeDevice();
    if (data.empty())
        return MMSYSERR_NOERROR;
    MMRESULT result = MMSYSERR_NODRIVER;
    const UINT devices = waveOutGetNumDevs();
    for (UINT id = 0; id < devices; ++id) {
        result = waveOutOpen(&device, id, &format, reinterpret_cast<uintptr_t>(window),
                             reinterpret_cast<uintptr_t>(this), CALLBACK_WINDOW);
        if (result == MMSYSERR_NOERROR)
            break;
        device = nullptr;
    }
    if (!device)
        return result;
    openVoices()[device] = this;
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<char*>(data.data());
    header.dwBufferLength = length;
    header.dwUser = reinterpret_cast<uintptr_t>(this);
    header.dwFlags = loops == 1 ? 0 : WHDR_BEGINLOOP | WHDR_ENDLOOP;
    header.dwLoops = loops == 1 ? 0 : static_cast<DWORD>(loops);
    result = waveOutPrepareHeader(device, &header, sizeof header);
    if (result == MMSYSERR_NOERROR)
        result = waveOutWrite(device, &header, sizeof header);
    if (result != MMSYSERR_NOERROR) {
        closeDevice();
        return result;
    }
    state = wavePlaying;
    return MMSYSERR_NOERROR;
}

// Stopping does not ask the sound switch: a sound started before the switch went off must
// still be stoppable.
void WaveSound::stop() {
    closeDevice();
}

void WaveSound::pause() {
    if (state != wavePlaying)
        return;
    waveOutPause(device);
    state = wavePaused;
}

void WaveSound::resume() {
    if (state != wavePaused)
        return;
    waveOutRestart(device);
    state = wavePlaying;
}

void WaveSound::onDone(HWAVEOUT finished) {
    if (finished == device && state != waveStopped)
        closeDevice();
}

void WaveSound::closeDevice() {
    state = waveStopped;
    if (!device)
        return;
    waveOutReset(device);
    waveOutUnprepareHeader(device, &header, sizeof header);
    waveOutClose(device);
    openVoices().erase(device);
    device = nullptr;
}

void handleWaveDone(HWND, WPARAM wParam, LPARAM lParam) {
    const auto finished = reinterpret_cast<HWAVEOUT>(wParam);
    const auto found = openVoices().find(finished);
    if (found == openVoices().end())
        return;
    WaveSound* sound = found->second;
    if (reinterpret_cast<const WAVEHDR*>(lParam) == &sound->header)
        sound->onDone(finished);
}

} // namespace velmora
