#include "gui/message_box.h"
#include "overlay_page.h"
#include "render/sprite.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// The box of templates/messagebox.properties: 200 x 120 at (20, 100); buttons 40 x 20 at y 190.
constexpr int buttonY = 200, okX = 120, yesX = 70, noX = 170;

using MessageBox = OverlayTest;

TEST_F(MessageBox, WithoutTheSceneNothingIsOpenAndThereIsNoKey) {
    EXPECT_FALSE(isMessageOpen(*page));
    EXPECT_EQ(messageKey(*page), std::nullopt);
    hideMessage(*page, true);
    EXPECT_EQ(page->findScene(messageBoxSceneName), nullptr);
}

TEST_F(MessageBox, EachButtonSetShowsItsButtonsAndTheBoxIsAddedOnce) {
    const size_t pageScenes = page->scenes.size();
    struct Case {
        MessageButtons buttons;
        bool ok, yes, no;
    };
    for (const Case& c :
         {Case{MessageButtons::Ok, true, false, false}, Case{MessageButtons::YesNo, false, true, true},
          Case{MessageButtons::None, false, false, false}}) {
        if (Sprite* ok = sprite(L"btnOK"))
            ok->status = SpriteStatus::Bright; // left pressed by an earlier message
        showMessage(*page, L"Quit the Game?", L"QUIT", c.buttons, nullptr, false);
        ASSERT_TRUE(isMessageOpen(*page));
        EXPECT_EQ(sprite(L"btnOK")->visible, c.ok);
        EXPECT_EQ(sprite(L"btnYes")->visible, c.yes);
        EXPECT_EQ(sprite(L"btnNo")->visible, c.no);
        EXPECT_EQ(sprite(L"btnOK")->status, SpriteStatus::Normal);
        EXPECT_FALSE(sprite(L"sptArmL")->visible);
        EXPECT_EQ(sprite(L"sptMessage")->text, L"Quit the Game?");
        EXPECT_EQ(sprite(L"sptMessage_shadow")->textSize, 16);
        hideMessage(*page, false);
        EXPECT_FALSE(isMessageOpen(*page));
    }
    EXPECT_EQ(page->scenes.size(), pageScenes + 1);
    EXPECT_EQ(messageKey(*page), L"QUIT") << "the key stays readable after the box is hidden";
    EXPECT_EQ(page->templateName, L"page.properties");
}

TEST_F(MessageBox, AnswersReachThePageAsReleasesOverTheButtons) {
    showMessage(*page, L"In the water. Drop ball here?", L"WATER_HAZARD", MessageButtons::YesNo, nullptr,
                false);
    tapScreen(yesX, buttonY);
    EXPECT_EQ(page->lastRelease().node, L"btnYes");
    tapScreen(noX, buttonY);
    EXPECT_EQ(page->lastRelease().node, L"btnNo");
    tapScreen(okX, buttonY);
    EXPECT_EQ(page->lastRelease().node, L"") << "a hidden button cannot be tapped";
    const auto picture = Texture::blank(200, 120, 0x808080, PowerOfTwo::No);
    showMessage(*page, L"Hole-in-one!", L"RESULT", MessageButtons::Ok, picture.get(), false);
    EXPECT_EQ(sprite(L"sptBoxBkgTexture")->texture, picture.get());
    tapScreen(okX, buttonY);
    EXPECT_EQ(page->lastRelease().node, L"btnOK");
    showMessage(*page, L"Game Saved", L"SAVED", MessageButtons::Ok, nullptr, false);
    EXPECT_EQ(sprite(L"sptBoxBkgTexture")->texture, nullptr) << "each message sets its own picture";
    EXPECT_EQ(messageKey(*page), L"SAVED");
}

TEST_F(MessageBox, TheBoxTakesEveryTapWhileShown) {
    Sprite* play = sprite(L"btnPlay");
    const Sprite* name = sprite(L"txtName");
    showMessage(*page, L"Loading golf course...", L"LOADING", MessageButtons::None, nullptr, false);
    for (auto [x, y] : {std::pair{40, 125}, std::pair{40, 20}, std::pair{name->x + 5, name->y + 5}}) {
        pointerPressed(x, y, PointerButton::Left);
        pumpMessages();
        EXPECT_EQ(page->pressedNode(), nullptr) << "inside or outside the box, nothing below is hit";
        EXPECT_EQ(play->status, SpriteStatus::Normal);
        pointerReleased(x, y, PointerButton::Left);
        pumpMessages();
    }
    EXPECT_FALSE(page->heard.empty()) << "the page's listener still hears the taps";
    hideMessage(*page, false);
    tapScreen(40, 125);
    EXPECT_EQ(page->lastRelease().node, L"btnPlay");
}

TEST_F(MessageBox, SlidesInFromAboveAndOutAgainEndingWhereItStarted) {
    showMessage(*page, L"Eagle!", L"RESULT", MessageButtons::Ok, nullptr, true);

    // y0 = 100 and the box is 120 high: s = 220, steps y0 - (7 - k) * 220 / 7.
    const std::vector<int> slideIn{-120, -88, -57, -25, 6, 38, 69, 100};
    EXPECT_EQ(page->boxHeights, slideIn);
    const Scene* box = page->findScene(messageBoxSceneName);
    EXPECT_EQ(box->y, 100);
    EXPECT_EQ(box->painter->viewport.y, 100) << "the background moves with the sprites";
    EXPECT_TRUE(static_cast<Sprite*>(page->findNode(L"sptArmL"))->visible);
    EXPECT_EQ(clock.totalSlept(), 8u * 30u) << "each step is shown for a moment";
    // The box's background reached its place: a pixel at its lower edge is the box colour.
    EXPECT_EQ(page->backBuffer()->getPixel(30, 215) & 0xF8FCF8, 0x000080u);

    page->boxHeights.clear();
    hideMessage(*page, true);
    EXPECT_EQ(page->boxHeights, (std::vector<int>{100, 69, 38, 6, -25, -57, -88, -120}));
    EXPECT_FALSE(isMessageOpen(*page));
    EXPECT_EQ(box->y, 100);
}

} // namespace
} // namespace velmora::test
