// Toolkit windows hand the wave-out completion to the sound that finished.
#include "gui/window.h"
#include "media/wave_sound.h"
#include "platform/message_queue.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(WaveDone, AToolkitWindowStopsTheSoundThatFinished) {
    resetWaveOutput(WaveOutputMode::Pulled);
    soundEnabled = true;
    Window window(L"sound page", nullptr, false);
    ASSERT_TRUE(window.create(0, 0, 20, 20));
    WaveSound sound;
    sound.format = {WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    sound.data = {1, 0, 2, 0};
    sound.length = 4;
    ASSERT_EQ(sound.play(window.handle()), MMSYSERR_NOERROR);
    std::vector<int16_t> out(2 * 8);
    pullWaveOutput(out.data(), 8);
    EXPECT_TRUE(sound.isPlaying());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
        DispatchMessageW(&message);
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_EQ(sound.device, nullptr);
    window.destroy();
    clearMessageQueue();
}

} // namespace
} // namespace velmora
