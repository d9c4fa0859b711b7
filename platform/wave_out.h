#pragma once
// Wave-out audio: PCM buffers played on output handles, each handle its own voice of one mixer.
// The mixer drives one SDL audio device, opened at the first waveOutOpen; every open handle
// converts its 8- or 16-bit mono or stereo samples to the device's rate and channels and is mixed
// with the others. A header plays once, or loop-count times when it carries both loop flags
// (0xFFFFFFFF: until reset). A finished header is marked done and MM_WOM_DONE (wParam the handle,
// lParam the header) is posted to the handle's window by the message loop of the program's thread.
//
// Without a sound card the mixer runs silently on the program's clock (platform/clock.h): voices
// advance and completions arrive as if they were heard, so nothing waits for a sound forever.

#include "platform/types.h"

#include <cstddef>
#include <cstdint>

namespace velmora {

struct HWAVEOUT__;
using HWAVEOUT = HWAVEOUT__*;
using MMRESULT = UINT;

enum : MMRESULT {
    MMSYSERR_NOERROR = 0,
    MMSYSERR_ERROR = 1,
    MMSYSERR_BADDEVICEID = 2,
    MMSYSERR_INVALHANDLE = 5,
    MMSYSERR_NODRIVER = 6,
    MMSYSERR_NOMEM = 7,
    MMSYSERR_INVALFLAG = 10,
    MMSYSERR_INVALPARAM = 11,
    WAVERR_BADFORMAT = 32,
    WAVERR_STILLPLAYING = 33,
    WAVERR_UNPREPARED = 34,
};

// The device number that lets the system choose a device.
inline constexpr UINT WAVE_MAPPER = 0xFFFFFFFFu;

inline constexpr WORD WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
    WORD wFormatTag = 0;
    WORD nChannels = 0;
    DWORD nSamplesPerSec = 0;
    DWORD nAvgBytesPerSec = 0;
    WORD nBlockAlign = 0;
    WORD wBitsPerSample = 0;
    WORD cbSize = 0;
};

// Header flags.
enum : DWORD {
    WHDR_DONE = 0x01,
    WHDR_PREPARED = 0x02,
    WHDR_BEGINLOOP = 0x04,
    WHDR_ENDLOOP = 0x08,
    WHDR_INQUEUE = 0x10,
};

struct WAVEHDR {
    char* lpData = nullptr;
    DWORD dwBufferLength = 0;
    DWORD dwBytesRecorded = 0;
    uintptr_t dwUser = 0;
    DWORD dwFlags = 0;
    DWORD dwLoops = 0;
    WAVEHDR* lpNext = nullptr;
    uintptr_t reserved = 0;
};

// waveOutOpen flags: how completion is reported, or only asking whether a format would open.
enum : DWORD {
    WAVE_FORMAT_QUERY = 0x00000001,
    CALLBACK_NULL = 0x00000000,
    CALLBACK_WINDOW = 0x00010000,
};

// Formats in the capability mask: rate (11, 22, 44 kHz) x mono/stereo x 8/16 bits.
enum : DWORD {
    WAVE_FORMAT_1M08 = 0x001,
    WAVE_FORMAT_1S08 = 0x002,
    WAVE_FORMAT_1M16 = 0x004,
    WAVE_FORMAT_1S16 = 0x008,
    WAVE_FORMAT_2M08 = 0x010,
    WAVE_FORMAT_2S08 = 0x020,
    WAVE_FORMAT_2M16 = 0x040,
    WAVE_FORMAT_2S16 = 0x080,
    WAVE_FORMAT_4M08 = 0x100,
    WAVE_FORMAT_4S08 = 0x200,
    WAVE_FORMAT_4M16 = 0x400,
    WAVE_FORMAT_4S16 = 0x800,
};

struct WAVEOUTCAPSW {
    WORD wMid = 0;
    WORD wPid = 0;
    DWORD vDriverVersion = 0;
    wchar_t szPname[32] = {};
    DWORD dwFormats = 0;
    WORD wChannels = 0;
    WORD wReserved1 = 0;
    DWORD dwSupport = 0;
};

// There is one output device (number 0), always present: without a sound card it is silent.
UINT waveOutGetNumDevs();
// Device 0 or WAVE_MAPPER.
MMRESULT waveOutGetDevCaps(UINT deviceId, WAVEOUTCAPSW* caps, UINT size);

// Opens a voice for PCM of 1 or 2 channels, 8 or 16 bits, 1000 to 192000 samples a second, with
// a block alignment of channels x bytes per sample; anything else is WAVERR_BADFORMAT. With
// CALLBACK_WINDOW the callback is the window that receives MM_WOM_DONE; instance is kept for it.
MMRESULT waveOutOpen(HWAVEOUT* handle, UINT deviceId, const WAVEFORMATEX* format, uintptr_t callback,
                     uintptr_t instance, DWORD flags);
// Fails with WAVERR_STILLPLAYING while headers are queued (reset first).
MMRESULT waveOutClose(HWAVEOUT handle);
MMRESULT waveOutPrepareHeader(HWAVEOUT handle, WAVEHDR* header, UINT size);
// WAVERR_STILLPLAYING while the header is queued.
MMRESULT waveOutUnprepareHeader(HWAVEOUT handle, WAVEHDR* header, UINT size);
// Queues a prepared header behind those already queued on the handle. The header and its data
// must stay in place until it is done.
MMRESULT waveOutWrite(HWAVEOUT handle, WAVEHDR* header, UINT size);
MMRESULT waveOutPause(HWAVEOUT handle);
MMRESULT waveOutRestart(HWAVEOUT handle);
// Stops the voice and returns every queued header as done (each posts its MM_WOM_DONE); the voice
// is no longer paused.
MMRESULT waveOutReset(HWAVEOUT handle);

// The program's thread: posts the completions that the mixer gathered (the message queue calls it
// on every look for messages) and, when the mixer is silent, first advances it to the clock's time.
void deliverWaveCompletions();

// The mixer's output: interleaved signed 16-bit frames at this rate and channel count.
struct WaveOutputFormat {
    int rate = 22050;
    int channels = 2;
};
// How the mixer's output leaves it: the sound card (falling back to silent when none opens), the
// silent clock-driven mode, or only by pullWaveOutput (tests: deterministic, nothing runs by itself).
enum class WaveOutputMode { Device, Silent, Pulled };
// Closes every handle (their headers are dropped, not posted), closes the device and starts again
// in the given mode and format at the next open.
void resetWaveOutput(WaveOutputMode mode, WaveOutputFormat format = {});
WaveOutputFormat waveOutputFormat();
// Mixes the next frames into out (frames x channels samples), as the device would take them.
void pullWaveOutput(int16_t* out, size_t frames);

} // namespace velmora
