#include "gui/input_pad.h"

#include "base/wide_string.h"
#include "gui/canvas.h"
#include "platform/message_queue.h"
#include "platform/messages.h"
#include "platform/ui_scale.h"
#include "render/colour.h"
#include "render/scene_sprite.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velmora {

namespace {

// The layout, in pixels of the 240-pixel page.
constexpr int padWidth = 230, padHeight = 200;
constexpr int indexTextOffsetX = 10, indexTextOffsetY = -10;
constexpr int functionKeyWidth = 40, functionKeyHeight = 20, functionKeyY = 173;
constexpr int keyImageSize = 18, plainKeySize = 16;
constexpr int firstKeyX = 11, keyPitchX = 21, firstKeyY = 54, keyPitchY = 30;
constexpr int keysPerRow = 10;
constexpr int normalLabelOffsetX = 3, shiftedLabelOffsetX = 2;

constexpr uint32_t white = 0xFFFFFF, black = 0;
constexpr uint32_t plainPadBackground = colour::make(60, 60, 60);
constexpr uint32_t functionKeyFill = colour::make(90, 80, 60),
                   functionKeyBrightFill = colour::make(50, 40, 20);
constexpr uint32_t keyFill = colour::make(100, 100, 100), keyBrightFill = colour::make(60, 60, 60);

constexpr wchar_t frameName[] = L"sptFrame_MSGBOX";
constexpr wchar_t titleName[] = L"sptMessage_MSGBOX";
constexpr wchar_t editFieldName[] = L"btnEditbox_MSGBOX";
constexpr wchar_t characterKeyName[] = L"btn_MSGBOX";
constexpr wchar_t capsName[] = L"btnCaps_MSGBOX";
constexpr wchar_t clearName[] = L"btnClear_MSGBOX";
constexpr wchar_t deleteName[] = L"btnDel_MSGBOX";
constexpr wchar_t cancelName[] = L"btnCancel_MSGBOX";
constexpr wchar_t okName[] = L"btnOk_MSGBOX";

struct FunctionKey {
    const wchar_t* name;
    const wchar_t* label;
    const wchar_t* indexText;
    int x;
    GuiType kind;
};
constexpr std::array<FunctionKey, 5> functionKeys{{
    {capsName, L"Caps", L"6", 10, GuiType::Checkbox},
    {clearName, L"Clear", L"7", 53, GuiType::Button},
    {deleteName, L"Del", L"8", 96, GuiType::Button},
    {cancelName, L"Esc", L"0", 139, GuiType::Button},
    {okName, L"Ok", L"9", 182, GuiType::Button},
}};

// On a dark pad the plain colours are turned to their opposites, so that keys stay readable.
uint32_t onPad(uint32_t plainColour, bool darkPad) {
    return darkPad ? colour::invert(plainColour) : plainColour;
}

Sprite* childSprite(const Scene& scene, int index) {
    return static_cast<Sprite*>(scene.children.at(index));
}

Sprite* findSprite(const Scene& scene, const wchar_t* name) {
    return static_cast<Sprite*>(scene.find(name));
}

Sprite& addSprite(Scene& scene, const wchar_t* name, int x, int y, int width, int height) {
    Sprite& sprite = *scene.add(name, std::make_unique<Sprite>());
    sprite.x = scaled(x);
    sprite.y = scaled(y);
    sprite.width = scaled(width);
    sprite.height = scaled(height);
    return sprite;
}

} // namespace

InputPad::InputPad(Canvas& page, uint32_t colour, std::wstring imageFolder, std::wstring backgroundName,
                   std::wstring keyName, std::wstring bigKeyName)
    : page_(page), colour_(colour), backgroundName_(std::move(backgroundName)), keyName_(std::move(keyName)),
      bigKeyName_(std::move(bigKeyName)), folder_(std::move(imageFolder)) {}

InputPad::~InputPad() {
    if (!open_)
        return;
    page_.setMouseListener(savedMouseListener_);
    page_.setKeyListener(savedKeyListener_);
    page_.topSceneOnlyShortcuts = false;
}

SceneSprite* InputPad::findPadScene() const {
    Scene* scene = page_.findScene(inputPadSceneName);
    return scene && scene->kind == SceneKind::Sprite ? static_cast<SceneSprite*>(scene) : nullptr;
}

