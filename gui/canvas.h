#pragma once
// The page window: a frame page that owns a page template and the scenes and nodes built from it,
// the page's caches of pictures, models and named fonts, and the input handling that turns pointer
// and key messages into widget behaviour and calls of the page's mouse listener. The front-end page
// and the game page derive from it.

#include "base/hash_map.h"
#include "gui/frame_page.h"
#include "gui/property_template.h"
#include "media/bitmap_font.h"
#include "media/sound_bank.h"
#include "render/image_cache.h"
#include "render/model_cache.h"
#include "render/progress_listener.h"
#include "render/scene.h"
#include "render/sprite.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace velmora {

class DragPad;
class InputPad;

// Bits of Canvas::keysHeld() for the navigation keys; any other key has none.
enum NavigationKeyBit : uint32_t {
    KeyBitUp = 0x001,
    KeyBitDown = 0x002,
    KeyBitLeft = 0x004,
    KeyBitRight = 0x008,
    KeyBitDelete = 0x010,
    KeyBitEnd = 0x020,
    KeyBitSpace = 0x040,
    KeyBitAction = 0x080, // Return or the device's action key
    KeyBitPageUp = 0x100,
    KeyBitPageDown = 0x200,
    KeyBitHome = 0x400,
    KeyBitInsert = 0x800,
};
inline constexpr uint32_t arrowKeyBits = KeyBitUp | KeyBitDown | KeyBitLeft | KeyBitRight;

// The bit of a virtual key in keysHeld, 0 for keys that are not navigation keys.
uint32_t navigationKeyBit(int virtualKey);

class Canvas : public FramePage {
public:
    static constexpr size_t maxFolderLength = 259;    // characters of a page folder
    static constexpr size_t maxTemplateName = 63;     // characters of a template file name
    static constexpr size_t maxTypedShortcut = 4;     // characters of an index text
    static constexpr uint32_t shortcutPauseMs = 2000; // a longer pause starts a new shortcut

    // The page name becomes the window text (see FramePage).
    Canvas(const std::wstring& pageName, bool hasBackBuffer);
    ~Canvas() override;

    // Window operations.
    // Pointer messages: before the mouse listener a press is hit-tested (and drives the drag pad),
    // after it the widget behaviour of the pressed node runs. A release always goes to the
    // node of the press, wherever the pointer is lifted.
    void onMouse(UINT message, WPARAM keyState, int x, int y, MousePhase phase) override;
    // Key-down and key-up: held navigation bits, the last released key and index-text shortcuts.
    void onKey(UINT message, int virtualKey) override;
    // Releases everything the page built (the window is going).
    void onDestroyed() override;

    // Frame operations.
    // Draws every visible scene in list (template) order onto the back buffer.
    void paint() override;
    // One frame, the active drag pad over it, then the back buffer shown.
    void onIdle(const MSG& lastMessage, HWND mainWindow) override;
    // Besides stopping and restarting frames: playing sounds pause on deactivation and go on on
    // activation.
    void activate(bool active) override;
    // Leaving the page for another instance: every sound stops.
    void stopActivity() override;

    // Hooks of the template loader; nothing here.
    virtual void onPageLoaded() {}
    virtual void onPageLeaving() {}
    // A template line whose "type" the loader does not know.
    virtual void loadCustomNode(PropertyTemplate&, const std::wstring&) {}

    // Paints without advancing time; a stopped page also draws its drag pad and shows the buffer.
    // Every widget change and every load ends with one.
    void repaint();

    // Loads one template (folder + fileName) into the page. A reload first destroys everything
    // the page built; a load without it adds the file's objects and keeps the page's own template
    // name, folder and path. The player's saved copy of the file (saveTemplate) is read instead
    // when there is one; the pictures and sounds it names still come from folder. False (with a
    // message box) when the file cannot be read.
    bool loadTemplate(const std::wstring& templateFolder, const std::wstring& fileName, bool reload);
    // Writes the page template under its file name into the player's data folder
    // (platform/game_folders.h); on failure shows the update warning and returns false.
    bool saveTemplate();

    // The first scene of that name (in list order), or none.
    Scene* findScene(const std::wstring& sceneName) const;
    // The first node of that name among the direct children of the scenes (in list order).
    Node* findNode(const std::wstring& nodeName) const;
    // The scene whose direct children hold a node of that name.
    Scene* findSceneOfNode(const std::wstring& nodeName) const;
    // Appends a scene (the loader's, or one built by a page): names it, gives it its rectangle of
    // the back buffer and, when buffered, its own surface.
    Scene* addScene(std::unique_ptr<Scene> scene, const std::wstring& sceneName);

