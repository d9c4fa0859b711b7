#include "gui/input_pad.h"
#include "overlay_page.h"
#include "platform/image_file.h"
#include "render/scene_sprite.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Without pictures, at scale 1 on the 240 x 320 page, the 230 x 200 pad sits at (5, 60): key
// (row, column) is 16 pixels square at (16 + 21 column, 114 + 30 row), the function keys are 40 x 20
// at y 233.
constexpr POINT keyCentre(int row, int column) {
    return {24 + 21 * column, 122 + 30 * row};
}
constexpr POINT capsKey{35, 243}, clearKey{78, 243}, deleteKey{121, 243}, cancelKey{164, 243},
    okKey{207, 243};

class InputPadTest : public OverlayTest {
protected:
    void SetUp() override {
        OverlayTest::SetUp();
        page->createInputPad(0x141414, L"", L"inputpad.gif", L"btn.gif", L"btnBig.gif");
        pad = page->inputPad();
    }
    void tapAt(POINT p) { tapScreen(p.x, p.y); }
    void openFor(const wchar_t* editBox) {
        const Sprite* box = sprite(editBox);
        tapScreen(box->x + 5, box->y + 5);
        ASSERT_TRUE(pad->isOpen());
    }
    SceneSprite* padScene() const { return static_cast<SceneSprite*>(page->findScene(inputPadSceneName)); }
    Sprite* padKey(int index) const {
        return static_cast<Sprite*>(padScene()->children.at(padScene()->children.count() - 40 + index));
    }

    InputPad* pad = nullptr;
};