// The scene lives in the page's scene list, so a reloading template load destroys it with the
// rest of the page; it is then built again by the next open. Its pictures come from the page's
// image cache, which the same reload empties.
SceneSprite& InputPad::buildPadScene() {
    Texture* background = nullptr;
    if (!folder_.empty()) {
        background = page_.imageCache.lookup(folder_, backgroundName_, PowerOfTwo::No);
        keyImage_ = page_.imageCache.lookup(folder_, keyName_, PowerOfTwo::No);
        bigKeyImage_ = page_.imageCache.lookup(folder_, bigKeyName_, PowerOfTwo::No);
    } else {
        keyImage_ = bigKeyImage_ = nullptr;
    }
    const bool darkPad = colour::average(colour_) < 128;

    auto built = std::make_unique<SceneSprite>();
    SceneSprite& scene = *built;
    scene.width = scaled(padWidth);
    scene.height = scaled(padHeight);
    scene.x = (page_.pageWidth() - scene.width) / 2;
    scene.y = (page_.pageHeight() - scene.height) / 2;
    scene.bkgColor = black;
    scene.bkgTexture = background;
    scene.indexTextOffsetX = indexTextOffsetX;
    scene.indexTextOffsetY = indexTextOffsetY;
    scene.setIndexTextSize(std::max(11, scaled(16)));
    if (!background) {
        Sprite& frame = addSprite(scene, frameName, 0, 0, 0, 0);
        frame.width = scene.width;
        frame.height = scene.height;
        frame.frameColor = onPad(white, darkPad);
        scene.bkgColor = onPad(plainPadBackground, darkPad);
    }

    const int textSize = scaled(16) + (uiScale() != 1.0f ? 1 : 0);
    Sprite& title = addSprite(scene, titleName, 5, 6, 220, 16);
    title.textSize = textSize;
    title.textColor = colour_;
    title.textAlignment = TextAlignment::Center;

    Sprite& editField = addSprite(scene, editFieldName, 20, 24, 190, 18);
    editField.color = colour_;
    editField.frameColor = colour::invert(colour_);
    editField.textColor = colour::invert(colour_);
    editField.textSize = textSize;
    editField.textFormatted = false;

    addFunctionKeys(scene, textSize, darkPad);
    firstKey_ = scene.children.count();
    addCharacterKeys(scene, textSize, darkPad);
    labelKeys(scene);
    return static_cast<SceneSprite&>(*page_.addScene(std::move(built), inputPadSceneName));
}

void InputPad::addFunctionKeys(SceneSprite& scene, int textSize, bool darkPad) {
    for (const FunctionKey& entry : functionKeys) {
        Sprite& key =
            addSprite(scene, entry.name, entry.x, functionKeyY, functionKeyWidth, functionKeyHeight);
        key.guiType = entry.kind;
        key.indexText = entry.indexText;
        key.setText(entry.label);
        key.textSize = textSize;
        key.textAlignment = TextAlignment::Center;
        key.textOffsetY = 1;
        key.textColor = colour::invert(colour_);
        if (bigKeyImage_) {
            key.texture = key.brightTexture = bigKeyImage_;
        } else {
            key.color = onPad(functionKeyFill, darkPad);
            key.brightColor = onPad(functionKeyBrightFill, darkPad);
            key.frameColor = black;
        }
    }
}

void InputPad::addCharacterKeys(SceneSprite& scene, int textSize, bool darkPad) {
    const int size = keyImage_ ? keyImageSize : plainKeySize;
    for (int i = 0; i < characterKeyCount; ++i) {
        const int row = i / keysPerRow, column = i % keysPerRow;
        Sprite& key = addSprite(scene, characterKeyName, firstKeyX + keyPitchX * column,
                                firstKeyY + keyPitchY * row, size, size);
        key.guiType = GuiType::Button;
        key.indexText = formatWide(L"%d%d", row + 1, column);
        key.textSize = textSize;
        key.textColor = colour_;
        key.textOffsetY = -1;
        key.textFormatted = false;
        if (keyImage_) {
            key.texture = key.brightTexture = keyImage_;
        } else {
            key.color = onPad(keyFill, darkPad);
            key.brightColor = onPad(keyBrightFill, darkPad);
            key.frameColor = black;
        }
    }
}

void InputPad::labelKeys(SceneSprite& scene) const {
    const std::wstring_view labels = caps_ ? shiftedKeyLabels : normalKeyLabels;
    for (int i = 0; i < characterKeyCount; ++i) {
        Sprite* key = childSprite(scene, firstKey_ + i);
        if (!key)
            return;
        key->text.assign(1, labels[i]);
        key->textOffsetX = caps_ ? shiftedLabelOffsetX : normalLabelOffsetX;
    }
    if (Sprite* capsKey = findSprite(scene, capsName))
        capsKey->text = caps_ ? L"CAPS" : L"Caps";
}

