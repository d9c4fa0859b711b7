#include "platform/wave_out.h"

#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/sound_library_messages.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

namespace velmora {

namespace {

// Positions and steps of a voice: source frames with 16 fractional bits.
using Fixed16 = uint64_t;
constexpr int fractionBits = 16;
constexpr DWORD endlessLoops = 0xFFFFFFFFu;
constexpr DWORD loopFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
// A silent mixer catches up at most this much after the clock jumped (a swapped clock in tests,
// a long stall): enough to finish any sound the game plays, little enough to stay quick.
constexpr uint32_t longestSilentCatchUp = 60000;
constexpr DWORD callbackKinds = 0x00070000;

struct Voice {
    WAVEFORMATEX format;
    HWND window = nullptr;
    bool paused = false;
    std::deque<WAVEHDR*> queue;
    Fixed16 position = 0; // in the front header
    Fixed16 step = 0;     // per output frame
    DWORD loopsLeft = 0;  // further plays of the front header (endlessLoops: until reset)
};

struct Completion {
    uintptr_t handle;
    HWND window;
    WAVEHDR* header;
};

struct Mixer {
    // The device's callback thread mixes under this lock; every call of the program takes it too.
    // SDL calls that wait for the callback (opening, pausing, closing the device) are made without it.
    std::mutex lock;
    std::map<uintptr_t, Voice> voices;
    uintptr_t nextHandle = 1; // never reused, so a stale handle is recognised
    std::vector<Completion> completed;
    std::vector<int32_t> accumulator;
    WaveOutputMode mode = WaveOutputMode::Device;
    WaveOutputFormat format;
    bool started = false;
    SDL_AudioDeviceID device = 0;
    bool silent = false;
    uint32_t silentTicks = 0;     // the clock when the silent mixer last advanced
    uint64_t silentRemainder = 0; // milliseconds x rate not yet a whole frame
};

Mixer& mixer() {
    static Mixer instance;
    return instance;
}

uintptr_t handleId(HWAVEOUT handle) {
    return reinterpret_cast<uintptr_t>(handle);
}

Voice* findVoice(Mixer& m, HWAVEOUT handle) {
    const auto found = m.voices.find(handleId(handle));
    return found == m.voices.end() ? nullptr : &found->second;
}

bool isPlayableFormat(const WAVEFORMATEX& f) {
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.nChannels == 1 || f.nChannels == 2) &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) && f.nSamplesPerSec >= 1000 &&
           f.nSamplesPerSec <= 192000 && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

bool loops(const WAVEHDR& header) {
    return (header.dwFlags & loopFlags) == loopFlags;
}

// The header at the front of the queue starts from its beginning.
void startFront(Voice& voice) {
    voice.position = 0;
    voice.loopsLeft = 0;
    if (voice.queue.empty())
        return;
    const WAVEHDR& header = *voice.queue.front();
    if (loops(header))
        voice.loopsLeft =
            header.dwLoops == endlessLoops ? endlessLoops : std::max<DWORD>(header.dwLoops, 1) - 1;
}

void finishFront(Mixer& m, uintptr_t handle, Voice& voice) {
    WAVEHDR* header = voice.queue.front();
    voice.queue.pop_front();
    header->dwFlags = (header->dwFlags & ~static_cast<DWORD>(WHDR_INQUEUE)) | WHDR_DONE;
    m.completed.push_back({handle, voice.window, header});
    startFront(voice);
}

// One channel of one source frame as a signed 16-bit value.
int sampleAt(const WAVEHDR& header, const WAVEFORMATEX& format, uint64_t frame, int channel) {
    const auto* p = reinterpret_cast<const uint8_t*>(header.lpData) + frame * format.nBlockAlign;
    if (format.wBitsPerSample == 8)
        return (int(p[channel]) - 128) * 256;
    return int16_t(uint16_t(p[2 * channel] | (p[2 * channel + 1] << 8)));
}

// Adds the voice's next frames to the accumulator (interleaved, outChannels wide), linearly
// interpolated between source frames; a looping header interpolates across its join.
void renderVoice(Mixer& m, uintptr_t handle, Voice& voice, int32_t* accumulator, size_t frames,
                 int outChannels) {
    const WAVEFORMATEX& format = voice.format;
    size_t done = 0;
    while (done < frames && !voice.queue.empty()) {
        const WAVEHDR& header = *voice.queue.front();
        const uint64_t count = header.lpData ? header.dwBufferLength / format.nBlockAlign : 0;
        const Fixed16 end = count << fractionBits;
        if (voice.position >= end) {
            if (count > 0 && voice.loopsLeft > 0) {
                if (voice.loopsLeft != endlessLoops)
                    --voice.loopsLeft;
                voice.position -= end;
            } else {
                finishFront(m, handle, voice);
            }
            continue;
        }
        const bool wraps = voice.loopsLeft > 0;
        for (; done < frames && voice.position < end; ++done, voice.position += voice.step) {
            const uint64_t frame = voice.position >> fractionBits;
            const int64_t fraction = int64_t(voice.position & ((Fixed16(1) << fractionBits) - 1));
            const uint64_t next = frame + 1 < count ? frame + 1 : (wraps ? 0 : frame);
            int value[2] = {0, 0};
            for (int c = 0; c < format.nChannels; ++c) {
                const int a = sampleAt(header, format, frame, c);
                const int b = sampleAt(header, format, next, c);
                value[c] = a + int((int64_t(b - a) * fraction) >> fractionBits);
            }
            int32_t* out = accumulator + done * size_t(outChannels);
            if (outChannels == 1) {
                out[0] += format.nChannels == 2 ? (value[0] + value[1]) / 2 : value[0];
            } else {
                out[0] += value[0];
                out[1] += format.nChannels == 2 ? value[1] : value[0];
            }
        }
    }
}

// Mixes the next frames of every running voice into out (null: advance silently).
void mix(Mixer& m, int16_t* out, size_t frames) {
    const int channels = m.format.channels;
    m.accumulator.assign(frames * size_t(channels), 0);
    for (auto& [handle, voice] : m.voices) {
        if (!voice.paused)
            renderVoice(m, handle, voice, m.accumulator.data(), frames, channels);
    }
    if (!out)
        return;
    for (size_t i = 0; i < m.accumulator.size(); ++i)
        out[i] = int16_t(std::clamp<int32_t>(m.accumulator[i], -32768, 32767));
}

void SDLCALL deviceCallback(void*, Uint8* stream, int length) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    mix(m, reinterpret_cast<int16_t*>(stream),
        size_t(length) / (sizeof(int16_t) * size_t(m.format.channels)));
}

