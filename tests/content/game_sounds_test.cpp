// Every sound of the sounds archive read by the game's own wave reader, and loaded by a sound
// bank through the resource opener as a page would load it.
#include "generated_content.h"

#include "base/wide_string.h"
#include "media/resource_archive.h"
#include "media/sound_bank.h"
#include "media/wave_file.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(GameSounds, ABankLoadsEverySoundOfTheArchiveInAFormatTheDeviceTakes) {
    SKIP_WITHOUT_CONTENT();
    TempFolder temp;
    setTempFolder(temp.game("unpacked"));
    const std::wstring sounds = fromOsPath((resourcesFolder() / "sounds").string());
    registerArchive(L"sounds.zip", sounds);
    const int boxes = messageBoxCount();
    ASSERT_FALSE(archiveEntries("sounds").empty());
    SoundBank bank;
    for (const auto& [name, entry] : archiveEntries("sounds")) {
        SCOPED_TRACE(name);
        const WaveSound* sound = bank.load(sounds + L"\\..\\sounds", fromUtf8(name));
        const auto layout = readWaveLayout(entry.bytes);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->dataOffset, waveHeaderSize);
        EXPECT_EQ(sound->length, entry.bytes.size() - waveHeaderSize);
        HWAVEOUT unused = nullptr;
        EXPECT_EQ(waveOutOpen(&unused, WAVE_MAPPER, &sound->format, 0, 0, WAVE_FORMAT_QUERY),
                  MMSYSERR_NOERROR);
    }
    EXPECT_EQ(messageBoxCount(), boxes);
    closeArchives();
}

} // namespace
} // namespace velmora::test