// Where a key sits when it is not pressed: function keys by their name, character keys by their
// place in the scene.
bool InputPad::homeOf(const SceneSprite& scene, const Sprite& key, int& x, int& y) const {
    for (const FunctionKey& entry : functionKeys) {
        if (key.name == entry.name) {
            x = scaled(entry.x);
            y = scaled(functionKeyY);
            return true;
        }
    }
    const int i = scene.children.indexOf(&key) - firstKey_;
    if (i < 0 || i >= characterKeyCount)
        return false;
    x = scaled(firstKeyX + keyPitchX * (i % keysPerRow));
    y = scaled(firstKeyY + keyPitchY * (i / keysPerRow));
    return true;
}

void InputPad::resetKeys(SceneSprite& scene) const {
    for (int i = 0; i < scene.children.count(); ++i) {
        Sprite* key = childSprite(scene, i);
        int x = 0, y = 0;
        if (!homeOf(scene, *key, x, y))
            continue;
        key->x = x;
        key->y = y;
        if (key->guiType == GuiType::Button)
            key->status = SpriteStatus::Normal;
    }
    if (Sprite* capsKey = findSprite(scene, capsName))
        capsKey->status = caps_ ? SpriteStatus::Bright : SpriteStatus::Normal;
}

void InputPad::showText(SceneSprite& scene) const {
    // The typed text is shown as it is: no escapes are expanded.
    if (Sprite* editField = findSprite(scene, editFieldName))
        editField->text = buffer_;
}

void InputPad::openPad(Sprite* target, const std::wstring& text, const std::wstring& title, int maximum,
                       bool emptyAllowed) {
    maximum_ = std::clamp(maximum, 0, maximumLength);
    target_ = target;
    emptyAllowed_ = emptyAllowed;
    SceneSprite* scene = findPadScene();
    if (!scene)
        scene = &buildPadScene();
    buffer_.assign(text, 0, static_cast<size_t>(maximum_));
    page_.topSceneOnlyShortcuts = true;
    if (!open_) {
        savedMouseListener_ = page_.mouseListener();
        savedKeyListener_ = page_.keyListener();
    }
    page_.setMouseListener(this);
    page_.setKeyListener(this);
    open_ = true;
    resetKeys(*scene);
    labelKeys(*scene);
    showText(*scene);
    if (Sprite* titleSprite = findSprite(*scene, titleName))
        titleSprite->text = title;
    lastKeyIndex_ = -1;
    scene->visible = true;
    page_.repaint();
}

const Scene* InputPad::sceneHolding(const Sprite* node) const {
    for (const auto& scene : page_.scenes) {
        if (scene->children.contains(node))
            return scene.get();
    }
    return nullptr;
}

void InputPad::closePad(bool accept) {
    if (!open_)
        return;
    if (buffer_.empty() && !emptyAllowed_)
        accept = false;
    // A reload while the pad was open destroyed the edit box: it is then no longer told anything.
    const Scene* targetScene = sceneHolding(target_);
    Sprite* target = targetScene ? target_ : nullptr;
    if (accept && target)
        target->text = buffer_;
    buffer_.clear();
    target_ = nullptr;
    open_ = false;
    // The page gets its listeners back before it hears of the release, so that it may open the pad
    // or show a message again from there.
    MouseListener* listener = savedMouseListener_;
    page_.setMouseListener(savedMouseListener_);
    page_.setKeyListener(savedKeyListener_);
    savedMouseListener_ = nullptr;
    savedKeyListener_ = nullptr;
    page_.topSceneOnlyShortcuts = false;
    if (SceneSprite* scene = findPadScene())
        scene->visible = false;
    if (listener && target) {
        const int x = targetScene->x + target->x + target->drawWidth() / 2;
        const int y = targetScene->y + target->y + target->drawHeight() / 2;
        page_.pressedNode_ = target;
        listener->onCommand(&page_, WM_LBUTTONUP, accept ? 1 : 0, x, y);
        page_.pressedNode_ = nullptr;
    }
    page_.repaint();
}

void InputPad::pressKey(SceneSprite& scene, Sprite& key) {
    int x = 0, y = 0;
    if (!homeOf(scene, key, x, y))
        return;
    key.x = x + 1;
    key.y = y + 1;
}

