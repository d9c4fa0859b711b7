// Wave sounds, sound banks and playSound on a mixer whose output the tests pull frame by frame.
#include "base/wide_string.h"
#include "media/play_sound.h"
#include "media/sound_bank.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "test_files.h"
#include "tests/support/message_pump.h"
#include "tests/support/mixer_output.h"
#include "wave_writer.h"

#include <gtest/gtest.h>

#include <numeric>

namespace velmora::test {
namespace {

LRESULT soundWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MM_WOM_DONE)
        handleWaveDone(window, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<int16_t> ramp(int count, int from = 0) {
    std::vector<int16_t> samples(static_cast<size_t>(count));
    std::iota(samples.begin(), samples.end(), int16_t(from));
    return samples;
}

class Sounds : public testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSW windowClass;
            windowClass.lpfnWndProc = soundWindowProcedure;
            windowClass.lpszClassName = L"SoundTestWindow";
            return RegisterClassW(&windowClass);
        }();
        ASSERT_TRUE(registered);
        resetWaveOutput(WaveOutputMode::Pulled, {22050, 2});
        soundEnabled = true;
        window = CreateWindowExW(0, L"SoundTestWindow", L"Page", WS_VISIBLE, 0, 0, 10, 10, nullptr, 0,
                                 nullptr, nullptr);
        pumpMessages();
    }
    void TearDown() override {
        bank.clear();
        resetWaveOutput(WaveOutputMode::Pulled);
        DestroyWindow(window);
        clearMessageQueue();
        soundEnabled = true;
    }

    // A 16-bit mono file at the mixer's rate, loaded into the bank under its name.
    WaveSound* sound(const std::string& name, const std::vector<int16_t>& samples) {
        writeBytes(folder, name, writeWave({.samples = sampleBytes(samples)}));
        WaveSound* loaded = bank.load(folder.game(), fromUtf8(name));
        soundsByName.put(fromUtf8(name), loaded);
        return loaded;
    }

    TempFolder folder;
    SoundBank bank;
    HashMap<std::wstring, WaveSound*> soundsByName;
    HWND window = nullptr;
};

TEST_F(Sounds, FilesThatCannotBePlayedAreReportedAndStaySilent) {
    WaveSound good;
    EXPECT_TRUE(good.load(writeBytes(folder, "good.wav", writeWave({.samples = sampleBytes({5, 6, 7})}))));
    EXPECT_EQ(good.length, 6u);
    EXPECT_EQ(good.data, sampleBytes({5, 6, 7}));
    EXPECT_EQ(good.state, waveStopped);

    const int boxes = messageBoxCount();
    WaveSound missing;
    EXPECT_FALSE(missing.load(folder.game("sub") + L"\\..\\none.wav"));
    EXPECT_EQ(lastMessageBox().caption, L"File I/O Error");
    EXPECT_EQ(lastMessageBox().text,
              L"Unable to open wave file: \"" + folder.os("none.wav").wstring() + L"\".");
    WaveSound truncated;
    const auto path = writeBytes(folder, "short.wav", std::vector<uint8_t>(43, 'R'));
    EXPECT_FALSE(truncated.load(path));
    EXPECT_EQ(lastMessageBox().text, L"Unable to open wave file: \"" + displayPath(path) + L"\".");
    EXPECT_EQ(messageBoxCount(), boxes + 2);
    EXPECT_EQ(truncated.play(window), MMSYSERR_NOERROR);
    EXPECT_FALSE(truncated.isPlaying());
}

TEST_F(Sounds, KeysNamingOneFileShareOneSound) {
    WaveSound* first = sound("click.wav", {1, 2});
    EXPECT_FALSE(bank.lastWasCached);
    EXPECT_EQ(bank.load(folder.game() + L"\\", L"click.wav"), first);
    EXPECT_TRUE(bank.lastWasCached);
    EXPECT_EQ(bank.count(), 1);
    const int boxes = messageBoxCount();
    WaveSound* missing = bank.load(folder.game(), L"gone.wav");
    ASSERT_NE(missing, nullptr) << "the key still names a silent sound";
    EXPECT_EQ(messageBoxCount(), boxes + 1);
    EXPECT_EQ(bank.load(folder.game(), L"gone.wav"), missing);
    EXPECT_EQ(messageBoxCount(), boxes + 1);
}

