// Wave-out voices mixed deterministically: the mixer's output is pulled frame by frame and
// compared with the samples written, converted to the output's rate and channels.
#include "platform/clock.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "platform/wave_out.h"
#include "tests/support/message_pump.h"
#include "tests/support/mixer_output.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

std::vector<MSG> finished;

LRESULT recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MM_WOM_DONE)
        finished.push_back({window, message, wParam, lParam, 0, {}});
    return DefWindowProcW(window, message, wParam, lParam);
}

WAVEFORMATEX pcm(int channels, int rate, int bits) {
    WAVEFORMATEX f;
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = WORD(channels);
    f.nSamplesPerSec = DWORD(rate);
    f.wBitsPerSample = WORD(bits);
    f.nBlockAlign = WORD(channels * bits / 8);
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    return f;
}

std::vector<char> sixteenBit(const std::vector<int16_t>& samples) {
    std::vector<char> bytes;
    for (int16_t s : samples) {
        bytes.push_back(char(uint16_t(s) & 0xFF));
        bytes.push_back(char(uint16_t(s) >> 8));
    }
    return bytes;
}

class WaveOut : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW windowClass;
            windowClass.lpfnWndProc = recordingProcedure;
            windowClass.lpszClassName = L"WaveOutTestWindow";
            return RegisterClassW(&windowClass);
        }();
        ASSERT_TRUE(registered);
        resetWaveOutput(WaveOutputMode::Pulled, {22050, 2});
        window = CreateWindowExW(0, L"WaveOutTestWindow", L"Sound", WS_VISIBLE, 0, 0, 10, 10, nullptr, 0,
                                 nullptr, nullptr);
        test::pumpMessages();
        finished.clear();
    }
    void TearDown() override {
        resetWaveOutput(WaveOutputMode::Pulled);
        DestroyWindow(window);
        clearMessageQueue();
    }

    HWAVEOUT open(const WAVEFORMATEX& format) {
        HWAVEOUT handle = nullptr;
        EXPECT_EQ(waveOutOpen(&handle, 0, &format, reinterpret_cast<uintptr_t>(window), 0, CALLBACK_WINDOW),
                  MMSYSERR_NOERROR);
        return handle;
    }

    void write(HWAVEOUT handle, WAVEHDR& header, std::vector<char>& data, DWORD loops = 1) {
        header = WAVEHDR{};
        header.lpData = data.data();
        header.dwBufferLength = DWORD(data.size());
        if (loops != 1) {
            header.dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
            header.dwLoops = loops;
        }
        ASSERT_EQ(waveOutPrepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);
        ASSERT_EQ(waveOutWrite(handle, &header, sizeof header), MMSYSERR_NOERROR);
    }

    HWND window = nullptr;
};

TEST_F(WaveOut, SamplesAtTheOutputRatePlayExactlyAndReportCompletionOnce) {
    HWAVEOUT handle = open(pcm(1, 22050, 16));
    std::vector<char> data = sixteenBit({100, -200, 32767, -32768});
    WAVEHDR header;
    write(handle, header, data);
    std::vector<int16_t> out(2 * 6, 7);
    pullWaveOutput(out.data(), 6);
    EXPECT_EQ(out, (std::vector<int16_t>{100, 100, -200, -200, 32767, 32767, -32768, -32768, 0, 0, 0, 0}));
    EXPECT_TRUE(header.dwFlags & WHDR_DONE);
    EXPECT_FALSE(header.dwFlags & WHDR_INQUEUE);
    EXPECT_TRUE(finished.empty()) << "posted only by the program's own thread";
    test::pumpMessages();
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].hwnd, window);
    EXPECT_EQ(finished[0].wParam, reinterpret_cast<WPARAM>(handle));
    EXPECT_EQ(finished[0].lParam, reinterpret_cast<LPARAM>(&header));
    test::pullLeftChannel(100);
    test::pumpMessages();
    EXPECT_EQ(finished.size(), 1u);
    EXPECT_EQ(waveOutUnprepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutClose(handle), MMSYSERR_NOERROR);
}

TEST_F(WaveOut, EightBitStereoAtHalfTheRateIsInterpolatedAndMixedDownForMonoOutput) {
    HWAVEOUT handle = open(pcm(2, 11025, 8));
    // Frames (+64, -64) and (0, 0) in unsigned 8-bit samples.
    std::vector<char> data = {char(192), char(64), char(128), char(128)};
    WAVEHDR header;
    write(handle, header, data);
    std::vector<int16_t> out(2 * 5);
    pullWaveOutput(out.data(), 5);
    EXPECT_EQ(out, (std::vector<int16_t>{16384, -16384, 8192, -8192, 0, 0, 0, 0, 0, 0}));

    resetWaveOutput(WaveOutputMode::Pulled, {22050, 1});
    handle = open(pcm(2, 22050, 16));
    data = sixteenBit({1000, 3000, -500, -1500});
    write(handle, header, data);
    std::vector<int16_t> mono(3);
    pullWaveOutput(mono.data(), 3);
    EXPECT_EQ(mono, (std::vector<int16_t>{2000, -1000, 0}));
}