void closeDevice(Mixer& m) {
    const SDL_AudioDeviceID device = m.device;
    m.device = 0;
    if (device)
        SDL_CloseAudioDevice(device);
}

void closeDeviceAtExit() {
    closeDevice(mixer());
}

bool openDevice(Mixer& m) {
    silenceSoundLibraryMessages();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "velmora: no sound, the game plays silently (%s)\n", SDL_GetError());
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = m.format.rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(m.format.channels);
    wanted.samples = 1024; // a power of two: the callback then keeps time
    wanted.callback = deviceCallback;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        std::fprintf(stderr, "velmora: no sound device, the game plays silently (%s)\n", SDL_GetError());
        return false;
    }
    {
        std::lock_guard guard(m.lock);
        m.format.rate = obtained.freq;
        m.device = device;
    }
    static const bool closesAtExit = std::atexit(closeDeviceAtExit) == 0;
    (void)closesAtExit;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

// The output starts with the first voice: the sound card, or else the silent clock.
void startOutput(Mixer& m) {
    if (m.started)
        return;
    m.started = true;
    if (m.mode == WaveOutputMode::Device && openDevice(m))
        return;
    if (m.mode == WaveOutputMode::Pulled)
        return;
    std::lock_guard guard(m.lock);
    m.silent = true;
    m.silentTicks = GetTickCount();
    m.silentRemainder = 0;
}

void advanceSilently(Mixer& m) {
    const uint32_t now = GetTickCount();
    const uint32_t elapsed = std::min(now - m.silentTicks, longestSilentCatchUp);
    m.silentTicks = now;
    const uint64_t total = uint64_t(elapsed) * uint64_t(m.format.rate) + m.silentRemainder;
    m.silentRemainder = total % 1000;
    mix(m, nullptr, size_t(total / 1000));
}

Voice* checkedVoice(Mixer& m, HWAVEOUT handle, MMRESULT& result) {
    Voice* voice = findVoice(m, handle);
    result = voice ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
    return voice;
}

// The voice of an open handle given a whole header, or none with the error in result.
Voice* checkedHeader(Mixer& m, HWAVEOUT handle, const WAVEHDR* header, UINT size, MMRESULT& result) {
    Voice* voice = checkedVoice(m, handle, result);
    if (voice && (!header || size < sizeof(WAVEHDR))) {
        result = MMSYSERR_INVALPARAM;
        return nullptr;
    }
    return voice;
}

} // namespace

UINT waveOutGetNumDevs() {
    return 1;
}

