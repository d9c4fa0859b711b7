#include "canvas_fixture.h"

#include "gui/drag_pad.h"
#include "render/scene_sprite.h"

namespace velmora::test {
namespace {

using Pointer = CanvasPage;

TEST_F(Pointer, OnlyVisibleWidgetSpritesAreHitWithTheirEdgesIncluded) {
    ASSERT_TRUE(load(L"widgets.properties"));
    tap(5, 5); // the banner has no widget kind
    EXPECT_EQ(page->pressedNode(), nullptr);
    EXPECT_EQ(page->commands, (std::vector<std::wstring>{L"down -", L"up -"}))
        << "the listener still sees the tap";
    // btnOk covers x 10..70 and y 200..220, both edges included.
    for (auto [x, y] : {std::pair{10, 200}, {70, 220}, {40, 210}}) {
        tap(x, y);
        EXPECT_EQ(page->pressedNode(), sprite(L"btnOk")) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{9, 210}, {71, 210}, {40, 221}}) {
        tap(x, y);
        EXPECT_EQ(page->pressedNode(), nullptr) << x << "," << y;
    }
    tap(100, 240);
    EXPECT_EQ(page->pressedNode(), sprite(L"editName"));
}

TEST_F(Pointer, TheTopmostVisibleSpriteSceneTakesEveryTap) {
    ASSERT_TRUE(load(L"widgets.properties"));
    ASSERT_TRUE(load(L"second.properties", false)); // a scene added later covers the page
    tap(40, 210);                                   // btnOk of the first page, outside the added scene
    EXPECT_EQ(page->pressedNode(), nullptr);
    EXPECT_EQ(sprite(L"btnOk")->status, SpriteStatus::Normal);
    tap(85, 25); // btnBack of the added scene
    EXPECT_EQ(page->pressedNode()->name, L"btnBack");
    page->findScene(L"sceneSecond")->visible = false; // a hidden scene is passed over
    tap(40, 210);
    EXPECT_EQ(page->pressedNode(), sprite(L"btnOk"));
}

TEST_F(Pointer, ReleaseGoesToThePressedNodeWhereverItHappens) {
    ASSERT_TRUE(load(L"widgets.properties"));
    Sprite* ok = sprite(L"btnOk");
    pointerPressed(40, 210, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(ok->status, SpriteStatus::Bright);
    pointerMoved(200, 10);
    pointerReleased(200, 10, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(ok->status, SpriteStatus::Normal);
    EXPECT_EQ(page->commands, (std::vector<std::wstring>{L"down btnOk", L"up btnOk"}));
}

TEST_F(Pointer, QuarterTurnedScreenTurnsTapsIntoPagePoints) {
    ASSERT_TRUE(load(L"widgets.properties"));
    page->setOrientation(ScreenOrientation::CounterClockwise); // the page is now 320 x 240
    page->onMouse(WM_LBUTTONDOWN, MK_LBUTTON, 210, 320 - 40,
                  MousePhase::BeforeListener); // page point (40, 210)
    EXPECT_EQ(page->pressedNode(), sprite(L"btnOk"));
}

using Widgets = CanvasPage;

TEST_F(Widgets, CheckboxGroupTicksOneMemberAndWritesBackThePosition) {
    ASSERT_TRUE(load(L"widgets.properties"));
    tap(75, 65); // chkHard, the third member
    EXPECT_EQ(sprite(L"chkEasy")->status, SpriteStatus::Normal);
    EXPECT_EQ(sprite(L"chkNormal")->status, SpriteStatus::Normal);
    EXPECT_EQ(sprite(L"chkHard")->status, SpriteStatus::Bright);
    EXPECT_EQ(*page->pageTemplate.get(L"grpLevel"), L" GUIType:checkboxGroup, selected:2");
    EXPECT_EQ(page->selectedIndex(L"grpLevel"), 2);
    EXPECT_TRUE(page->isNodeOn(L"chkHard"));
    EXPECT_FALSE(page->isNodeOn(L"chkEasy"));
    tap(75, 65); // pressing the ticked member keeps it ticked
    EXPECT_EQ(sprite(L"chkHard")->status, SpriteStatus::Bright);
}

TEST_F(Widgets, CheckboxWithoutItsGroupLineComplainsButStillToggles) {
    ASSERT_TRUE(load(L"widgets.properties"));
    const int boxes = messageBoxCount();
    tap(45, 105);
    EXPECT_EQ(messageBoxCount(), boxes + 1);
    EXPECT_EQ(lastMessageBox().text,
              L"The property \"grpName=GUIType:checkboxGroup, selected:0\" need to be added into template.");
    EXPECT_EQ(sprite(L"chkOrphan")->status, SpriteStatus::Bright);
}

TEST_F(Widgets, PersistentBoxSurvivesAReloadFromDisk) {
    ASSERT_TRUE(load(L"widgets.properties"));
    tap(75, 65);  // not persistent: changes the template in memory only...
    tap(15, 105); // ...until the persistent box saves the whole page
    ASSERT_EQ(sprite(L"chkSound")->status, SpriteStatus::Bright);
    ASSERT_TRUE(load(L"widgets.properties"));
    EXPECT_EQ(sprite(L"chkSound")->status, SpriteStatus::Bright);
    EXPECT_EQ(sprite(L"chkHard")->status, SpriteStatus::Bright);
    EXPECT_EQ(sprite(L"chkEasy")->status, SpriteStatus::Normal);
    tap(15, 105);
    ASSERT_TRUE(load(L"widgets.properties"));
    EXPECT_EQ(sprite(L"chkSound")->status, SpriteStatus::Normal);
}

TEST_F(Widgets, TipShowsItsNodeWhilePressedAndHyperlinkReplacesThePage) {
    ASSERT_TRUE(load(L"widgets.properties"));
    pointerPressed(210, 290, PointerButton::Left);
    pumpMessages();
    EXPECT_TRUE(sprite(L"sptHelp")->visible);
    EXPECT_EQ(sprite(L"tipHelp")->status, SpriteStatus::Bright);
    pointerReleased(210, 290, PointerButton::Left);
    pumpMessages();
    EXPECT_FALSE(sprite(L"sptHelp")->visible);
    EXPECT_EQ(sprite(L"tipHelp")->status, SpriteStatus::Normal);

    tap(20, 285);
    EXPECT_EQ(page->findNode(L"lnkNext"), nullptr);
    EXPECT_NE(page->findScene(L"sceneSecond"), nullptr);
    EXPECT_EQ(page->templateName, L"second.properties");
    EXPECT_EQ(page->pressedNode(), nullptr) << "the reload forgets the destroyed node";
}

TEST_F(Widgets, ItemsReadIntoWidgetFields) {
    ASSERT_TRUE(load(L"widgets.properties"));
    EXPECT_EQ(sprite(L"btnCancel")->guiType, GuiType::Button) << "kind names ignore case";
    EXPECT_EQ(sprite(L"editName")->widgetText, L"-1,Name") << "maxLength 0 gives 1; required";
    EXPECT_EQ(sprite(L"chkEasy")->status, SpriteStatus::Bright);
    EXPECT_TRUE(sprite(L"lnkNext")->textUnderline);
    EXPECT_FALSE(sprite(L"btnOk")->textUnderline);
    tap(120, 250); // an edit box without an input pad does nothing by itself
    EXPECT_EQ(sprite(L"editName")->status, SpriteStatus::Normal);
}

using Keys = CanvasPage;

TEST_F(Keys, TwoCharacterIndexTextWithinTwoSecondsPressesItsNode) {
    ASSERT_TRUE(load(L"widgets.properties"));
    key('1', true);
    key('1', false);
    clock.advance(2000);
    key('2', true);
    EXPECT_EQ(sprite(L"btnOk")->status, SpriteStatus::Bright);
    key('2', false);
    EXPECT_EQ(sprite(L"btnOk")->status, SpriteStatus::Normal);
    EXPECT_EQ(page->commands, (std::vector<std::wstring>{L"down btnOk", L"up btnOk"}));

    page->commands.clear();
    key('1', true);
    key('1', false);
    clock.advance(2001); // too long a pause: '2' starts a new sequence
    key('2', true);
    key('2', false);
    EXPECT_TRUE(page->commands.empty());
}

TEST_F(Keys, HeldKeyPressesItsShortcutOnce) {
    ASSERT_TRUE(load(L"widgets.properties"));
    key('3', true);
    key('3', true, true);
    key('3', true, true);
    key('3', false);
    EXPECT_EQ(page->commands, (std::vector<std::wstring>{L"down btnCancel", L"up btnCancel"}));
    key('3', true);
    key('3', false);
    EXPECT_EQ(page->commands.size(), 4u) << "a new press after the release counts again";
}

TEST_F(Keys, MenuKeyPressesTheMenuButtonWhileThePageShowsIt) {
    ASSERT_TRUE(load(L"widgets.properties"));
    key(VK_APPS, true);
    key(VK_APPS, false);
    EXPECT_TRUE(page->commands.empty()) << "this page has no menu button";
    page->menuButton = L"btnCancel";
    key(VK_APPS, true);
    key(VK_APPS, true, true);
    key(VK_APPS, false);
    EXPECT_EQ(page->commands, (std::vector<std::wstring>{L"down btnCancel", L"up btnCancel"}));
    sprite(L"btnCancel")->visible = false;
    key(VK_APPS, true);
    key(VK_APPS, false);
    EXPECT_EQ(page->commands.size(), 2u) << "a hidden button is not pressed";
}

TEST_F(Keys, HeldBitsAndTheLastReleasedKey) {
    key(VK_LEFT, true);
    key(VK_ACTION, true);
    key('Q', true);
    EXPECT_EQ(page->keysHeld(), KeyBitLeft | KeyBitAction);
    key(VK_LEFT, false);
    EXPECT_EQ(page->keysHeld(), uint32_t{KeyBitAction});
    EXPECT_EQ(page->lastReleasedKey(), VK_LEFT);
    EXPECT_EQ(page->lastReleasedKey(), 0) << "reading it clears it";
    key(VK_DOWN, true);
    key(VK_DOWN, false);
    key(VK_ACTION, false);
    EXPECT_EQ(page->lastReleasedKey(), VK_ACTION);
    EXPECT_EQ(page->releasedKeyBits(), KeyBitLeft | KeyBitDown | KeyBitAction)
        << "every key-up since the last read";
    EXPECT_EQ(page->releasedKeyBits(), 0u);

    page->singleKeyMode = true;
    key(VK_UP, true);
    EXPECT_EQ(page->keysHeld(), uint32_t{KeyBitUp});
    key(VK_UP, false);
    EXPECT_EQ(page->keysHeld(), 0u);
    page->singleKeyMode = false;

    page->rotateArrowKeys = true;
    page->setOrientation(ScreenOrientation::CounterClockwise);
    key(VK_LEFT, true);
    EXPECT_EQ(page->keysHeld(), uint32_t{KeyBitUp}) << "left is up on a quarter-turned screen";
    key(VK_LEFT, false);
    EXPECT_EQ(page->lastReleasedKey(), VK_UP);
}

TEST(DragPad, DirectionsByModeAndTheKeysTheyHold) {
    EXPECT_EQ(dragDirection(5, -5, 10, 2), DragNone);
    EXPECT_EQ(dragDirection(30, 0, 10, 1), DragRight);
    EXPECT_EQ(dragDirection(0, -30, 10, 1), DragUp);
    EXPECT_EQ(dragDirection(30, -30, 10, 1), DragRight) << "a tie goes to the first";
    EXPECT_EQ(dragDirection(30, -30, 10, 2), DragUpRight);
    EXPECT_EQ(dragDirection(-30, 25, 10, 2), DragDownLeft);
    EXPECT_EQ(dragDirectionKeys(DragDownRight), KeyBitDown | KeyBitRight);
    EXPECT_EQ(dragDirectionKeys(DragNone), 0u);
}

TEST_F(Keys, DragPadHoldsArrowBitsWhileDraggingOutsideWidgets) {
    ASSERT_TRUE(load(L"widgets.properties"));
    page->createDragPad(2, 10, 2);
    pointerPressed(150, 150, PointerButton::Left);
    pointerMoved(120, 180);
    pumpMessages();
    EXPECT_TRUE(page->dragPad()->isDragging());
    EXPECT_EQ(page->keysHeld(), KeyBitDown | KeyBitLeft);
    pointerReleased(120, 180, PointerButton::Left);
    pumpMessages();
    EXPECT_EQ(page->keysHeld(), 0u);
    pointerPressed(40, 210, PointerButton::Left); // on a widget the pad does not start
    pumpMessages();
    EXPECT_FALSE(page->dragPad()->isDragging());
}

} // namespace
} // namespace velmora::test