TEST_F(WaveOut, VoicesAreAddedAndClipped) {
    std::vector<char> loud = sixteenBit({30000, -30000, 5});
    std::vector<char> quiet = sixteenBit({10000, -10000, 6});
    WAVEHDR a, b;
    write(open(pcm(1, 22050, 16)), a, loud);
    write(open(pcm(1, 22050, 16)), b, quiet);
    EXPECT_EQ(test::pullLeftChannel(3), (std::vector<int>{32767, -32768, 11}));
}

TEST_F(WaveOut, ALoopCountRepeatsTheHeaderAndEndlessLoopsRunUntilReset) {
    HWAVEOUT handle = open(pcm(1, 22050, 16));
    std::vector<char> data = sixteenBit({1, 2, 3});
    WAVEHDR header;
    write(handle, header, data, 3);
    EXPECT_EQ(test::pullLeftChannel(11), (std::vector<int>{1, 2, 3, 1, 2, 3, 1, 2, 3, 0, 0}));
    test::pumpMessages();
    EXPECT_EQ(finished.size(), 1u);
    ASSERT_EQ(waveOutUnprepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);

    finished.clear();
    write(handle, header, data, 0xFFFFFFFF);
    test::pullLeftChannel(3000);
    EXPECT_EQ(test::pullLeftChannel(3), (std::vector<int>{1, 2, 3}));
    test::pumpMessages();
    EXPECT_TRUE(finished.empty());
    EXPECT_EQ(waveOutClose(handle), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutUnprepareHeader(handle, &header, sizeof header), WAVERR_STILLPLAYING);
    EXPECT_EQ(waveOutReset(handle), MMSYSERR_NOERROR);
    EXPECT_TRUE(header.dwFlags & WHDR_DONE);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 0}));
    test::pumpMessages();
    EXPECT_EQ(finished.size(), 1u) << "a reset returns the header as done";
}

TEST_F(WaveOut, RefusesWhatItCannotPlayAndHandlesItDoesNotKnow) {
    HWAVEOUT handle = nullptr;
    for (WAVEFORMATEX bad : {pcm(3, 22050, 16), pcm(1, 22050, 12), pcm(1, 0, 16), pcm(2, 22050, 24)}) {
        EXPECT_EQ(waveOutOpen(&handle, 0, &bad, 0, 0, CALLBACK_NULL), WAVERR_BADFORMAT);
    }
    WAVEFORMATEX misaligned = pcm(2, 22050, 16);
    misaligned.nBlockAlign = 2;
    EXPECT_EQ(waveOutOpen(&handle, 0, &misaligned, 0, 0, CALLBACK_NULL), WAVERR_BADFORMAT);
    WAVEFORMATEX good = pcm(1, 22050, 16);
    EXPECT_EQ(waveOutOpen(&handle, 1, &good, 0, 0, CALLBACK_NULL), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(waveOutOpen(nullptr, 0, &good, 0, 0, WAVE_FORMAT_QUERY), MMSYSERR_NOERROR);

    handle = open(good);
    std::vector<char> data = sixteenBit({1});
    WAVEHDR header;
    header.lpData = data.data();
    header.dwBufferLength = 2;
    EXPECT_EQ(waveOutWrite(handle, &header, sizeof header), WAVERR_UNPREPARED);
    EXPECT_EQ(waveOutClose(handle), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutPause(handle), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(waveOutPrepareHeader(handle, &header, sizeof header), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(waveOutClose(handle), MMSYSERR_INVALHANDLE);
}

TEST_F(WaveOut, WithoutASoundCardTheClockStillFinishesSounds) {
    FakeClock clock;
    ScopedClock scoped(clock);
    resetWaveOutput(WaveOutputMode::Silent, {22050, 2});
    HWAVEOUT handle = open(pcm(1, 11025, 16));
    std::vector<char> data = sixteenBit(std::vector<int16_t>(11025, 1000)); // one second
    WAVEHDR header;
    write(handle, header, data);
    clock.advance(990);
    test::pumpMessages();
    EXPECT_TRUE(finished.empty());
    clock.advance(20);
    test::pumpMessages();
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].lParam, reinterpret_cast<LPARAM>(&header));
}

TEST_F(WaveOut, TheSoundCardTakesVoicesInAnyPlayableFormat) {
    resetWaveOutput(WaveOutputMode::Device);
    HWAVEOUT handle = open(pcm(2, 44100, 8));
    std::vector<char> data(64, char(128));
    WAVEHDR header;
    write(handle, header, data, 0xFFFFFFFF);
    EXPECT_GE(waveOutputFormat().rate, 1000);
    EXPECT_EQ(waveOutReset(handle), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutUnprepareHeader(handle, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(waveOutClose(handle), MMSYSERR_NOERROR);
}

} // namespace
} // namespace velmora
