#pragma once
// The on-screen keyboard that edit boxes open: a sprite scene built in code on top of the page,
// with a title, the text being edited, forty character keys in two layouts and five function keys.
// While it is open it takes the page's mouse and key listeners, so every tap and key reaches it;
// when it closes it gives them back and tells the page's listener of a release over the edit box.

#include "gui/listeners.h"
#include "render/sprite.h"
#include "render/texture.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class Canvas;
struct Scene;
struct SceneSprite;

inline constexpr wchar_t inputPadSceneName[] = L"sceneInputPad_INPUTPAD";

// Forty keys in four rows of ten, one character each.
inline constexpr std::wstring_view normalKeyLabels = L"1234567890qwertyuiopasdfghjkl/zxcvbnm-=.";
inline constexpr std::wstring_view shiftedKeyLabels = L"!@#$%^`*()QWERTYUIOPASDFGHJKL\\ZXCVBNM_+:";
inline constexpr int characterKeyCount = 40;

class InputPad : public MouseListener, public KeyListener {
public:
    static constexpr int maximumLength = 20;

    // colour is the pad's colour (texts and frames derive from it); the pictures are read from
    // imageFolder, and an empty folder means no pictures (plain coloured keys).
    InputPad(Canvas& page, uint32_t colour, std::wstring imageFolder, std::wstring backgroundName,
             std::wstring keyName, std::wstring bigKeyName);
    // An open pad gives the page its listeners back.
    ~InputPad() override;
    InputPad(const InputPad&) = delete;
    InputPad& operator=(const InputPad&) = delete;

    // Shows the pad for target with text (cut to the maximum), title over it; maximum is limited
    // to 0..20. Builds the pad scene on the first open of the page (and after a page reload).
    void openPad(Sprite* target, const std::wstring& text, const std::wstring& title, int maximum,
                 bool emptyAllowed);
    // Hides the pad. Accepting writes the text into the target, unless it is empty where a text is
    // required (then it counts as cancelled); either way the page's listener is told of a release
    // over the target with the key state 1 for accepted and 0 for cancelled.
    void closePad(bool accept);

    bool isOpen() const { return open_; }
    bool caps() const { return caps_; }
    const std::wstring& text() const { return buffer_; }

    // Pad taps (presses and releases of a pad node).
    void onCommand(Window* window, UINT message, WPARAM keyState, int x, int y) override;
    // Hardware keys: Return accepts, Escape and Backspace delete, a key of the shifted layout
    // presses the pad key that carries it.
    void onKeyMessage(Window* window, UINT message, int virtualKey) override;

private:
    SceneSprite* findPadScene() const;
    SceneSprite& buildPadScene();
    void addFunctionKeys(SceneSprite& scene, int textSize, bool darkPad);
    void addCharacterKeys(SceneSprite& scene, int textSize, bool darkPad);
    void labelKeys(SceneSprite& scene) const;
    bool homeOf(const SceneSprite& scene, const Sprite& key, int& x, int& y) const;
    // Puts every key back where it belongs and unpressed (a key can be left down when the pad
    // closes between its press and its release).
    void resetKeys(SceneSprite& scene) const;
    void pressKey(SceneSprite& scene, Sprite& key);
    void releaseKey(SceneSprite& scene, Sprite& key);
    void showText(SceneSprite& scene) const;
    void postKeyPointer(UINT message, int keyIndex);
    const Scene* sceneHolding(const Sprite* node) const; // none when the node is not on the page

    Canvas& page_;
    int firstKey_ = 0; // index in the pad scene's children of the first character key
    bool caps_ = false;
    std::wstring buffer_; // never longer than maximum_
    int maximum_ = 0;
    bool emptyAllowed_ = true;
    Sprite* target_ = nullptr;
    uint32_t colour_;
    Texture* keyImage_ = nullptr; // from the page's image cache, while the pad scene exists
    Texture* bigKeyImage_ = nullptr;
    std::wstring backgroundName_, keyName_, bigKeyName_;
    MouseListener* savedMouseListener_ = nullptr;
    KeyListener* savedKeyListener_ = nullptr;
    int lastKeyIndex_ = -1;
    std::wstring folder_;
    bool open_ = false;
};

// Opens the page's pad for an edit box: its widget text holds the maximum length (negative when a
// text is required), a comma and the title. Nothing happens on a page without a pad.
void openPadForEditBox(Canvas& page, Sprite& editBox);

} // namespace velmora
