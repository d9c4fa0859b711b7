// The page's named sounds and flat scenes: template lines wired to the sound bank and the quads.
#include "canvas_fixture.h"

#include "media/wave_sound.h"
#include "platform/wave_out.h"
#include "render/scene2d.h"
#include "tests/media/bmp_writer.h"
#include "tests/media/wave_writer.h"
#include "tests/support/mixer_output.h"

namespace velmora::test {
namespace {

class PageMedia : public CanvasPage {
protected:
    void SetUp() override {
        resetWaveOutput(WaveOutputMode::Pulled, {22050, 2});
        soundEnabled = true;
        CanvasPage::SetUp();
    }
    void TearDown() override {
        CanvasPage::TearDown();
        resetWaveOutput(WaveOutputMode::Pulled);
    }
    void write(const std::string& name, const std::vector<uint8_t>& bytes) {
        writeFile(temp.os(name), std::string(bytes.begin(), bytes.end()));
    }
};

TEST_F(PageMedia, NamedSoundsPauseWithThePageAndGoWithAReload) {
    write("ding.wav", writeWave({.samples = sampleBytes(std::vector<int16_t>(400, 1000))}));
    writeFile(temp.os("sounds.properties"),
              "sndDing=type:WaveSound, src:ding.wav\nsndQuiet=type:WaveSound\n");
    ASSERT_TRUE(load(L"sounds.properties"));
    EXPECT_EQ(page->soundsByName.count(), 1) << "a line without src makes no sound";
    page->playSound(L"sndDing", 0);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{1000, 1000}));
    page->activate(false);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 0}));
    page->activate(true);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{1000, 1000}));
    page->stopActivity();
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 0}));

    page->playSound(L"sndDing", 0);
    ASSERT_TRUE(load(L"widgets.properties"));
    EXPECT_EQ(page->soundsByName.count(), 0);
    EXPECT_EQ(page->soundBank.count(), 0);
    EXPECT_EQ(test::pullLeftChannel(2), (std::vector<int>{0, 0})) << "a reload stops the page's sounds";
}

TEST_F(PageMedia, FlatSceneHoldsItsQuadsAndRefusesOneWithoutPicture) {
    write("slide.bmp", writeRgbBmp(4, 4, std::vector<uint32_t>(16, 0xFF0000)));
    writeFile(temp.os("flat.properties"),
              "sceneFlat=type:Scene2D, width:100%, height:50%\n"
              "rectSlide=type:Group2D, container:sceneFlat, texture:slide.bmp, number:2\n"
              "rectBare=type:Group2D, container:sceneFlat\n");
    ASSERT_TRUE(load(L"flat.properties"));
    const Scene* scene = page->findScene(L"sceneFlat");
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->kind, SceneKind::Scene2D);
    EXPECT_EQ(scene->height, 160);
    ASSERT_EQ(scene->children.count(), 2);
    EXPECT_EQ(scene->children.at(1)->name, L"rectSlide1");
    EXPECT_EQ(lastMessageBox().text, L"The Rect2D should have either texture or mask.");
    page->repaint();
}

} // namespace
} // namespace velmora::test
