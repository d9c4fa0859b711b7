#include "canvas_fixture.h"

#include "base/wide_string.h"
#include "gui/node_loaders.h"
#include "render/object3d.h"
#include "render/progress_listener.h"
#include "render/scene3d.h"
#include "render/scene_sprite.h"
#include "tests/support/temp_folder.h"

#include <algorithm>

namespace velmora::test {
namespace {

using Loader = CanvasPage;

int childrenNamed(const Scene& scene, const std::wstring& name) {
    int count = 0;
    for (int i = 0; i < scene.children.count(); ++i)
        count += scene.children.at(i)->name == name;
    return count;
}

// Which primary the pixel is mostly made of, whatever the surface depth.
char primaryAt(const Surface& surface, int x, int y) {
    const uint32_t p = surface.getPixel(x, y);
    const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (r > 0x80 && g < 0x80 && b < 0x80)
        return 'r';
    if (g > 0x80 && r < 0x80 && b < 0x80)
        return 'g';
    if (b > 0x80 && r < 0x80 && g < 0x80)
        return 'b';
    return '?';
}

TEST_F(Loader, ScenesDrawInTemplateOrderAndHiddenOnesNot) {
    ASSERT_TRUE(load(L"scenes.properties"));
    ASSERT_EQ(page->scenes.size(), 3u);
    EXPECT_EQ(page->scenes[0]->name, L"sceneBack");
    EXPECT_EQ(page->scenes[2]->name, L"sceneHidden");
    const Surface& shown = *page->backBuffer();
    EXPECT_EQ(primaryAt(shown, 50, 50), 'g') << "the later scene covers the earlier";
    EXPECT_EQ(primaryAt(shown, 200, 50), 'r');
    EXPECT_EQ(primaryAt(shown, 50, 200), 'r');
}

TEST_F(Loader, NumberMakesCopiesNamedByIndexAndOnlyTheFirstKeepsTheIndexText) {
    ASSERT_TRUE(load(L"scenes.properties"));
    const Scene& front = *page->findScene(L"sceneFront");
    ASSERT_EQ(front.children.count(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto* star = static_cast<const Sprite*>(front.children.at(i));
        EXPECT_EQ(star->name, L"sptStar" + std::to_wstring(i));
        EXPECT_EQ(star->width, 8);
        EXPECT_EQ(star->guiType, GuiType::Button);
        EXPECT_EQ(star->indexText, i == 0 ? L"7" : L"");
    }
    EXPECT_EQ(page->findNode(L"sptStar"), nullptr);
    EXPECT_EQ(page->findNode(L"sptLost"), nullptr) << "a missing container leaves the node unattached";
    EXPECT_EQ(page->fontsByName.count(), 0) << "a font without rows is not made";
    EXPECT_EQ(page->customKeys, std::vector<std::wstring>{L"thing"});
}

TEST_F(Loader, NumbersOfATemplateAreHeldToWhatAPageCanUse) {
    writeFile(temp.os("limits.properties"),
              "sceneWide=type:SceneSprite, width:1000000, height:1000000, buffered:1\n"
              "scene3d=type:Scene3D, width:1000000, height:1000000\n"
              "sptMany=type:Sprite, container:sceneWide, width:8, height:8, number:100000, textSize:100000, "
              "GUIType:editbox, maxLength:99999999\n"
              "fntWide=type:BitmapFont, columns:1000, rows:1, bitmap:font.bmp\n");
    ASSERT_TRUE(load(L"limits.properties"));
    // Scenes (and their buffers) reach four pages at most.
    for (const wchar_t* name : {L"sceneWide", L"scene3d"}) {
        EXPECT_EQ(page->findScene(name)->width, 4 * 240) << name;
        EXPECT_EQ(page->findScene(name)->height, 4 * 320) << name;
    }
    EXPECT_EQ(page->findScene(L"sceneWide")->children.count(), maxCopies);
    const Sprite* many = sprite(L"sptMany0");
    ASSERT_NE(many, nullptr);
    EXPECT_EQ(many->textSize, 1024);
    EXPECT_EQ(many->widgetText, L"65536,");
    EXPECT_EQ(page->fontsByName.count(), 0) << "more cells than a font has characters";
}

TEST_F(Loader, PercentSizesFollowThePageWhateverTheScale) {
    setUiScale(2.0f);
    ASSERT_TRUE(load(L"scenes.properties"));
    const Scene& front = *page->findScene(L"sceneFront");
    EXPECT_EQ(front.width, 120);
    EXPECT_EQ(front.height, 200) << "'height:100' is scaled";
    EXPECT_EQ(static_cast<const Sprite*>(front.children.at(0))->x, 20);
}

TEST_F(Loader, SecondTemplateRebuildsItsOwnKeysOnlyAndSavingKeepsThePageFile) {
    ASSERT_TRUE(load(L"widgets.properties"));
    ASSERT_TRUE(load(L"second.properties", false));
    EXPECT_EQ(page->templateName, L"widgets.properties");
    EXPECT_EQ(page->pagesLoaded, 2);
    // btnOk is in both files and is built again; btnCancel is only in the first and is not.
    EXPECT_EQ(childrenNamed(*page->findScene(L"sceneMain"), L"btnOk"), 2);
    EXPECT_EQ(childrenNamed(*page->findScene(L"sceneMain"), L"btnCancel"), 1);
    EXPECT_EQ(page->scenes.size(), 2u);

    page->pageTemplate.setItem(L"btnCancel", L"x", L"99");
    ASSERT_TRUE(page->saveTemplate());
    PropertyTemplate written;
    ASSERT_TRUE(written.load(userFolder(), L"widgets.properties"));
    EXPECT_EQ(written.getInt(L"btnCancel", L"x", 0), 99);
    EXPECT_TRUE(written.get(L"btnBack")) << "the page's template holds what both files gave";
    EXPECT_FALSE(std::filesystem::exists(temp.os("user/velmora/second.properties")));
    PropertyTemplate shipped;
    ASSERT_TRUE(shipped.load(temp.game(), L"widgets.properties"));
    EXPECT_EQ(shipped.getInt(L"btnCancel", L"x", 0), 100) << "the shipped page is never written";
}

TEST_F(Loader, MissingTemplateComplainsAndAnAddedLoadKeepsThePage) {
    ASSERT_TRUE(load(L"widgets.properties"));
    EXPECT_FALSE(load(L"absent.properties", false));
    EXPECT_EQ(lastMessageBox().caption, L"Error");
    EXPECT_EQ(lastMessageBox().text,
              L"Can not find the template file: " + temp.os().wstring() + L"absent.properties.");
    EXPECT_NE(page->findNode(L"btnOk"), nullptr);
    EXPECT_EQ(page->templateName, L"widgets.properties");
    page->pageTemplate.setItem(L"btnOk", L"x", L"11");
    ASSERT_TRUE(page->saveTemplate());
    PropertyTemplate written;
    ASSERT_TRUE(written.load(userFolder(), L"widgets.properties"));
    EXPECT_EQ(written.getInt(L"btnOk", L"x", 0), 11);
}

TEST_F(Loader, APageTemplateWithoutANodeComplains) {
    for (const std::string& text : {std::string(), std::string("\x8f\x03\xfe\x11garbage\n\x01=\x02\n"),
                                    std::string("volume=3\nplayerName=Ann\n")}) {
        SCOPED_TRACE(text);
        writeFile(temp.os("damaged.properties"), text);
        EXPECT_FALSE(load(L"damaged.properties"));
        EXPECT_EQ(lastMessageBox().text,
                  L"The template file is damaged: " + temp.os().wstring() + L"damaged.properties.");
    }
    const int boxes = messageBoxCount();
    ASSERT_TRUE(load(L"widgets.properties"));
    EXPECT_TRUE(load(L"damaged.properties", false)) << "an added file may bring settings alone";
    EXPECT_EQ(messageBoxCount(), boxes);
}

TEST_F(Loader, LongNamesAreCutAndProgressIsReported) {
    struct Recorder : ProgressListener {
        void progress(const std::wstring& text, const std::wstring& name, int percent) override {
            reports.push_back(text + L" " + name + L" " + std::to_wstring(percent));
        }
        std::vector<std::wstring> reports;
    } recorder;
    const std::wstring longKey = L"scene" + std::wstring(100, L'x');
    writeFile(temp.os("long.properties"), toUtf8(longKey + L"=type:SceneSprite\nsetting=plain\n"));
    page->progress = &recorder;
    ASSERT_TRUE(load(L"long.properties"));
    ASSERT_EQ(page->scenes.size(), 1u);
    EXPECT_EQ(page->scenes[0]->name, longKey.substr(0, maxNodeName));
    ASSERT_EQ(recorder.reports.size(), 3u);
    EXPECT_EQ(recorder.reports[0], L"Load " + longKey.substr(0, 20) + L" long.properties 0");
    EXPECT_EQ(recorder.reports[1], L"Load setting long.properties 50");
    EXPECT_EQ(recorder.reports[2], L"Load long.properties 100");
}

TEST_F(Loader, Scene3DLineWithModelsQuadLightFogAndLevels) {
    const auto model = std::filesystem::path(VELMORA_TESTDATA_DIR) / "3ds/models/RotatingCube.3DS";
    if (!std::filesystem::exists(model))
        GTEST_SKIP() << "no public test models";
    std::filesystem::copy_file(model, temp.os("cube.3ds"));
    ASSERT_TRUE(load(L"scene3d.properties"));
    auto* scene = dynamic_cast<Scene3D*>(page->findScene(L"scene3D"));
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->y, 40);
    EXPECT_EQ(scene->height, 200);
    EXPECT_FLOAT_EQ(scene->view.settings.frontClip, 0.5f);
    EXPECT_EQ(scene->view.settings.ambient, 0x202020u);
    ASSERT_EQ(scene->view.lights.size(), 1u);
    ASSERT_TRUE(scene->view.settings.fog.has_value());
    EXPECT_FLOAT_EQ(scene->view.settings.fog->back, 150.0f);
    EXPECT_EQ(scene->view.settings.fog->colour, 0xC8C8C8u);

    auto* cube = dynamic_cast<Object3D*>(page->findNode(L"grpCube0"));
    auto* copy = dynamic_cast<Object3D*>(page->findNode(L"grpCube1"));
    ASSERT_NE(cube, nullptr);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(cube->meshes->empty());
    EXPECT_NE(cube->meshes, copy->meshes) << "copies have meshes of their own";
    EXPECT_EQ(cube->detailLevel, ShadingMode::LitBlended);
    ASSERT_TRUE(cube->levels);
    EXPECT_EQ(cube->levels->models.size(), 2u);
    auto* sign = dynamic_cast<Object3D*>(page->findNode(L"chipSign"));
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(sign->materials->front()->detailLevel, ShadingMode::Reflective) << "9 is taken as the last mode";
    EXPECT_EQ(page->findNode(L"grpLost"), nullptr);
    EXPECT_EQ(scene->children.count(), 3);
    page->repaint(); // draws through the camera without complaint
}

} // namespace
} // namespace velmora::test