MMRESULT waveOutGetDevCaps(UINT deviceId, WAVEOUTCAPSW* caps, UINT size) {
    if (deviceId != 0 && deviceId != WAVE_MAPPER)
        return MMSYSERR_BADDEVICEID;
    if (!caps || size < sizeof(WAVEOUTCAPSW))
        return MMSYSERR_INVALPARAM;
    *caps = WAVEOUTCAPSW{};
    const wchar_t name[] = L"Velmora mixer";
    std::copy(std::begin(name), std::end(name), caps->szPname);
    caps->vDriverVersion = 0x0100;
    caps->dwFormats = 0xFFF; // every rate, channel count and sample size of the mask
    caps->wChannels = 2;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutOpen(HWAVEOUT* handle, UINT deviceId, const WAVEFORMATEX* format, uintptr_t callback,
                     uintptr_t, DWORD flags) {
    if (deviceId != 0 && deviceId != WAVE_MAPPER)
        return MMSYSERR_BADDEVICEID;
    if (!format || !isPlayableFormat(*format))
        return WAVERR_BADFORMAT;
    if (flags & WAVE_FORMAT_QUERY)
        return MMSYSERR_NOERROR;
    const DWORD kind = flags & callbackKinds;
    if (kind != CALLBACK_NULL && kind != CALLBACK_WINDOW)
        return MMSYSERR_INVALFLAG;
    if (!handle)
        return MMSYSERR_INVALPARAM;
    Mixer& m = mixer();
    startOutput(m);
    std::lock_guard guard(m.lock);
    Voice voice;
    voice.format = *format;
    voice.format.cbSize = 0;
    voice.window = kind == CALLBACK_WINDOW ? reinterpret_cast<HWND>(callback) : nullptr;
    voice.step = (Fixed16(format->nSamplesPerSec) << fractionBits) / Fixed16(m.format.rate);
    const uintptr_t id = m.nextHandle++;
    m.voices.emplace(id, std::move(voice));
    *handle = reinterpret_cast<HWAVEOUT>(id);
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutClose(HWAVEOUT handle) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    MMRESULT result;
    Voice* voice = checkedVoice(m, handle, result);
    if (!voice)
        return result;
    if (!voice->queue.empty())
        return WAVERR_STILLPLAYING;
    // Completions not yet posted would name a handle that no longer exists.
    std::erase_if(m.completed, [&](const Completion& c) { return c.handle == handleId(handle); });
    m.voices.erase(handleId(handle));
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutPrepareHeader(HWAVEOUT handle, WAVEHDR* header, UINT size) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    MMRESULT result;
    if (!checkedHeader(m, handle, header, size, result))
        return result;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutUnprepareHeader(HWAVEOUT handle, WAVEHDR* header, UINT size) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    MMRESULT result;
    if (!checkedHeader(m, handle, header, size, result))
        return result;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags &= ~static_cast<DWORD>(WHDR_PREPARED);
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutWrite(HWAVEOUT handle, WAVEHDR* header, UINT size) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    MMRESULT result;
    Voice* voice = checkedHeader(m, handle, header, size, result);
    if (!voice)
        return result;
    if (!(header->dwFlags & WHDR_PREPARED))
        return WAVERR_UNPREPARED;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags = (header->dwFlags & ~static_cast<DWORD>(WHDR_DONE)) | WHDR_INQUEUE;
    voice->queue.push_back(header);
    if (voice->queue.size() == 1)
        startFront(*voice);
    return MMSYSERR_NOERROR;
}

static MMRESULT setVoicePaused(HWAVEOUT handle, bool paused) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    MMRESULT result;
    if (Voice* voice = checkedVoice(m, handle, result))
        voice->paused = paused;
    return result;
}

MMRESULT waveOutPause(HWAVEOUT handle) {
    return setVoicePaused(handle, true);
}

MMRESULT waveOutRestart(HWAVEOUT handle) {
    return setVoicePaused(handle, false);
}

MMRESULT waveOutReset(HWAVEOUT handle) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    MMRESULT result;
    Voice* voice = checkedVoice(m, handle, result);
    if (!voice)
        return result;
    while (!voice->queue.empty())
        finishFront(m, handleId(handle), *voice);
    voice->paused = false;
    return MMSYSERR_NOERROR;
}

void deliverWaveCompletions() {
    Mixer& m = mixer();
    std::vector<Completion> completed;
    {
        std::lock_guard guard(m.lock);
        if (m.silent)
            advanceSilently(m);
        completed.swap(m.completed);
    }
    for (const Completion& c : completed) {
        if (c.window)
            PostMessageW(c.window, MM_WOM_DONE, c.handle, reinterpret_cast<LPARAM>(c.header));
    }
}

void resetWaveOutput(WaveOutputMode mode, WaveOutputFormat format) {
    Mixer& m = mixer();
    closeDevice(m);
    std::lock_guard guard(m.lock);
    m.voices.clear();
    m.completed.clear();
    m.mode = mode;
    m.format.rate = std::clamp(format.rate, 1000, 192000);
    m.format.channels = format.channels == 1 ? 1 : 2;
    m.started = false;
    m.silent = false;
}

WaveOutputFormat waveOutputFormat() {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    return m.format;
}

void pullWaveOutput(int16_t* out, size_t frames) {
    Mixer& m = mixer();
    std::lock_guard guard(m.lock);
    mix(m, out, frames);
}

} // namespace velmora