void InputPad::releaseKey(SceneSprite& scene, Sprite& key) {
    int x = 0, y = 0;
    if (homeOf(scene, key, x, y)) {
        key.x = x;
        key.y = y;
    }
    if (key.name == capsName) {
        caps_ = key.status == SpriteStatus::Bright; // the check box turned itself on the press
        labelKeys(scene);
        return;
    }
    if (key.name == clearName) {
        buffer_.clear();
    } else if (key.name == deleteName) {
        if (!buffer_.empty())
            buffer_.pop_back();
    } else if (key.name == cancelName || key.name == okName) {
        // Closing forgets the pressed node, so the button is let go here.
        key.status = SpriteStatus::Normal;
        closePad(key.name == okName);
        return;
    } else if (key.name == characterKeyName) {
        const size_t room =
            static_cast<size_t>(maximum_) - std::min(buffer_.size(), static_cast<size_t>(maximum_));
        buffer_.append(key.text, 0, room);
    } else {
        return;
    }
    showText(scene);
}

void InputPad::onCommand(Window*, UINT message, WPARAM, int, int) {
    if (!open_ || (message != WM_LBUTTONDOWN && message != WM_LBUTTONUP))
        return;
    Sprite* node = page_.pressedNode();
    SceneSprite* scene = findPadScene();
    if (!node || !scene || !scene->children.contains(node))
        return;
    if (message == WM_LBUTTONDOWN)
        pressKey(*scene, *node);
    else
        releaseKey(*scene, *node);
}

void InputPad::postKeyPointer(UINT message, int keyIndex) {
    const SceneSprite* scene = findPadScene();
    const Sprite* key = scene ? childSprite(*scene, firstKey_ + keyIndex) : nullptr;
    if (!key)
        return;
    const int x = scene->x + key->x + key->drawWidth() / 2;
    const int y = scene->y + key->y + key->drawHeight() / 2;
    page_.transformPointer = false; // the point is in page coordinates already
    const WPARAM buttons = message == WM_LBUTTONDOWN ? WPARAM{MK_LBUTTON} : WPARAM{0};
    PostMessageW(page_.handle(), message, buttons, MAKELPARAM(x, y));
}

void InputPad::onKeyMessage(Window*, UINT message, int virtualKey) {
    if (!open_)
        return;
    const bool down = message == WM_KEYDOWN;
    if (virtualKey == VK_RETURN) {
        if (down)
            closePad(true);
        return;
    }
    if (virtualKey == VK_ESCAPE || virtualKey == VK_BACK) {
        if (down && !buffer_.empty()) {
            buffer_.pop_back();
            if (SceneSprite* scene = findPadScene())
                showText(*scene);
            page_.repaint();
        }
        return;
    }
    const bool letterOrDigit =
        (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
    if (page_.shortcutsEnabled && letterOrDigit)
        return; // the index texts of the keys take these
    // Navigation keys share their codes with some of the layout's characters ('%' is Left, '$'
    // Home): they move nothing here and type nothing either.
    if (virtualKey <= 0 || virtualKey > 0x7F || navigationKeyBit(virtualKey) != 0)
        return;
    const size_t found = shiftedKeyLabels.find(static_cast<wchar_t>(virtualKey));
    if (found == std::wstring_view::npos)
        return;
    const int index = static_cast<int>(found);
    if (down) {
        if (index != lastKeyIndex_)
            postKeyPointer(WM_LBUTTONDOWN, index);
        lastKeyIndex_ = index;
    } else {
        postKeyPointer(WM_LBUTTONUP, index);
        lastKeyIndex_ = -1;
    }
}

void openPadForEditBox(Canvas& page, Sprite& editBox) {
    InputPad* pad = page.inputPad();
    if (!pad)
        return;
    const std::wstring& settings = editBox.widgetText;
    const int written = parseLong(settings);
    const bool emptyAllowed = written >= 0;
    const int maximum = written == INT32_MIN ? INT32_MAX : (written < 0 ? -written : written);
    const size_t comma = settings.find(L',');
    const std::wstring title = comma == std::wstring::npos ? std::wstring() : settings.substr(comma + 1);
    pad->openPad(&editBox, editBox.text, title, maximum, emptyAllowed);
}

void Canvas::createInputPad(uint32_t colour, const std::wstring& imageFolder,
                            const std::wstring& backgroundName, const std::wstring& keyName,
                            const std::wstring& bigKeyName) {
    inputPad_.reset(); // an open pad gives the listeners back first
    // The pad scene of the earlier pad carries its colours and pictures: the new pad builds its own.
    if (Scene* old = findScene(inputPadSceneName)) {
        if (old->children.contains(pressedNode_))
            pressedNode_ = nullptr;
        std::erase_if(scenes, [old](const std::unique_ptr<Scene>& scene) { return scene.get() == old; });
    }
    inputPad_ = std::make_unique<InputPad>(*this, colour, imageFolder, backgroundName, keyName, bigKeyName);
}

} // namespace velmora