    // Plays the sound the template names with key (a "WaveSound" line). Mode 0 first stops every
    // sound of the page; mode 1 plays only when none is playing; other modes play alongside.
    void playSound(const std::wstring& key, int mode);

    // Template queries of widgets: a node is on when its "status" item is not "0"; a check-box
    // group's "selected" item.
    bool isNodeOn(const std::wstring& nodeName);
    int selectedIndex(const std::wstring& groupName);

    uint32_t keysHeld() const { return keysHeld_; }
    // The virtual key of the last key-up; reading it clears it.
    int lastReleasedKey();
    // The navigation bits of every key-up since the last read; reading them clears them. A key
    // pressed and let go within one frame shows here even when another key-up followed it.
    uint32_t releasedKeyBits();
    Sprite* pressedNode() const { return pressedNode_; }
    // The topmost visible widget sprite under a page point, in the topmost visible sprite scene.
    Sprite* hitTestPage(int x, int y) const;

    // The stylus joystick: pen width, circle radius (scaled here), direction mode (0 free, 1 four
    // directions, 2 eight). It starts enabled and replaces an earlier pad.
    void createDragPad(int penWidth, int radius, int directionMode);
    void deleteDragPad();
    DragPad* dragPad() const { return dragPad_.get(); }

    // The on-screen keyboard of the page's edit boxes, or none: its colour, the folder of its
    // pictures (empty: none) and their names. It replaces an earlier pad.
    void createInputPad(uint32_t colour, const std::wstring& imageFolder, const std::wstring& backgroundName,
                        const std::wstring& keyName, const std::wstring& bigKeyName);
    InputPad* inputPad() const { return inputPad_.get(); }

    // Index-text shortcuts: typed characters press the node whose index text they spell.
    bool shortcutsEnabled = true;
    // keysHeld holds only the last key pressed.
    bool singleKeyMode = false;
    // Arrow keys follow the screen orientation.
    bool rotateArrowKeys = false;
    // Shortcut matching stops after the topmost eligible scene.
    bool topSceneOnlyShortcuts = false;
    // The button that the menu key (VK_APPS, a gamepad's Start) presses and releases while the page
    // shows it: the game page's system menu button.
    std::wstring menuButton = L"btnSysMenu";
    // The next pointer message is in screen coordinates and is turned by the orientation; the key
    // handler clears it for the presses it posts in page coordinates.
    bool transformPointer = true;

    PropertyTemplate pageTemplate{L'=', L',', L':'};
    std::wstring folder;       // folder of the page's template files
    std::wstring templateName; // file name of the page's own template
    // Every scene in load order, which is also the drawing order.
    std::vector<std::unique_ptr<Scene>> scenes;
    // Template keys already turned into objects on this page.
    std::unordered_set<std::wstring> loadedNames;
    ImageCache imageCache;
    ModelCache modelCache;
    HashMap<std::wstring, std::unique_ptr<BitmapFont>> fontsByName;
    SoundBank soundBank;
    HashMap<std::wstring, WaveSound*> soundsByName; // the sounds belong to the sound bank
    ProgressListener* progress = nullptr;

protected:
    // The typed index-text characters and when the last one came; reset by a reloading load.
    std::wstring typedShortcut_;
    uint32_t lastShortcutTick_ = 0;
    int lastKeyDown_ = 0;
    bool menuKeyDown_ = false;
    uint32_t keysHeld_ = 0;
    int lastReleasedKey_ = 0;
    uint32_t releasedKeyBits_ = 0;
    Sprite* pressedNode_ = nullptr;

private:
    friend class DragPad;
    // Everything built from templates (a reload); releasePage also drops the drag pad.
    void clearContent();
    void releasePage();
    void buildKeys(const std::vector<std::wstring>& keysRead);
    void turnPointer(int& x, int& y) const;
    void updateCursor(int x, int y) const;
    void handleShortcut(UINT message, int virtualKey);
    // A press or release of the sprite through a pointer message at its centre, in page coordinates.
    void postPress(const Scene& scene, const Sprite& sprite, bool down);
    void pressMenuButton(bool down);

    std::unique_ptr<DragPad> dragPad_;
    friend class InputPad; // a closing pad presents a release over its edit box
    std::unique_ptr<InputPad> inputPad_;
};

} // namespace velmora