TEST_F(InputPadTest, AnEditBoxOpensThePadWhichTakesTheListenersAndTheTopOfThePage) {
    openFor(L"txtName");
    EXPECT_EQ(pad->text(), L"Ann");
    EXPECT_EQ(static_cast<Sprite*>(padScene()->find(L"sptMessage_MSGBOX"))->text, L"Name");
    // Drawn over the page: the edit field's right end in the pad colour, the frame's corner.
    const Surface& shown = *page->backBuffer();
    EXPECT_EQ(shown.getPixel(210, 86) & 0xF8FCF8, 0x141414u & 0xF8FCF8);
    EXPECT_EQ(shown.getPixel(5, 60) & 0xF8FCF8, 0xC3C3C3u & 0xF8FCF8) << "the pad background at its corner";
    EXPECT_EQ(page->mouseListener(), pad);
    EXPECT_EQ(page->keyListener(), pad);
    EXPECT_TRUE(page->topSceneOnlyShortcuts);
    const size_t heard = page->heard.size();
    tapScreen(40, 137); // btnPlay lies under the pad, between two rows of keys
    EXPECT_EQ(page->heard.size(), heard) << "the page's listener is not told while the pad is open";
    EXPECT_EQ(sprite(L"btnPlay")->status, SpriteStatus::Normal);

    pointerPressed(keyCentre(0, 0).x, keyCentre(0, 0).y, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(padKey(0)->x, 12) << "a pressed key moves one pixel right and down";
    EXPECT_EQ(padKey(0)->y, 55);
    pointerReleased(keyCentre(0, 0).x, keyCentre(0, 0).y, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(padKey(0)->x, 11);
    EXPECT_EQ(pad->text(), L"Ann1");

    tapAt(okKey);
    EXPECT_FALSE(pad->isOpen());
    EXPECT_FALSE(padScene()->visible);
    EXPECT_EQ(page->mouseListener(), page);
    EXPECT_FALSE(page->topSceneOnlyShortcuts);
    const Heard last = page->lastRelease();
    EXPECT_EQ(last.node, L"txtName");
    EXPECT_EQ(last.keyState, 1u);
    EXPECT_EQ(sprite(L"txtName")->text, L"Ann1");
    EXPECT_EQ(page->pressedNode(), nullptr);
    EXPECT_EQ(static_cast<Sprite*>(padScene()->find(L"btnOk_MSGBOX"))->status, SpriteStatus::Normal);
}

TEST_F(InputPadTest, AMaximumAbove20Gives20AndTypingBeyondTheMaximumIsIgnored) {
    openFor(L"txtName"); // maxLength 25
    for (int i = 0; i < 25; ++i)
        tapAt(keyCentre(1, i % 10));
    EXPECT_EQ(pad->text(), L"Annqwertyuiopqwertyu");
    tapAt(deleteKey);
    tapAt(keyCentre(3, 9));
    EXPECT_EQ(pad->text(), L"Annqwertyuiopqwerty.");
    tapAt(okKey);
    EXPECT_EQ(sprite(L"txtName")->text.size(), 20u);

    // A text longer than the maximum is cut when the pad opens.
    pad->openPad(sprite(L"txtNote"), L"abcdefgh", L"Note", 5, true);
    EXPECT_EQ(pad->text(), L"abcde");
    pad->openPad(sprite(L"txtNote"), L"abcdefgh", L"Note", -3, true);
    EXPECT_EQ(pad->text(), L"") << "a negative maximum allows nothing";
    tapAt(keyCentre(0, 1));
    EXPECT_EQ(pad->text(), L"");
    pad->closePad(false);
}

TEST_F(InputPadTest, CapsRelabelsTheKeysAndTypesTheShiftedCharacters) {
    openFor(L"txtNote");
    tapAt(capsKey);
    EXPECT_TRUE(pad->caps());
    EXPECT_EQ(static_cast<Sprite*>(padScene()->find(L"btnCaps_MSGBOX"))->text, L"CAPS");
    EXPECT_EQ(padKey(10)->text, L"Q");
    EXPECT_EQ(padKey(10)->textOffsetX, 2);
    EXPECT_EQ(padKey(29)->text, L"\\");
    tapAt(keyCentre(1, 0)); // row 2 of the index texts
    tapAt(keyCentre(3, 9));
    EXPECT_EQ(pad->text(), L"Q:");
    tapAt(capsKey);
    EXPECT_EQ(padKey(10)->text, L"q");
    EXPECT_EQ(padKey(10)->textOffsetX, 3);
    tapAt(keyCentre(1, 0)); // row 2 of the index texts
    EXPECT_EQ(pad->text(), L"Q:q");
    tapAt(clearKey);
    EXPECT_EQ(pad->text(), L"");
    tapAt(okKey);
    EXPECT_EQ(sprite(L"txtNote")->text, L"") << "an empty text is accepted where it is allowed";
    EXPECT_EQ(page->lastRelease().keyState, 1u);
}

TEST_F(InputPadTest, OkOnAnEmptyRequiredTextOrEscCancels) {
    openFor(L"txtName"); // allowEmpty 0
    tapAt(clearKey);
    tapAt(okKey);
    EXPECT_FALSE(pad->isOpen());
    EXPECT_EQ(page->lastRelease().node, L"txtName");
    EXPECT_EQ(page->lastRelease().keyState, 0u);
    EXPECT_EQ(sprite(L"txtName")->text, L"Ann");

    openFor(L"txtName");
    tapAt(keyCentre(0, 4));
    tapAt(cancelKey);
    EXPECT_EQ(page->lastRelease().keyState, 0u);
    EXPECT_EQ(sprite(L"txtName")->text, L"Ann");
}

TEST_F(InputPadTest, HardwareKeys) {
    openFor(L"txtName");
    key(VK_BACK);
    key(VK_ESCAPE);
    EXPECT_EQ(pad->text(), L"A") << "Backspace and Escape delete";
    key('1'); // index texts: "1" then "3" press row 1, column 3
    key('3');
    EXPECT_EQ(pad->text(), L"A4");
    key('9'); // Ok
    EXPECT_FALSE(pad->isOpen());
    EXPECT_EQ(sprite(L"txtName")->text, L"A4");

    page->shortcutsEnabled = false;
    openFor(L"txtName");
    keyChanged('Q', true, false);
    keyChanged('Q', true, true); // a held key presses once
    keyChanged('Q', false, false);
    keyChanged(VK_OEM_1, true, false); // not in the layout
    key(VK_LEFT);                      // its code is '%' of the layout, but it is an arrow
    pumpMessages();
    EXPECT_EQ(pad->text(), L"A4q") << "letters press the key that carries them";
    key(VK_RETURN);
    EXPECT_FALSE(pad->isOpen());
    EXPECT_EQ(page->lastRelease().keyState, 1u);
    EXPECT_EQ(sprite(L"txtName")->text, L"A4q");
}

TEST_F(InputPadTest, PlainColoursAreInvertedOnADarkPad) {
    openFor(L"txtNote");
    const Sprite* frame = static_cast<Sprite*>(padScene()->find(L"sptFrame_MSGBOX"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->frameColor, 0x000000u);
    EXPECT_EQ(padScene()->bkgColor, 0xC3C3C3u);
    EXPECT_EQ(padKey(0)->color, 0x9B9B9Bu);
    EXPECT_EQ(padKey(0)->indexText, L"10");
    tapAt(cancelKey);

    page->createInputPad(0xC8C8C8, L"", L"", L"", L"");
    pad = page->inputPad();
    openFor(L"txtNote");
    EXPECT_EQ(static_cast<Sprite*>(padScene()->find(L"sptFrame_MSGBOX"))->frameColor, 0xFFFFFFu);
    EXPECT_EQ(padScene()->bkgColor, 0x3C3C3Cu);
    EXPECT_EQ(padKey(0)->color, 0x646464u);
    EXPECT_EQ(padKey(0)->textColor, 0xC8C8C8u);
}

TEST_F(InputPadTest, ReplacingOrReloadingWhileOpenLeavesNothingDangling) {
    openFor(L"txtNote");
    page->createInputPad(0x141414, L"", L"", L"", L"");
    EXPECT_EQ(page->mouseListener(), page) << "the replaced pad gave the listeners back";
    EXPECT_EQ(page->findScene(inputPadSceneName), nullptr);

    pad = page->inputPad();
    openFor(L"txtNote");
    ASSERT_TRUE(page->loadTemplate(folder, L"page.properties", true)); // destroys the edit box
    pad->closePad(true);
    EXPECT_FALSE(pad->isOpen());
    EXPECT_EQ(page->mouseListener(), page);
    openFor(L"txtNote"); // the pad scene is built again
    EXPECT_NE(padScene(), nullptr);
    pad->closePad(false);
}

TEST_F(InputPadTest, TheLayoutIsScaledAndCentredOnThePage) {
    setUiScale(0.5f);
    page->createInputPad(0x141414, L"", L"", L"", L"");
    pad = page->inputPad();
    pad->openPad(sprite(L"txtNote"), L"", L"Note", 5, true);
    const SceneSprite* scene = padScene();
    EXPECT_EQ(scene->width, 115);
    EXPECT_EQ(scene->height, 100);
    EXPECT_EQ(scene->x, 62) << "(240 - 115) / 2";
    EXPECT_EQ(scene->y, 110);
    EXPECT_EQ(padKey(11)->x, 16) << "(int)((11 + 21) * 0.5 + 0.5)";
    EXPECT_EQ(padKey(11)->y, 42);
    EXPECT_EQ(padKey(11)->width, 8);
    EXPECT_EQ(padKey(11)->textSize, 9) << "scaled 16, and one more off scale 1";
    // Pressed, the key moves one pixel from its scaled place, and back when released.
    pointerPressed(scene->x + 18, scene->y + 43, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(padKey(11)->x, 17);
    pointerReleased(scene->x + 18, scene->y + 43, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(padKey(11)->x, 16);
    EXPECT_EQ(pad->text(), L"w");
    pad->closePad(false);
}

TEST_F(InputPadTest, PicturesReplaceThePlainFrameAndFills) {
    TempFolder pictures;
    ASSERT_TRUE(writeImageFile(pictures.os("pad.bmp").string(), 230, 200,
                               std::vector<uint32_t>(230 * 200, 0xE0E0E0)));
    ASSERT_TRUE(
        writeImageFile(pictures.os("key.bmp").string(), 18, 18, std::vector<uint32_t>(18 * 18, 0xF0F0F0)));
    ASSERT_TRUE(
        writeImageFile(pictures.os("big.bmp").string(), 40, 20, std::vector<uint32_t>(40 * 20, 0x202020)));
    page->createInputPad(0x141414, pictures.game(), L"pad.bmp", L"key.bmp", L"big.bmp");
    pad = page->inputPad();
    openFor(L"txtNote");
    const SceneSprite* scene = padScene();
    EXPECT_EQ(scene->find(L"sptFrame_MSGBOX"), nullptr);
    ASSERT_NE(scene->bkgTexture, nullptr);
    EXPECT_EQ(scene->bkgTexture->width, 230);
    EXPECT_EQ(padKey(0)->width, 18) << "keys take the size of their picture";
    ASSERT_NE(padKey(0)->texture, nullptr);
    EXPECT_EQ(padKey(0)->brightTexture, padKey(0)->texture);
    EXPECT_EQ(padKey(0)->color, noColor);
    const auto* ok = static_cast<const Sprite*>(scene->find(L"btnOk_MSGBOX"));
    EXPECT_EQ(ok->texture->width, 40);
    EXPECT_EQ(ok->color, noColor);
    tapScreen(16 + 9 + 21, 114 + 9); // the middle of the 18-pixel key (0, 1)
    EXPECT_EQ(pad->text(), L"2");
    tapAt(okKey);
    EXPECT_EQ(sprite(L"txtNote")->text, L"2");
}

} // namespace
} // namespace velmora::test