TEST_F(Sounds, PlaySoundModes) {
    WaveSound* music = sound("music.wav", std::vector<int16_t>(1000, 100));
    WaveSound* click = sound("click.wav", ramp(1000));
    playSound(window, soundsByName, bank, L"music.wav", 2);
    EXPECT_TRUE(music->isPlaying());
    playSound(window, soundsByName, bank, L"click.wav", 1);
    EXPECT_FALSE(click->isPlaying()) << "mode 1 waits for silence";
    playSound(window, soundsByName, bank, L"click.wav", 0);
    EXPECT_FALSE(music->isPlaying()) << "mode 0 stops the others";
    EXPECT_TRUE(click->isPlaying());
    EXPECT_EQ(test::pullLeftChannel(3), (std::vector<int>{0, 1, 2}));

    playSound(window, soundsByName, bank, L"click.wav", 2);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{3, 4})) << "a playing sound is not restarted";
    playSound(window, soundsByName, bank, L"music.wav", 2);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{105, 106})) << "other modes play alongside";
    playSound(window, soundsByName, bank, L"click.wav", 0);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 1})) << "mode 0 stopped it, so it starts again";

    playSound(window, soundsByName, bank, L"nothing", 0);
    EXPECT_EQ(lastMessageBox().caption, L"Error");
    EXPECT_EQ(lastMessageBox().text, L"Can not find the wave sound file: nothing.");
    EXPECT_EQ(lastMessageBox().type & MB_ICONSTOP, UINT(MB_ICONSTOP));
    EXPECT_TRUE(click->isPlaying());
}

TEST_F(Sounds, EndlessLoopsPlayUntilStoppedAndPausingKeepsTheirPlace) {
    WaveSound* ambience = sound("ambience.wav", {10, 20, 30});
    ambience->playLooped(window, -1);
    for (int round = 0; round < 500; ++round)
        ASSERT_EQ(test::pullLeftChannel(3), (std::vector<int>{10, 20, 30}));
    pumpMessages();
    EXPECT_EQ(test::pullLeftChannel(1), (std::vector<int>{10}));
    bank.pauseAll();
    EXPECT_EQ(ambience->state, wavePaused);
    EXPECT_FALSE(bank.anyPlaying());
    EXPECT_EQ(test::pullLeftChannel(4), (std::vector<int>{0, 0, 0, 0}));
    bank.resumeAll();
    EXPECT_TRUE(ambience->isPlaying());
    EXPECT_EQ(test::pullLeftChannel(4), (std::vector<int>{20, 30, 10, 20}));
    ambience->stop();
    EXPECT_EQ(ambience->state, waveStopped);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 0}));
}

// The completion closes the voice of the sound that ended; one that arrives after the sound was
// restarted or deleted belongs to a voice that is gone and changes nothing.
TEST_F(Sounds, CompletionsCloseOnlyTheVoiceThatEnded) {
    WaveSound* click = sound("click.wav", {1, 2, 3});
    click->play(window);
    test::pullLeftChannel(10);
    EXPECT_TRUE(click->isPlaying()) << "until the message arrives";
    pumpMessages();
    EXPECT_FALSE(click->isPlaying());
    EXPECT_EQ(click->device, nullptr);

    click->play(window);
    test::pullLeftChannel(10);
    deliverWaveCompletions();
    playSound(window, soundsByName, bank, L"click.wav", 0);
    pumpMessages();
    EXPECT_TRUE(click->isPlaying());
    EXPECT_EQ(test::pullLeftChannel(3), (std::vector<int>{1, 2, 3}));

    test::pullLeftChannel(10);
    deliverWaveCompletions();
    bank.clear();
    pumpMessages();
}

TEST_F(Sounds, TheSwitchKeepsNewSoundsQuietButStillStopsPlayingOnes) {
    WaveSound* ambience = sound("ambience.wav", {10, 20});
    ambience->playLooped(window, -1);
    soundEnabled = false;
    WaveSound* click = sound("click.wav", {1, 2});
    playSound(window, soundsByName, bank, L"click.wav", 2);
    EXPECT_FALSE(click->isPlaying());
    bank.stopAll();
    EXPECT_FALSE(ambience->isPlaying());
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 0}));
}

} // namespace
} // namespace velmora::test
